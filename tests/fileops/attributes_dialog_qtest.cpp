#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include "fileops/attributes_dialog.h"
#include "support/find_control.h"

using namespace krellix;

class AttributesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The captions, the fixed size and the missing close icon.
  void Layout() {
    AttributesDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("Set Attribute(s)"));
    QCOMPARE(test::FindControl<QGroupBox>(dialog, "attReadOnly")->title(), QString(" ReadOnly "));
    QCOMPARE(test::FindControl<QGroupBox>(dialog, "attHidden")->title(), QString(" Hidden "));
    QCOMPARE(test::FindControl<QGroupBox>(dialog, "attArchive")->title(), QString(" Archive "));
    QCOMPARE(test::FindControl<QGroupBox>(dialog, "attSystem")->title(), QString(" System "));
    QCOMPARE(test::FindControl<QRadioButton>(dialog, "attSystem_-")->text(), QString(" -"));
    QCOMPARE(test::FindControl<QCheckBox>(dialog, "setDateModified")->text(),
             QString("Set date modified"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
  }

  // The choices at OK, and every opening back at " -", unchecked, and the given time.
  void ChoicesAndReset() {
    AttributesDialog dialog;
    const CivilDateTime now{2024, 5, 6, 7, 8, 9, 0};
    QTimer::singleShot(0, &dialog, [&] {
      test::FindControl<QRadioButton>(dialog, "attReadOnly_on")->click();
      test::FindControl<QRadioButton>(dialog, "attHidden_off")->click();
      test::FindControl<QCheckBox>(dialog, "setDateModified")->setChecked(true);
      test::FindControl<QDateEdit>(dialog, "dateModified")->setDate(QDate(2001, 2, 3));
      test::FindControl<QTimeEdit>(dialog, "timeModified")->setTime(QTime(10, 15, 37));
      test::FindControl<QPushButton>(dialog, "ok")->click();
    });
    const std::optional<AttribChoices> chosen = dialog.Run(now);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->read_only, AttribChoice::kOn);
    QCOMPARE(chosen->hidden, AttribChoice::kOff);
    QCOMPARE(chosen->archive, AttribChoice::kKeep);
    QCOMPARE(chosen->system, AttribChoice::kKeep);
    QVERIFY(chosen->set_date);
    const CivilDateTime& d = chosen->date;
    QCOMPARE(QDateTime(QDate(d.year, d.month, d.day), QTime(d.hour, d.minute, d.second)),
             QDateTime(QDate(2001, 2, 3), QTime(10, 15, 37)));

    QTimer::singleShot(0, &dialog, [&] {
      const AttribChoices reset = dialog.Choices();
      QCOMPARE(reset.read_only, AttribChoice::kKeep);
      QCOMPARE(reset.hidden, AttribChoice::kKeep);
      QCOMPARE(reset.archive, AttribChoice::kKeep);
      QCOMPARE(reset.system, AttribChoice::kKeep);
      QVERIFY(!reset.set_date);
      QCOMPARE(test::FindControl<QDateEdit>(dialog, "dateModified")->date(), QDate(2024, 5, 6));
      QCOMPARE(test::FindControl<QTimeEdit>(dialog, "timeModified")->time(), QTime(7, 8, 9));
      test::FindControl<QPushButton>(dialog, "cancel")->click();
    });
    QVERIFY(!dialog.Run(now).has_value());
  }

  void HelpTopic() {
    AttributesDialog dialog;
    QSignalSpy help(&dialog, &AttributesDialog::helpRequested);
    test::FindControl<QPushButton>(dialog, "help")->click();
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 2090);
  }
};

QTEST_MAIN(AttributesDialogTest)
#include "attributes_dialog_qtest.moc"
