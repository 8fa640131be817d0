#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QtTest>
#include <fstream>
#include <functional>

#include "app/main_window.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/scripted_prompter.h"
#include "settings/settings_commands.h"
#include "support/fake_output_dialogs.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::CountStarting;
using krellix::test::LogTexts;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

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
  void listsAndValuesAsStored();
  void storedGeometryComesBackOnScreen();
  void absurdStoredSizesStayWithinTheDesktop();
  void placesOutOfRangeTakeTheDefaultAndAreLogged();
  void resetCriteriaReadsTheFileWhileEnabled();
  void damagedFileReadsWhatItCan();
  void unwritableFolderDisablesTheFile();
  void savedConfigurationComesBackOnTheNextStart();
  void closeDuringAScanWaitsForItsEnd();
  void listSavesFollowTheirOptions();
  void shutdownWritesOnlyUnderItsFlags();
  void everyWayToCloseRunsTheSequence();
  void minimisingWithoutATrayKeepsTheWindow();
  void readOnlySettingsFileAtTheClose();
};

void SettingsWindowTest::firstStartCreatesTheFile() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  const ProfileFile ini(test::SettingsFilePath(home));
  QCOMPARE(ini.Read("Init", "Version"), std::optional<std::string>("Krellix Version 1.2.2 "));
  QVERIFY(ini.Read("Init", "Created").has_value());
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(Picked(log, {"Config_created=", "Config="}),
           (std::vector<std::string>{"Config_created=", "Config="}));
  QCOMPARE(CountStarting(log, "Config=" + test::SettingsFilePath(home)), 1);
  QVERIFY(form.State().AutoScan);
}

void SettingsWindowTest::storedSettingsComeBackAndDisableStopsReading() {
  TempHome home;
  test::WriteSettingsFile(
      home,
      "[Init]\r\nCreated=yesterday\r\n[Attr]\r\nY=0\r\n[Output]\r\nSort=S\r\nSep=  \r\n"
      "[Prefs]\r\nAuto=0\r\nShst=1\r\nScann=2\r\nScan=*.md\r\nScan0=*.md\r\nScan1=*.rs\r\n"
      "F1txtn=1\r\nF1txt3=/bookmarked/\r\nLimit=0x10\r\n");
  {
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    MainWindow form({kProgram}, &prompter, &dialogs);
    QVERIFY(!form.Criteria().any_file);
    QCOMPARE(form.State().SortOutput, ItemOrder::kSize);
    QCOMPARE(form.Settings().output.OutputSep, std::string("  "));
    QVERIFY(!form.State().AutoScan);
    QCOMPARE(form.State().ItemLimit, 16);
    QCOMPARE(form.Criteria().scan_text, std::string("*.md"));
    QCOMPARE(form.History().Entries(), (std::vector<std::string>{"*.md", "*.rs"}));
    QCOMPARE(form.BookmarkList().Entries(), (std::vector<std::string>{"/bookmarked/"}));
  }
  test::WriteSettingsFile(home, "[Init]\r\nDisable=1\r\n[Attr]\r\nY=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  QVERIFY(form.Criteria().any_file);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Config="), 0);
}

void SettingsWindowTest::shutdownWritesListsHistoriesAndDirectory() {
  TempHome home;
  home.tree.Dir("place");
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nShst=1\r\nSdir=1\r\nLogs=1\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  QVERIFY(form.SetTreeDirectory(home.tree.Path("place")));
  form.close();

  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(Picked(log, {"Closing_down=", "Include_list_saved=", "Exclude_list_saved=",
                        "File_list_saved=", "Bookmarks_saved=", "History_saved=", "Address saved",
                        "Directory_saved=", "Close_complete="}),
           (std::vector<std::string>{"Closing_down=", "Include_list_saved=", "Exclude_list_saved=",
                                     "File_list_saved=", "Bookmarks_saved=", "History_saved=",
                                     "Address saved", "Directory_saved=", "Close_complete="}));
  const ProfileFile ini(test::SettingsFilePath(home));
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
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nShst=1\r\n");
  const std::string before = test::ReadWholeFile(test::SettingsFilePath(home));
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.close();
  QCOMPARE(test::ReadWholeFile(test::SettingsFilePath(home)), before);
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Close_complete=Yes"), 1);
  // The list files are written all the same.
  QVERIFY(FileExists(home.tree.Path(".config/Krellix/filelist.txt")));
  QVERIFY(FileExists(home.tree.Path(".config/Krellix/inclist.txt")));
}

