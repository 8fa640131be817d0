#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <fstream>
#include <functional>

#include "app/main_window.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/scripted_prompter.h"
#include "settings/configuration_dialog.h"
#include "settings/settings_commands.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::CountStarting;
using krellix::test::LogTexts;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

template <typename T>
T* Control(MainWindow& form, const char* name) {
  T* control = form.Configuration().Dialog()->findChild<T*>(name);
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

void Click(MainWindow& form, const char* name) { Control<QAbstractButton>(form, name)->click(); }

// Runs "&Configuration" with `steps` done on the open dialog, which they must close.
void Configure(MainWindow& form, const std::function<void()>& steps) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = form.Configuration().Dialog()->isVisible();
    steps();
  });
  form.Configuration().ConfigurationCommand();
  QVERIFY(shown);
}

}  // namespace

class ConfigurationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void newItemOrderAsksAndClearsTheList();
  void okTakesTheCustomStringsAndTrimsBookmarks();
  void clearedScanHistoryThenCancel();
  void deletedFileCannotBeSaved();
  void createInARunWithoutSettingsFile();
  void backupLiesBesideTheFile();
  void saveToAnotherFileThenLoadADisabledOne();
  void functionKeyOpensTheDialog();
};

void ConfigurationWindowTest::newItemOrderAsksAndClearsTheList() {
  TempHome home;
  home.tree.File("a.txt", 3);
  home.tree.File("b.txt", 4);
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  const std::size_t lines = form.Items().Count();
  QVERIFY(lines > 0);

  // Cancel: nothing is applied, the list stays.
  Configure(form, [&] {
    Click(form, "SortF");
    Click(form, "CancelButton");
  });
  QCOMPARE(form.State().SortOutput, ItemOrder::kPath);
  QCOMPARE(form.Items().Count(), lines);

  // "&No" keeps the order and the list.
  prompter.answers = {Answer::kNo};
  Configure(form, [&] {
    Click(form, "SortF");
    Click(form, "OkButton");
  });
  QCOMPARE(prompter.questions.back(), std::string(kSortChangeWarning));
  QCOMPARE(form.State().SortOutput, ItemOrder::kPath);
  QCOMPARE(form.Items().Count(), lines);

  // "&Yes" takes the new order, and the list is emptied for it.
  prompter.answers = {Answer::kYes};
  Configure(form, [&] {
    Click(form, "SortNone");
    Click(form, "OkButton");
  });
  QCOMPARE(form.State().SortOutput, ItemOrder::kArrival);
  QCOMPARE(form.Items().Count(), std::size_t{0});
  QVERIFY(!form.Items().Sorted());
}

void ConfigurationWindowTest::okTakesTheCustomStringsAndTrimsBookmarks() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  std::vector<std::string> marks;
  for (int i = 0; i < 16; ++i) marks.push_back("/mark" + std::to_string(i) + "/");
  form.SetBookmarks(marks);
  Configure(form, [&] {
    Control<QLineEdit>(form, "CustOpt1")->setText("*.x");
    Control<QLineEdit>(form, "FavouritesSize")->setText("17");
    Control<QLineEdit>(form, "ItemLimit")->setText("12");
    Click(form, "OkButton");
  });
  QCOMPARE(form.Settings().CustOpt[0], std::string("*.x"));
  QCOMPARE(form.Actions().custom[0]->text(), QString("*.x"));
  QCOMPARE(form.State().ItemLimit, 12);
  // Seventeen menu entries, three of them fixed.
  QCOMPARE(form.BookmarkList().Entries().size(), std::size_t{14});
  QCOMPARE(form.BookmarkList().Entries().back(), std::string("/mark13/"));

  // An invalid "Item Limit" stops the apply with its message; the dialog stays open.
  Configure(form, [&] {
    Control<QLineEdit>(form, "ItemLimit")->setText("many");
    Control<QLineEdit>(form, "Header2")->setText("not applied");
    Click(form, "OkButton");
    QVERIFY(form.Configuration().Dialog()->isVisible());
    Click(form, "CancelButton");
  });
  QVERIFY(test::WasShown(prompter, "''many'' is not a valid integer value"));
  QCOMPARE(form.State().ItemLimit, 12);
  QCOMPARE(form.Settings().output.Header2, std::string("- "));
}

void ConfigurationWindowTest::clearedScanHistoryThenCancel() {
  TempHome home;
  test::WriteSettingsFile(
      home,
      "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\nShst=1\r\nScann=2\r\nScan0=*.md\r\n"
      "Scan1=*.rs\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  Configure(form, [&] {
    Click(form, "ClearScan");
    Click(form, "ClearAddress");
    Click(form, "CancelButton");
  });
  const ProfileFile ini(test::SettingsFilePath(home));
  QVERIFY(!ini.Read("Prefs", "Scan0").has_value());
  QCOMPARE(ini.Read("Prefs", "Scann"), std::optional<std::string>("0"));
  // The main list keeps its entries for the rest of the run; the address list is empty.
  QCOMPARE(form.History().Entries(), (std::vector<std::string>{"*.md", "*.rs"}));
  QVERIFY(form.Addresses().Entries().empty());
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(log, "Clear History"), 1);
  QCOMPARE(CountStarting(log, "Clear Addresses"), 1);
  // With "Save history" on, the close writes them again.
  form.close();
  QCOMPARE(ProfileFile(test::SettingsFilePath(home)).Read("Prefs", "Scan1"),
           std::optional<std::string>("*.rs"));
}

