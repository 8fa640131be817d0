#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>

#include "app/criteria_panel.h"
#include "platform/clock.h"

using namespace krellix;

namespace {

QCheckBox* Box(CriteriaPanel& panel, int tab, const QString& caption, int nth = 0) {
  int seen = 0;
  for (QCheckBox* box : panel.widget(tab)->findChildren<QCheckBox*>()) {
    if (box->text() == caption && seen++ == nth) return box;
  }
  return nullptr;
}

const WallMs kNow = FromCivil({2024, 5, 17, 14, 30, 15, 250});
const WallMs kLongAgo = FromCivil({2001, 2, 3, 4, 5, 6, 0});

}  // namespace

class CriteriaPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void clicksMarkTheTabs_data();
  void clicksMarkTheTabs();
  void exclFilenamesAlsoChecksInclDirNames();
  void sizeBoxesKeepDigitsAndUnits();
  void anUnmarkedDateTabStartsFromNow();
  void refreshShowsResetCriteria();
};

void CriteriaPanelTest::clicksMarkTheTabs_data() {
  QTest::addColumn<int>("tab");
  QTest::addColumn<QStringList>("clicks");  // caption, or caption#n for the n-th of that name
  QTest::addColumn<QString>("caption");
  QTest::newRow("path on") << 1 << QStringList{"Path"} << ">File";
  QTest::newRow("path on, off") << 1 << QStringList{"Path", "Path"} << "File";
  QTest::newRow("name off") << 1 << QStringList{"Name"} << ">File";
  QTest::newRow("name off, path on, off: the last click decides")
      << 1 << QStringList{"Name", "Path", "Path"} << "File";
  QTest::newRow("normal off") << 2 << QStringList{"Normal"} << ">Attrib";
  QTest::newRow("hidden off leaves it") << 2 << QStringList{"Hidden"} << "Attrib";
  QTest::newRow("hidden off, any file off, on")
      << 2 << QStringList{"Hidden", "Any file", "Any file"} << "Attrib";
  QTest::newRow("max on") << 3 << QStringList{"Max."} << ">Size";
  QTest::newRow("min on, max on, min off") << 3 << QStringList{"Min.", "Max.", "Min."} << ">Size";
  QTest::newRow("modified to-time on") << 4 << QStringList{"To:#1"} << ">Modified";
  QTest::newRow("created from-date on, off") << 5 << QStringList{"From:", "From:"} << "Created";
}

void CriteriaPanelTest::clicksMarkTheTabs() {
  QFETCH(int, tab);
  QFETCH(QStringList, clicks);
  QFETCH(QString, caption);
  SelectionCriteria criteria;
  Clock clock;
  CriteriaPanel panel(criteria, clock);
  panel.setCurrentIndex(tab);
  for (const QString& click : clicks) {
    const QStringList parts = click.split('#');
    QCheckBox* box = Box(panel, tab, parts[0], parts.size() > 1 ? parts[1].toInt() : 0);
    QVERIFY2(box != nullptr, qPrintable(click));
    box->click();
  }
  QCOMPARE(panel.tabText(tab), caption);
}

void CriteriaPanelTest::exclFilenamesAlsoChecksInclDirNames() {
  SelectionCriteria criteria;
  Clock clock;
  CriteriaPanel panel(criteria, clock);
  Box(panel, 0, "excl. filenames")->click();
  QVERIFY(criteria.excl_filenames);
  QVERIFY(criteria.incl_dir_names);
  Box(panel, 0, "excl. filenames")->click();
  QVERIFY(!criteria.excl_filenames);
  QVERIFY(criteria.incl_dir_names);
}

void CriteriaPanelTest::sizeBoxesKeepDigitsAndUnits() {
  SelectionCriteria criteria;
  Clock clock;
  CriteriaPanel panel(criteria, clock);
  auto* min = panel.findChild<QLineEdit*>("minSize");
  auto* max = panel.findChild<QLineEdit*>("maxSize");
  QCOMPARE(max->text(), QString("999999999"));

  min->clear();
  QTest::keyClicks(min, "12x34567890123");
  QCOMPARE(min->text(), QString("123456789"));
  QCOMPARE(criteria.min.text, std::string("123456789"));

  QPushButton* unit = nullptr;
  for (QPushButton* b : panel.widget(3)->findChildren<QPushButton*>()) {
    if (unit == nullptr) unit = b;
  }
  QCOMPARE(unit->text(), QString("Kbytes"));
  unit->click();
  QCOMPARE(unit->text(), QString("bytes"));
  QVERIFY(!criteria.min.kbytes);
  unit->click();
  QVERIFY(criteria.min.kbytes);

  // Focus in either box selects the whole text of both.
  panel.show();
  QVERIFY(QTest::qWaitForWindowExposed(&panel));
  panel.setCurrentIndex(3);
  max->setFocus();
  QTRY_COMPARE(max->selectedText(), max->text());
  QCOMPARE(min->selectedText(), min->text());
}

void CriteriaPanelTest::anUnmarkedDateTabStartsFromNow() {
  SelectionCriteria criteria;
  criteria.modified.SetAllValues(kLongAgo);
  criteria.created.SetAllValues(kLongAgo);
  criteria.created.to_date = true;
  Clock clock;
  clock.SetFake([] { return kNow; });
  CriteriaPanel panel(criteria, clock);
  QCOMPARE(panel.tabText(5), QString(">Created"));

  panel.setCurrentIndex(4);
  QCOMPARE(criteria.modified.from_date_value, kNow);
  QCOMPARE(criteria.modified.to_time_value, kNow);
  auto* to_date = panel.widget(4)->findChildren<QDateEdit*>().at(1);
  QCOMPARE(to_date->date(), QDate(2024, 5, 17));
  auto* from_time = panel.widget(4)->findChildren<QTimeEdit*>().at(0);
  QCOMPARE(from_time->time().toString("HH:mm:ss"), QString("14:30:15"));

  // A marked tab keeps what the user set.
  panel.setCurrentIndex(5);
  QCOMPARE(criteria.created.from_date_value, kLongAgo);

  // Editing a box changes the criteria: the day for dates, the time of day for times.
  to_date->setDate(QDate(2020, 1, 2));
  QCOMPARE(WallDay(criteria.modified.to_date_value), WallDay(FromCivil({2020, 1, 2})));
  from_time->setTime(QTime(8, 9, 10));
  QCOMPARE(WallTimeOfDay(criteria.modified.from_time_value), (8 * 3600 + 9 * 60 + 10) * 1000);
}

void CriteriaPanelTest::refreshShowsResetCriteria() {
  SelectionCriteria criteria;
  Clock clock;
  CriteriaPanel panel(criteria, clock);
  Box(panel, 1, "Path")->click();
  Box(panel, 3, "Min.")->click();
  Box(panel, 0, "Ignore case ")->click();
  QVERIFY(!criteria.ignore_case);

  ResetSelectionCriteria(criteria, kNow);
  panel.Refresh();
  QVERIFY(Box(panel, 0, "Ignore case ")->isChecked());
  QVERIFY(!Box(panel, 1, "Path")->isChecked());
  QCOMPARE(panel.tabText(1), QString("File"));
  QCOMPARE(panel.tabText(3), QString("Size"));
  QVERIFY(criteria.ignore_case);
  QCOMPARE(criteria.modified.from_date_value, kNow);
}

QTEST_MAIN(CriteriaPanelTest)
#include "criteria_panel_qtest.moc"