void SettingsWindowTest::listSavesFollowTheirOptions() {
  TempHome home;
  test::WriteSettingsFile(
      home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\nSinc=0\r\nSexc=1\r\nSflst=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  form.close();
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(log, "Include_list_saved="), 0);
  QCOMPARE(CountStarting(log, "Exclude_list_saved="), 1);
  QCOMPARE(CountStarting(log, "File_list_saved="), 0);
  QVERIFY(!FileExists(home.tree.Path(".config/Krellix/filelist.txt")));
  QVERIFY(!FileExists(home.tree.Path(".config/Krellix/inclist.txt")));
  QVERIFY(FileExists(home.tree.Path(".config/Krellix/exclist.txt")));
}

void SettingsWindowTest::listsAndValuesAsStored() {
  TempHome home;
  // "Shst" off: the stored scan strings stay unread; an empty "Sep" is an empty delimiter; "-"
  // leaves the item list unsorted.
  test::WriteSettingsFile(
      home,
      "[Init]\r\nCreated=x\r\n[Output]\r\nSep=\r\nSort=-\r\n[Prefs]\r\nShst=0\r\n"
      "Scan=*.md\r\nScann=1\r\nScan0=*.md\r\nAuto=0\r\nF1txtn=30\r\nFav1=5\r\n"
      "F1txt3=/a/\r\nF1txt4=\r\nF1txt5=/c/\r\nF1txt6=/d/\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  QCOMPARE(form.Criteria().scan_text, std::string("*.*"));
  QCOMPARE(form.History().Entries().size(), std::size_t{10});
  QCOMPARE(form.Settings().output.OutputSep, std::string());
  QCOMPARE(form.State().SortOutput, ItemOrder::kArrival);
  QVERIFY(!form.Items().Sorted());
  // The count is capped at the limit (5: indexes 3 to 7), and the empty entry is passed over.
  QCOMPARE(form.BookmarkList().Entries(), (std::vector<std::string>{"/a/", "/c/", "/d/"}));
}

void SettingsWindowTest::storedGeometryComesBackOnScreen() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  struct Case {
    int left, top;
    int want_left, want_top;
  };
  const Case cases[] = {
      {screen.width() + 500, 20, screen.width() - 400, 20},
      {-50, screen.height() + 1, -50, screen.height() - 300},
      {30, 40, 30, 40},
  };
  for (const Case& c : cases) {
    TempHome home;
    test::WriteSettingsFile(
        home, "[Init]\r\nCreated=x\r\n[Form]\r\nSwin=1\r\nWinL=" + std::to_string(c.left) +
                  "\r\nWinT=" + std::to_string(c.top) +
                  "\r\nWinW=400\r\nWinH=300\r\n[Form10]\r\nWinT=7\r\nWinL=8\r\nWinH=200\r\n"
                  "WinW=250\r\n[Prefs]\r\nAuto=0\r\n");
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    MainWindow form({kProgram}, &prompter, &dialogs);
    QCOMPARE(form.geometry(), QRect(c.want_left, c.want_top, 400, 300));
    // The dialogs' places default to the main window's as stored; the "Form10" keys set theirs.
    QVERIFY((form.Settings().Form8 == WindowPlace{c.top, c.left, 300, 400}));
    QVERIFY((form.Settings().Form10 == WindowPlace{7, 8, 200, 250}));
    // "Reset selection criteria" reads the file again but leaves the window where it is.
    form.move(5, 6);
    form.Actions().reset_criteria->trigger();
    QCOMPARE(form.geometry().topLeft(), QPoint(5, 6));
  }
}