void ConfigurationWindowTest::deletedFileCannotBeSaved() {
  TempHome home;
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  prompter.answers = {Answer::kOk};
  Configure(form, [&] {
    Click(form, "DeleteIni");
    Click(form, "SaveButton");
  });
  QCOMPARE(prompter.questions.back(), "OK to delete:\r\n" + test::SettingsFilePath(home) + " ?");
  QVERIFY(test::WasShown(prompter, test::SettingsFilePath(home) + " - file deleted"));
  QVERIFY(test::WasShown(prompter, "Cannot store preferences, .ini disabled"));
  QVERIFY(form.Startup().SkipIni);
  form.close();
  QVERIFY(!FileExists(test::SettingsFilePath(home)));
}

void ConfigurationWindowTest::createInARunWithoutSettingsFile() {
  TempHome home;
  home.tree.Dir(".config/Krellix");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  QVERIFY(!FileExists(test::SettingsFilePath(home)));
  Configure(form, [&] {
    Click(form, "Hidden");  // a change of the dialog's own, saved with the new file
    Click(form, "CreateIni");
    QVERIFY(form.Configuration().Dialog()->isVisible());
    Click(form, "CancelButton");
  });
  QVERIFY(test::WasShown(prompter, test::SettingsFilePath(home) + " - created"));
  QVERIFY(!form.Startup().SkipIni);
  const ProfileFile ini(test::SettingsFilePath(home));
  QCOMPARE(ini.Read("Init", "Version"), std::optional<std::string>("Krellix Version 1.2.2 "));
  QVERIFY(ini.Read("Init", "Created").has_value());
  QVERIFY(ini.Read("Init", "Modified").has_value());
  QCOMPARE(ini.Read("Attr", "H"), std::optional<std::string>("0"));
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(log, "Created=" + test::SettingsFilePath(home)), 1);
  // The file is now the program's: the close writes to it.
  form.close();
  QVERIFY(ProfileFile(test::SettingsFilePath(home)).Read("Prefs", "Addrn").has_value());
}

void ConfigurationWindowTest::backupLiesBesideTheFile() {
  TempHome home;
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  Configure(form, [&] {
    Click(form, "BackupIni");
    Click(form, "CancelButton");
  });
  const std::string prefix = "Backup created: ";
  std::string backup;
  for (const auto& m : prompter.messages) {
    if (m.text.rfind(prefix, 0) == 0) backup = m.text.substr(prefix.size());
  }
  QVERIFY(backup.rfind(test::SettingsFilePath(home) + ".", 0) == 0);
  QVERIFY(backup.size() == test::SettingsFilePath(home).size() + 20);  // ".yyyymmdd-hhmmss.bku"
  QCOMPARE(test::ReadWholeFile(backup), test::ReadWholeFile(test::SettingsFilePath(home)));
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Copied=" + test::SettingsFilePath(home)),
           1);
}

void ConfigurationWindowTest::saveToAnotherFileThenLoadADisabledOne() {
  TempHome home;
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\n");
  const std::string other = home.tree.Path("other.ini");
  const std::string disabled = home.tree.Path("disabled.ini");
  std::ofstream(disabled, std::ios::binary) << "[Init]\r\nDisable=1\r\n[Attr]\r\nY=0\r\n";
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  prompter.picks = {other, disabled};
  Configure(form, [&] {
    Click(form, "Normal");  // unconfirmed: saved from the dialog all the same
    Click(form, "SaveIni");
    Click(form, "LoadIni");
    Click(form, "CancelButton");
  });
  QCOMPARE(form.Paths().IniName, test::SettingsFilePath(home));
  QVERIFY(form.Criteria().normal);
  QCOMPARE(ProfileFile(other).Read("Attr", "N"), std::optional<std::string>("0"));
  const auto log = LogTexts(form.Log().Lines());
  std::vector<std::string> picked;
  for (const std::string& t : log) {
    for (const char* key : {"SavedConfiguration=", "Saved=", "Loaded="}) {
      if (t.rfind(key, 0) == 0) picked.push_back(t);
    }
  }
  QCOMPARE(picked, (std::vector<std::string>{"SavedConfiguration=" + other, "Saved=" + other,
                                             "Loaded=" + disabled}));
  // "Disable" in the loaded file turns the settings file off and stops the reading there.
  QVERIFY(form.Startup().SkipIni);
  QVERIFY(form.Criteria().any_file);
}

void ConfigurationWindowTest::functionKeyOpensTheDialog() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = form.Configuration().Dialog()->isVisible();
    Click(form, "CancelButton");
  });
  QTest::keyClick(&form, Qt::Key_F11);
  QVERIFY(shown);
}

QTEST_MAIN(ConfigurationWindowTest)
#include "configuration_window_qtest.moc"
