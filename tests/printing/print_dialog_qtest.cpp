#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "printing/print_dialog.h"
#include "settings/app_settings.h"
#include "support/find_control.h"

using namespace krellix;

namespace {

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
    QCOMPARE(test::FindControl<QCheckBox>(dialog, "ListVolume")->text(), QString("Include Volume"));
    QCOMPARE(test::FindControl<QCheckBox>(dialog, "ListPath")->text(), QString("Include Pathname"));
    QCOMPARE(test::FindControl<QCheckBox>(dialog, "ListSize")->text(), QString("Include FileSize"));
    QCOMPARE(test::FindControl<QCheckBox>(dialog, "ListDate")->text(), QString("Include FileDate"));
    QCOMPARE(test::FindControl<QRadioButton>(dialog, "PrintReport")->text(), QString("Report"));
    QCOMPARE(test::FindControl<QRadioButton>(dialog, "PrintList")->text(), QString("List"));
    QCOMPARE(test::FindControl<QPushButton>(dialog, "Font")->text(), QString("Font"));
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
      test::FindControl<QCheckBox>(dialog, "ListPath")->setChecked(false);
      test::FindControl<QRadioButton>(dialog, "PrintList")->click();
      test::FindControl<QPushButton>(dialog, "cancel")->click();
    });
    QVERIFY(!dialog.Execute(settings));
    QCOMPARE(Six::Of(settings), Six::Of(AppSettings()));

    QTimer::singleShot(0, &dialog, [&] {
      QVERIFY(test::FindControl<QCheckBox>(dialog, "ListPath")->isChecked());  // shown afresh
      test::FindControl<QCheckBox>(dialog, "ListPath")->setChecked(false);
      test::FindControl<QRadioButton>(dialog, "PrintList")->click();
      test::FindControl<QPushButton>(dialog, "ok")->click();
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
      test::FindControl<QPushButton>(dialog, "Font")->click();
      test::FindControl<QPushButton>(dialog, "help")->click();
      test::FindControl<QPushButton>(dialog, "cancel")->click();
    });
    QVERIFY(!dialog.Execute(settings));
    QCOMPARE(fonts, 1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 2130);
  }
};

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_qtest.moc"