void SettingsWindowTest::absurdStoredSizesStayWithinTheDesktop() {
  const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
  TempHome home;
  test::WriteSettingsFile(home,
                          "[Init]\r\nCreated=x\r\n[Form]\r\nSwin=1\r\nWinL=0\r\nWinT=0\r\n"
                          "WinW=100000000\r\nWinH=-5\r\n[Prefs]\r\nAuto=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  QVERIFY(form.width() <= desktop.width());
  QVERIFY(form.height() > 0 && form.height() <= desktop.height());
}

void SettingsWindowTest::placesOutOfRangeTakeTheDefaultAndAreLogged() {
  const QRect desk = QGuiApplication::primaryScreen()->virtualGeometry();
  TempHome home;
  test::WriteSettingsFile(home,
                          "[Init]\r\nCreated=x\r\n[Form]\r\nSwin=1\r\nWinL=30\r\n"
                          "WinT=-2147483648\r\nWinW=400\r\nWinH=2147483648\r\n"
                          "Split=-7\r\n[Form10]\r\nWinT=7\r\nWinL=" +
                              std::to_string(desk.right() + 2 * desk.width()) +
                              "\r\nWinH=200\r\nWinW=250\r\n[Prefs]\r\nAuto=0\r\n"
                              "Limit=2147483648\r\nAddressSize=100\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow unplaced({kProgram, "-i"}, &prompter, &dialogs);  // where a window goes by default
  MainWindow form({kProgram}, &prompter, &dialogs);
  // Each damaged value took its default: the window is as high as by default, at the
  // default top, and the "Bookmarks" dialog's left is the main window's.
  QCOMPARE(form.geometry(), QRect(30, unplaced.geometry().top(), 400, unplaced.height()));
  QVERIFY(form.height() > 1);
  QVERIFY((form.Settings().Form10 == WindowPlace{7, 30, 200, 250}));
  QCOMPARE(form.State().ItemLimit, 10000);
  QCOMPARE(form.Settings().AddressSize, 17);
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(Picked(log, {"Out_of_range="}), std::vector<std::string>(6, "Out_of_range="));
  for (const std::string line :
       {"Out_of_range=[Form] WinT=-2147483648", "Out_of_range=[Form] WinH=2147483648",
        "Out_of_range=[Form] Split=-7", "Out_of_range=[Prefs] Limit=2147483648",
        "Out_of_range=[Prefs] AddressSize=100"}) {
    QCOMPARE(CountStarting(log, line), 1);
  }
  QCOMPARE(CountStarting(log, "Out_of_range=[Form10] WinL="), 1);
}

void SettingsWindowTest::resetCriteriaReadsTheFileWhileEnabled() {
  for (const bool enabled : {true, false}) {
    TempHome home;
    test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Attr]\r\nH=0\r\n[Prefs]\r\nAuto=0\r\n");
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    std::vector<std::string> args{kProgram};
    if (!enabled) args.push_back("-i");
    MainWindow form(args, &prompter, &dialogs);
    form.Criteria().hidden = !form.Criteria().hidden;
    form.Criteria().use_path = true;
    form.Actions().reset_criteria->trigger();
    // The file's criteria while it is enabled, the built-in ones while it is not.
    QCOMPARE(form.Criteria().hidden, !enabled);
    QVERIFY(!form.Criteria().use_path);
  }
}

void SettingsWindowTest::damagedFileReadsWhatItCan() {
  TempHome home;
  std::string text =
      "garbage line without equals\n[Attr\nY=1\n[attr]\nY=0\nY=1\n[Prefs]\nLimit=12x\n"
      "StpInt=0x\n";
  text += std::string("Hdr2=") + '\0' + "\xff\xfe bytes\r\n";
  text += "Arch=" + std::string(10 * 1024 * 1024, 'x') + "\n";
  text += "[Output]\nHdr2=last\nDate=0";  // no final line end
  test::WriteSettingsFile(home, text);
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  QVERIFY(!form.Criteria().any_file);       // the first of duplicate keys
  QCOMPARE(form.State().ItemLimit, 10000);  // not a number: the default
  QCOMPARE(form.State().StopIntvl, 1000);
  QCOMPARE(form.Settings().output.SaveName.size(), std::size_t{2047});
  QCOMPARE(form.Settings().output.Header2, std::string("last"));
  QVERIFY(!form.Settings().output.ListDate);
  QVERIFY(!form.Startup().SkipIni);
}

void SettingsWindowTest::unwritableFolderDisablesTheFile() {
  TempHome home;
  // A file where the settings folder belongs: nothing can be created there, even by root.
  home.tree.Dir(".config");
  std::ofstream(home.tree.Path(".config/Krellix"), std::ios::binary) << "in the way";
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  const std::string ini = form.Paths().IniName;
  QVERIFY(form.Startup().SkipIni);
  QVERIFY(!prompter.messages.empty());
  QCOMPARE(prompter.messages.front().text, "Unable to write to " + ini + " (Not a directory)");
  const auto before = prompter.messages.size();
  form.close();
  QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "Close_complete=Yes"), 1);
  // Nothing more to say at the close: the disabled file is left alone.
  for (std::size_t i = before; i < prompter.messages.size(); ++i) {
    QVERIFY(prompter.messages[i].text.rfind("Cannot access: ", 0) != 0);
  }
}

