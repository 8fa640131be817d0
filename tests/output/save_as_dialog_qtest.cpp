#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "output/save_as_dialog.h"

namespace krellix {

class SaveAsDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  static T* Child(SaveAsDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no control %s", name);
    return child;
  }

 private slots:
  void csvRuleOnClick() {
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/out/list.txt";
    o.OutputSep = ";";
    dialog.Load(o);
    auto* csv = Child<QCheckBox>(dialog, "SaveCSV");
    const char* presets[] = {"Quotes", "Titles", "Headers", "Statistics"};

    csv->click();
    for (const char* name : presets) QVERIFY(!Child<QCheckBox>(dialog, name)->isEnabled());
    QVERIFY(Child<QCheckBox>(dialog, "Quotes")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "Titles")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "Headers")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "Statistics")->isChecked());
    QCOMPARE(Child<QLineEdit>(dialog, "SaveName")->text(), QStringLiteral("/out/list.csv"));
    QCOMPARE(Child<QComboBox>(dialog, "OutputSep")->currentIndex(), 0);
    OutputOptions stored;
    dialog.Store(stored);
    QCOMPARE(stored.OutputSep, std::string("\t"));
    QVERIFY(stored.SaveCSV && stored.Quotes && stored.Titles);
    QVERIFY(!stored.Headers && !stored.Statistics);

    csv->click();
    for (const char* name : presets) QVERIFY(Child<QCheckBox>(dialog, name)->isEnabled());
    QVERIFY(!Child<QCheckBox>(dialog, "Quotes")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "Titles")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "Headers")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "Statistics")->isChecked());
    QCOMPARE(Child<QLineEdit>(dialog, "SaveName")->text(), QStringLiteral("/out/list.csv"));
  }

  void csvRuleRunsWhenOpeningChangesTheBox() {
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/out/list";
    o.SaveCSV = true;
    dialog.Load(o);
    OutputOptions stored;
    dialog.Store(stored);
    QCOMPARE(stored.SaveName, std::string("/out/list.csv"));
    QCOMPARE(stored.OutputSep, std::string("\t"));
    QVERIFY(stored.Quotes && stored.Titles && !stored.Headers && !stored.Statistics);
    QVERIFY(!Child<QCheckBox>(dialog, "Quotes")->isEnabled());
  }

  void delimiterBox_data() {
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("entry");  // -1: leave the box as loaded
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("tab shown as itself") << "\t" << -1 << QString() << "\t";
    QTest::newRow("comma shown as itself") << "," << -1 << QString() << ",";
    QTest::newRow("entry TAB") << "," << 0 << QString() << "\t";
    QTest::newRow("entry COMMA") << "\t" << 1 << QString() << ",";
    QTest::newRow("entry Version-0.3") << "\t" << 2 << QString() << "  ";
    QTest::newRow("typed semicolon") << "\t" << -1 << ";"
                                     << ";";
  }

  void delimiterBox() {
    QFETCH(QString, loaded);
    QFETCH(int, entry);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/out/list.txt";
    o.OutputSep = loaded.toStdString();
    dialog.Load(o);
    auto* box = Child<QComboBox>(dialog, "OutputSep");
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), loaded);
    if (entry >= 0) box->setCurrentIndex(entry);
    if (!typed.isNull()) box->setEditText(typed);
    OutputOptions out;
    dialog.Store(out);
    QCOMPARE(QString::fromStdString(out.OutputSep), stored);
  }

  void invalidNameShowsTheRedBar_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("colon after the second character") << "/tmp/a:b.txt" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("two characters") << "C:" << true;
    QTest::newRow("plain path") << "/tmp/list.txt" << true;
  }

  void invalidNameShowsTheRedBar() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    SaveAsDialog dialog;
    dialog.Load(OutputOptions{});
    auto* bar = Child<QLabel>(dialog, "InvalidBar");
    QCOMPARE(bar->text(), QStringLiteral(" Invalid File name: re-enter "));
    dialog.open();
    QVERIFY(bar->isHidden());
    Child<QLineEdit>(dialog, "SaveName")->setText(name);
    Child<QPushButton>(dialog, "Save")->click();
    QCOMPARE(bar->isHidden(), valid);
    QCOMPARE(dialog.isVisible(), !valid);
    QCOMPARE(dialog.result() == QDialog::Accepted, valid);
  }

  void saveStoresAndCancelKeepsTheOptions() {
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/out/list.txt";
    const OutputOptions original = o;
    const auto edit_then = [&](const char* button) {
      QTimer::singleShot(0, &dialog, [&dialog, button] {
        Child<QCheckBox>(dialog, "ListScan")->click();
        Child<QRadioButton>(dialog, "OutFileReplace")->click();
        Child<QPushButton>(dialog, button)->click();
      });
    };
    edit_then("Cancel");
    QVERIFY(!dialog.Execute(o));
    QVERIFY(o == original);
    edit_then("Save");
    QVERIFY(dialog.Execute(o));
    QVERIFY(o.ListScan && o.OutFileReplace && !o.OutFilePrompt && !o.OutFileAppend);
  }

  void nameBytesSurviveUnlessEdited() {
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/tmp/\xFF\xFE.txt";
    dialog.Load(o);
    OutputOptions out;
    dialog.Store(out);
    QCOMPARE(out.SaveName, o.SaveName);
  }

  void browsePicksTheName() {
    SaveAsDialog dialog;
    OutputOptions o;
    o.SaveName = "/out/list.txt";
    dialog.Load(o);
    QStringList seen;
    dialog.pick_file = [&](const QString& title, const QString& folder, const QString& name,
                           const QString& filter) {
      seen = {title, folder, name, filter};
      return QStringLiteral("/new/chosen.txt");
    };
    Child<QPushButton>(dialog, "Browse")->click();
    QCOMPARE(seen.value(0), QStringLiteral("Write to filename"));
    QCOMPARE(seen.value(1), QStringLiteral("/out/"));
    QCOMPARE(seen.value(2), QStringLiteral("list.txt"));
    QVERIFY(seen.value(3).startsWith(QStringLiteral("Text files (*.txt)")));
    QCOMPARE(Child<QLineEdit>(dialog, "SaveName")->text(), QStringLiteral("/new/chosen.txt"));

    Child<QCheckBox>(dialog, "SaveCSV")->click();
    Child<QPushButton>(dialog, "Browse")->click();
    QCOMPARE(seen.value(2), QStringLiteral("chosen.csv"));
    QVERIFY(seen.value(3).startsWith(QStringLiteral("Text files (*.csv)")));
  }
};

}  // namespace krellix

QTEST_MAIN(krellix::SaveAsDialogTest)
#include "save_as_dialog_qtest.moc"
