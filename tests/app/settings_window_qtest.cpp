#include <QtTest>
#include <fstream>

#include "app/main_window.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/scripted_prompter.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::CountStarting;
using krellix::test::LogTexts;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

std::string IniPath(const TempHome& home) { return home.tree.Path(".config/Krellix/krellix.ini"); }

void WriteIni(TempHome& home, const std::string& text) {
  home.tree.Dir(".config/Krellix");
  std::ofstream(IniPath(home), std::ios::binary) << text;
}

// Log texts from `first` on, keeping only those that start with one of `keys`.
std::vector<std::string> Picked(const std::vector<std::string>& texts,
                                const std::vector<std::string>& keys) {
  std::vector<std::string> out;
  for (const std::string& t : texts) {
    for (const std::string& k : keys) {
      if (t.rfind(k, 0) == 0) out.push_back(k);
    }
  }
  return out;
}

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartCreatesTheFile();
  void storedSettingsComeBackAndDisableStopsReading();
  void shutdownWritesListsHistoriesAndDirectory();
  void skipIniWritesNothing();
};

void SettingsWindowTest::firstStartCreatesTheFile() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  TForm1 form({kProgram}, &prompter, &dialogs);
  const ProfileFile ini(IniPath(home));
  QCOMPARE(ini.Read("Init", "Version"), std::optional<std::string>("Krellix Version 1.2.2 "));
  QVERIFY(ini.Read("Init", "Created").has_value());
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(Picked(log, {"Config_created=", "Config="}),
           (std::vector<std::string>{"Config_created=", "Config="}));
  QCOMPARE(CountStarting(log, "Config=" + IniPath(home)), 1);
  QVERIFY(form.State().AutoScan);
}

void SettingsWindowTest::storedSettingsComeBackAndDisableStopsReading() {
  TempHome home;
  WriteIni(home,
           "[Init]\r\nCreated=yesterday\r\n[Attr]\r\nY=0\r\n[Output]\r\nSort=S\r\nSep=  \r\n"
           "[Prefs]\r\nAuto=0\r\nShst=1\r\nScann=2\r\nScan=*.md\r\nScan0=*.md\r\nScan1=*.rs\r\n"
           "F1txtn=1\r\nF1txt3=/bookmarked/\r\nLimit=0x10\r\n");
  {
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    TForm1 form({kProgram}, &prompter, &dialogs);
    QVERIFY(!form.Criteria().any_file);
    QCOMPARE(form.State().SortOutput, 'S');
    QCOMPARE(form.Settings().output.OutputSep, std::string("  "));
    QVERIFY(!form.State().AutoScan);
    QCOMPARE(form.State().ItemLimit, 16);
    QCOMPARE(form.Criteria().scan_text, std::string("*.md"));
    QCOMPARE(form.History().Entries(), (std::vector<std::string>{"*.md", "*.rs"}));
    QCOMPARE(form.BookmarkList().Entries(), (std::vector<std::string>{"/bookmarked/"}));
  }
  WriteIni(home, "[Init]\r\nDisable=1\r\n[Attr]\r\nY=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  TForm1 form({kProgram}, &prompter, &dialogs);
  QVERIFY(form.Criteria().any_file);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Config="), 0);
}

void SettingsWindowTest::shutdownWritesListsHistoriesAndDirectory() {
  TempHome home;
  home.tree.Dir("place");
  WriteIni(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nShst=1\r\nSdir=1\r\nLogs=1\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  TForm1 form({kProgram}, &prompter, &dialogs);
  QVERIFY(form.SetTreeDirectory(home.tree.Path("place")));
  form.close();

  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(Picked(log, {"Closing_down=", "Include_list_saved=", "Exclude_list_saved=",
                        "File_list_saved=", "Bookmarks_saved=", "History_saved=",
                        "Address saved", "Directory_saved=", "Close_complete="}),
           (std::vector<std::string>{"Closing_down=", "Include_list_saved=",
                                     "Exclude_list_saved=", "File_list_saved=",
                                     "Bookmarks_saved=", "History_saved=", "Address saved",
                                     "Directory_saved=", "Close_complete="}));
  const ProfileFile ini(IniPath(home));
  QCOMPARE(ini.Read("Prefs", "mDir"), std::optional<std::string>(home.tree.Path("place/")));
  // With "Shst" on, the stored (empty) history replaced the built-in strings; the start-up
  // scan then recorded its own.
  QCOMPARE(ini.ReadInt("Prefs", "Scann", -1), std::int64_t{1});
  QCOMPARE(ini.Read("Prefs", "Scan0"), std::optional<std::string>("*.*"));
  QVERIFY(FileExists(home.tree.Path(".config/Krellix/filelist.txt")));
  // The log was appended to the log file, ending with the close and the save lines.
  const std::string saved = test::ReadWholeFile(home.tree.Path(".config/Krellix/krellix.log"));
  QVERIFY(saved.find("Close_complete=Yes\r\nSave_Logfile=") != std::string::npos);
}

void SettingsWindowTest::skipIniWritesNothing() {
  TempHome home;
  WriteIni(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nShst=1\r\n");
  const std::string before = test::ReadWholeFile(IniPath(home));
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  TForm1 form({kProgram, "-i"}, &prompter, &dialogs);
  form.close();
  QCOMPARE(test::ReadWholeFile(IniPath(home)), before);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Close_complete=Yes"), 1);
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_qtest.moc"