void SettingsWindowTest::savedConfigurationComesBackOnTheNextStart() {
  TempHome home;
  home.tree.Dir("start");
  ConfigValues saved;
  {
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    MainWindow form({kProgram}, &prompter, &dialogs);
    AppSettings& a = form.Settings();
    a.HistorySize = 9;
    a.FavouritesSize = 12;
    a.AddressSize = 5;
    OutputOptions& o = a.output;
    o.SaveName = "/tmp/other.csv";
    o.OutputSep = "\t;";
    o.Quotes = o.Titles = o.SaveCSV = o.ListScan = o.OutFileAppend = true;
    o.Headers = o.Statistics = o.ListVolume = o.ListPath = o.GluePath = o.ListSize = false;
    o.ListDate = o.OutFilePrompt = false;
    o.Header2 = "";
    a.PrintReport = false;
    a.PrintList = true;
    a.ShowHints = a.ShowRename = a.SysTray = true;
    a.ShowPreview = false;
    a.SaveWin = a.SaveDir = a.SaveHist = a.LogSave = a.RememberRename = true;
    a.SaveIncList = a.SaveFileList = a.SaveExcList = false;
    a.SkipIntro = a.ComboComp = a.ComboSort = true;
    a.confirm.purge_file = a.confirm.delete_file = a.confirm.rename_file = false;
    a.confirm.preview_rename_file = a.confirm.attrib_file = false;
    a.CustOpt = {"*.1", "*.2", "", "*.4", "*.5"};
    SelectionCriteria& c = form.Criteria();
    c.any_file = c.normal = c.system = c.hidden = c.read_only = c.archive = false;
    c.incl_dir_names = c.volume_id = c.use_path = true;
    c.use_name = c.use_ext = c.sub_dirs = c.ignore_case = false;
    c.min.kbytes = false;
    c.logic = ScanLogic::kAnd;
    c.append = true;
    ScanState& s = form.State();
    s.ItemLimit = 77;
    s.StopIntvl = 5;
    s.ShowProgress = s.RetrieveVolumename = s.TrackHist = false;
    s.ResetScanString = true;
    s.SortOutput = ItemOrder::kDate;
    s.AutoScan = false;
    QVERIFY(form.SetTreeDirectory(home.tree.Path("start")));
    saved = form.Configuration().CurrentValues();
    saved.paths.DefaultDir = home.tree.Path("start/");
    form.Configuration().ActivateSettings(saved);
    form.Configuration().SaveSettings(form.Paths().IniName, saved);
    QCOMPARE(CountStarting(LogTexts(form.Log().Lines()), "SavedConfiguration="), 1);
    saved = form.Configuration().CurrentValues();
    // Dialogs never shown are stored at the main window's place.
    const QRect g = form.geometry();
    saved.app.Form8 = saved.app.Form10 = WindowPlace{g.top(), g.left(), g.height(), g.width()};
    form.close();
  }
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  ConfigValues loaded = form.Configuration().CurrentValues();
  // What the file never keeps starts afresh in every run.
  loaded.app.tempAutoScan = saved.app.tempAutoScan;
  loaded.criteria.min.text = saved.criteria.min.text;
  loaded.criteria.modified = saved.criteria.modified;
  loaded.criteria.created = saved.criteria.created;
  QVERIFY(loaded.app == saved.app);
  QVERIFY(loaded.criteria == saved.criteria);
  QCOMPARE(loaded.item_limit, std::string("77"));
  QCOMPARE(loaded.stop_intvl, std::string("5"));
  QCOMPARE(loaded.scan.SortOutput, ItemOrder::kDate);
  QVERIFY(!loaded.scan.ShowProgress && !loaded.scan.RetrieveVolumename && !loaded.scan.TrackHist);
  QVERIFY(loaded.scan.ResetScanString && !loaded.scan.AutoScan);
  QCOMPARE(loaded.paths.DefaultDir, home.tree.Path("start/"));
  QCOMPARE(form.TreeDirectory(), home.tree.Path("start"));
  QCOMPARE(loaded.scan_list, saved.scan_list);
}

void SettingsWindowTest::closeDuringAScanWaitsForItsEnd() {
  TempHome home;
  for (int i = 0; i < 5; ++i) home.tree.File("d" + std::to_string(i) + "/f.txt");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.show();
  form.State().StopIntvl = 1;
  bool closed_during_run = false;
  prompter.on_process_events = [&] {
    if (closed_during_run) return;
    closed_during_run = true;
    QVERIFY(!form.close());  // refused for now: the run is still inside this window's code
  };
  form.Actions().scan->trigger();
  QVERIFY(closed_during_run);
  QTRY_VERIFY(!form.isVisible());
  // The run ended first (stopped), then the close sequence ran once.
  const auto log = LogTexts(form.Log().Lines());
  const auto stopped = std::find_if(log.begin(), log.end(), [](const std::string& t) {
    return t.rfind("Scan stopped at user request", 0) == 0;
  });
  const auto closing = std::find(log.begin(), log.end(), "Closing_down=Yes");
  QVERIFY(stopped != log.end());
  QVERIFY(closing != log.end() && closing > stopped);
  QCOMPARE(CountStarting(log, "Close_complete=Yes"), 1);
}

