#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "printing/print_dialog.h"
#include "settings/app_settings.h"

using namespace krellix;

namespace {

template <typename T>
T* Find(QWidget& dialog, const QString& name) {
  T* widget = dialog.findChild<T*>(name);
  if (widget == nullptr) qFatal("no control %s", qPrintable(name));
  return widget;
}

// The six values the dialog edits.
struct Six {
  bool volume, path, size, date, report, list;

  static Six Of(const AppSettings& s) {
    return {s.output.ListVolume, s.output.ListPath, s.output.ListSize,
            s.output.ListDate,   s.PrintReport,     s.PrintList};
  }
  void Into(AppSettings& s) const {
    s.output.ListVolume = volume;
    s.output.ListPath = path;
    s.output.ListSize = size;
    s.output.ListDate = date;
    s.PrintReport = report;
    s.PrintList = list;
  }
  bool operator==(const Six&) const = default;
};

}  // namespace

class PrintDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void captions() {
    PrintDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("Print"));
    QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QString(" Output "));
    QCOMPARE(Find<QCheckBox>(dialog, "ListVolume")->text(), QString("Include Volume"));
    QCOMPARE(Find<QCheckBox>(dialog, "ListPath")->text(), QString("Include Pathname"));
    QCOMPARE(Find<QCheckBox>(dialog, "ListSize")->text(), QString("Include FileSize"));
    QCOMPARE(Find<QCheckBox>(dialog, "ListDate")->text(), QString("Include FileDate"));
    QCOMPARE(Find<QRadioButton>(dialog, "PrintReport")->text(), QString("Report"));
    QCOMPARE(Find<QRadioButton>(dialog, "PrintList")->text(), QString("List"));
    QCOMPARE(Find<QPushButton>(dialog, "Font")->text(), QString("Font"));
  }

  // Each opening shows the values as they are; OK stores them back, also both styles off.
  void showsAndStoresTheSixValues_data() {
    QTest::addColumn<bool>("volume");
    QTest::addColumn<bool>("path");
    QTest::addColumn<bool>("size");
    QTest::addColumn<bool>("date");
    QTest::addColumn<bool>("report");
    QTest::addColumn<bool>("list");
    QTest::newRow("defaults") << true << true << true << true << true << false;
    QTest::newRow("list, no volume, no date") << false << true << true << false << false << true;
    QTest::newRow("all off") << false << false << false << false << false << false;
  }
  void showsAndStoresTheSixValues() {
    QFETCH(bool, volume);
    QFETCH(bool, path);
    QFETCH(bool, size);
    QFETCH(bool, date);
    QFETCH(bool, report);
    QFETCH(bool, list);
    const Six six{volume, path, size, date, report, list};
    AppSettings shown;
    six.Into(shown);
    PrintDialog dialog;
    dialog.Load(shown);
    AppSettings stored;
    Six{!volume, !path, !size, !date, !report, !list}.Into(stored);
    dialog.Store(stored);
    QCOMPARE(Six::Of(stored), six);
  }

  void okStoresAndCancelDoesNot() {
    PrintDialog dialog;
    AppSettings settings;
    QTimer::singleShot(0, &dialog, [&] {
      Find<QCheckBox>(dialog, "ListPath")->setChecked(false);
      Find<QRadioButton>(dialog, "PrintList")->click();
      Find<QPushButton>(dialog, "cancel")->click();
    });
    QVERIFY(!dialog.Execute(settings));
    QCOMPARE(Six::Of(settings), Six::Of(AppSettings()));

    QTimer::singleShot(0, &dialog, [&] {
      QVERIFY(Find<QCheckBox>(dialog, "ListPath")->isChecked());  // shown afresh
      Find<QCheckBox>(dialog, "ListPath")->setChecked(false);
      Find<QRadioButton>(dialog, "PrintList")->click();
      Find<QPushButton>(dialog, "ok")->click();
    });
    QVERIFY(dialog.Execute(settings));
    QCOMPARE(Six::Of(settings), (Six{true, false, true, true, false, true}));
  }

  // "Font" acts at once, even when the dialog is then cancelled; "Help" asks for topic 2130.
  void fontActsAtOnceAndHelpNamesItsTopic() {
    PrintDialog dialog;
    int fonts = 0;
    dialog.choose_font = [&fonts] { ++fonts; };
    QSignalSpy help(&dialog, &PrintDialog::helpRequested);
    AppSettings settings;
    QTimer::singleShot(0, &dialog, [&] {
      Find<QPushButton>(dialog, "Font")->click();
      Find<QPushButton>(dialog, "help")->click();
      Find<QPushButton>(dialog, "cancel")->click();
    });
    QVERIFY(!dialog.Execute(settings));
    QCOMPARE(fonts, 1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 2130);
  }
};

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_qtest.moc"