void SettingsWindowTest::shutdownWritesOnlyUnderItsFlags() {
  struct Case {
    const char* flag;    // the one option turned on
    const char* key;     // a key written only under it
    const char* logged;  // its log line
  };
  const Case cases[] = {
      {"Swin", "WinW", "Window_position_saved=Yes"}, {"Sfav", "F1txtn", "Bookmarks_saved=Yes"},
      {"Shst", "Scann", "History_saved=Yes"},        {"SaveAddr", "Addrn", "Address saved"},
      {"Sdir", "mDir", "Directory_saved=Yes"},
  };
  for (const Case& c : cases) {
    TempHome home;
    auto flag = [&](const char* name) {
      return std::string(name) + "=" + (std::string(name) == c.flag ? "1" : "0") + "\r\n";
    };
    test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Form]\r\n" + flag("Swin") +
                                      "[Prefs]\r\nAuto=0\r\n" + flag("Sfav") + flag("Shst") +
                                      flag("SaveAddr") + flag("Sdir"));
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    MainWindow form({kProgram}, &prompter, &dialogs);
    form.close();
    const std::string text = test::ReadWholeFile(test::SettingsFilePath(home));
    const auto log = LogTexts(form.Log().Lines());
    for (const Case& other : cases) {
      const bool on = &other == &c;
      QCOMPARE(text.find(std::string("\r\n") + other.key + "=") != std::string::npos, on);
      QCOMPARE(CountStarting(log, other.logged), on ? 1 : 0);
    }
  }
}

void SettingsWindowTest::everyWayToCloseRunsTheSequence() {
  const std::vector<std::pair<const char*, std::function<void(MainWindow&)>>> ways = {
      {"close box", [](MainWindow& f) { f.close(); }},
      {"E&xit", [](MainWindow& f) { f.Actions().exit->trigger(); }},
      {"Exit (Alt+F4)", [](MainWindow& f) { f.Actions().exit_button->trigger(); }},
      {"Alt+F4", [](MainWindow& f) { QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier); }},
      {"tray Exit",
       [](MainWindow& f) {
         for (QAction* a : f.TrayMenu()->actions()) {
           if (a->text() == "Exit") a->trigger();
         }
       }},
  };
  for (const auto& [name, way] : ways) {
    TempHome home;
    ScriptedPrompter prompter;
    test::FakeOutputDialogs dialogs;
    MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    way(form);
    QVERIFY2(!form.isVisible(), name);
    QVERIFY2(CountStarting(LogTexts(form.Log().Lines()), "Close_complete=Yes") == 1, name);
  }
}

void SettingsWindowTest::minimisingWithoutATrayKeepsTheWindow() {
  TempHome home;
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram, "-i"}, &prompter, &dialogs);
  form.Settings().SysTray = true;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.showMinimized();
  QCoreApplication::processEvents();
  // The offscreen platform has no notification area: hiding the window would lose it.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) QVERIFY(form.isVisible());
  QStringList captions;
  for (QAction* a : form.TrayMenu()->actions()) captions << a->text();
  QCOMPARE(captions, (QStringList{"Restore", "Exit"}));
}

void SettingsWindowTest::readOnlySettingsFileAtTheClose() {
  if (::geteuid() == 0) QSKIP("permissions do not bind root");
  TempHome home;
  test::WriteSettingsFile(home, "[Init]\r\nCreated=x\r\n[Prefs]\r\nAuto=0\r\n");
  ScriptedPrompter prompter;
  test::FakeOutputDialogs dialogs;
  MainWindow form({kProgram}, &prompter, &dialogs);
  const std::string folder = home.tree.Path(".config/Krellix");
  const std::string before = test::ReadWholeFile(test::SettingsFilePath(home));
  QCOMPARE(::chmod(test::SettingsFilePath(home).c_str(), 0444), 0);
  QCOMPARE(::chmod(folder.c_str(), 0555), 0);
  form.close();
  ::chmod(folder.c_str(), 0755);
  QVERIFY(test::WasShown(
      prompter, "Cannot access: " + test::SettingsFilePath(home) + " (Permission denied)"));
  const auto log = LogTexts(form.Log().Lines());
  QCOMPARE(CountStarting(log, "Cannot access: "), 1);
  QCOMPARE(CountStarting(log, "Close_complete=Yes"), 1);
  QCOMPARE(test::ReadWholeFile(test::SettingsFilePath(home)), before);
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_qtest.moc"
