#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/environment_paths.h"
#include "platform/profile_file.h"
#include "platform/wall_time.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"
#include "support/settings_state.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

using State = test::SettingsState;

TEST(WriteConfigurationTest, DialogKeysComeFromTheDialogAndTheRestFromTheProgram) {
  test::TempTree t;
  State program, dialog;
  // The dialog has unapplied changes under keys of both kinds.
  dialog.criteria.hidden = false;    // "Attr"/"H": the dialog's control
  dialog.app.CustOpt[1] = "*.rs";    // "Cust2": the dialog's control
  dialog.app.LogSave = true;         // "Logs": the program's field
  dialog.criteria.sub_dirs = false;  // "Subd": the main window's box
  program.scan.AutoScan = true;      // "Auto": the live AutoScan
  program.app.tempAutoScan = false;
  RememberedLists lists{{"/a/", "/b/"}, "*.txt", {"*.txt", "*.c"}, "/home/", {"/home/"}};
  program.app.SaveHist = true;
  ProfileFile file(t.Path("k.ini"));
  WriteConfiguration(file, program.targets, dialog.targets, lists, "stamp");
  ASSERT_TRUE(file.Save());

  const ProfileFile back(t.Path("k.ini"));
  EXPECT_EQ(back.Read("Attr", "H"), "0");
  EXPECT_EQ(back.Read("Prefs", "Cust2"), "*.rs");
  EXPECT_EQ(back.Read("Prefs", "Logs"), "0");
  EXPECT_EQ(back.Read("File", "Subd"), "1");
  EXPECT_EQ(back.Read("Prefs", "Auto"), "1");
  EXPECT_EQ(back.Read("Init", "Modified"), "stamp");
  EXPECT_EQ(back.Read("Form", "Swin"), "0");
  EXPECT_EQ(back.Read("Prefs", "Sfav"), "1");
  EXPECT_FALSE(back.Read("Attr", "O").has_value());  // read, never written

  // Every list comes back under its flag.
  EXPECT_EQ(ReadNumberedList(back, kBookmarkKeys, 17).entries, lists.bookmarks);
  const NumberedList history = ReadNumberedList(back, kScanHistoryKeys, 17);
  EXPECT_EQ(history.entries, lists.scan_history);
  EXPECT_EQ(history.current, "*.txt");
  EXPECT_EQ(ReadNumberedList(back, kAddressKeys, 17).entries, lists.addresses);

  // Loading what was saved gives the program's values back.
  State loaded;
  loaded.app.SaveHist = false;
  ReadSettingsKeys(back, loaded.targets);
  EXPECT_FALSE(loaded.criteria.hidden);
  EXPECT_TRUE(loaded.app.tempAutoScan);
  EXPECT_FALSE(loaded.app.LogSave);
  EXPECT_TRUE(loaded.app.SaveHist);
}

TEST(WriteConfigurationTest, ListsOnlyUnderTheirFlagsButAddressSizeAlways) {
  test::TempTree t;
  State s;
  s.app.SaveFav = s.app.SaveHist = s.app.SaveAddr = false;
  s.app.AddressSize = 9;
  ProfileFile file(t.Path("k.ini"));
  WriteConfiguration(file, s.targets, s.targets, {{"/a/"}, "x", {"x"}, "/", {"/"}}, "stamp");
  ASSERT_TRUE(file.Save());
  const ProfileFile back(t.Path("k.ini"));
  EXPECT_FALSE(back.Read("Prefs", "F1txtn").has_value());
  EXPECT_FALSE(back.Read("Prefs", "Scann").has_value());
  EXPECT_FALSE(back.Read("Prefs", "Addrn").has_value());
  EXPECT_EQ(back.Read("Prefs", "AddressSize"), "9");
}

TEST(WriteConfigurationTest, AFailedSaveWritesNothingAtAll) {
  test::TempTree t;
  State s;
  const std::string before = "[Prefs]\r\nLimit=5\r\n";
  std::ofstream(t.Path("k.ini"), std::ios::binary) << before;
  // The disk takes no more than a few bytes (the process's file size limit, which binds root
  // too): the save fails whole and the old file stays as it was.
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(10);
    ProfileFile file(t.Path("k.ini"));
    WriteConfiguration(file, s.targets, s.targets, {}, "stamp");
    const FileResult saved = file.Save();
    std::_Exit(!saved && saved.Error().reason == "File too large" ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(test::ReadWholeFile(t.Path("k.ini")), before);
}

// Two programs saving one settings file at once, again and again: every save succeeds, the
// file is always one whole save, and no temporary file is left.
TEST(WriteConfigurationTest, TwoProgramsSavingAtOnceLeaveOneWholeFile) {
  test::TempTree t;
  const std::string path = t.Path("krellix.ini");
  std::ofstream(path, std::ios::binary) << "[Init]\r\nCreated=x\r\n";
  const auto saver = [&](const std::string& who) {
    for (int round = 0; round < 50; ++round) {
      State s;
      s.app.SaveAddr = true;
      RememberedLists lists;
      for (int i = 0; i < 300; ++i)
        lists.addresses.push_back("/" + who + "/" + std::to_string(i) + "/");
      s.app.AddressSize = 99;
      ProfileFile file(path);
      WriteConfiguration(file, s.targets, s.targets, lists, who + std::to_string(round));
      if (!file.Save()) return 1;
    }
    return 0;
  };
  pid_t pids[2];
  const char* names[2] = {"a", "b"};
  for (int i = 0; i < 2; ++i) {
    pids[i] = ::fork();
    if (pids[i] == 0) std::_Exit(saver(names[i]));
  }
  for (const pid_t pid : pids) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const ProfileFile back(path);
  EXPECT_EQ(test::ReadWholeFile(path), back.Text());
  const std::string last = back.ReadString("Init", "Modified", "");
  ASSERT_TRUE(last == "a49" || last == "b49") << last;
  const NumberedList addresses = ReadNumberedList(back, kAddressKeys, 17);
  ASSERT_EQ(addresses.entries.size(), 99u);
  EXPECT_EQ(addresses.entries[98], "/" + last.substr(0, 1) + "/98/");
  EXPECT_EQ(back.Read("Prefs", "Addr299"), "/" + last.substr(0, 1) + "/299/");
  std::vector<std::string> names_left;
  for (const auto& e : std::filesystem::directory_iterator(t.Root())) {
    names_left.push_back(e.path().filename());
  }
  EXPECT_EQ(names_left, std::vector<std::string>{"krellix.ini"});
}

TEST(ClearKeysTest, DeletesTheEntriesUpToTheLimitAndZeroesTheCount) {
  test::TempTree t;
  ProfileFile file(t.Path("k.ini"));
  WriteNumberedList(file, kScanHistoryKeys, 17, "cur", {"a", "b", "c"});
  WriteNumberedList(file, kBookmarkKeys, 17, "", {"/1/", "/2/", "/3/", "/4/"});
  ClearScanHistoryKeys(file, 2);
  ClearBookmarkKeys(file, 5);
  ASSERT_TRUE(file.Save());
  const ProfileFile back(t.Path("k.ini"));
  EXPECT_FALSE(back.Read("Prefs", "Scan0").has_value());
  EXPECT_FALSE(back.Read("Prefs", "Scan1").has_value());
  EXPECT_EQ(back.Read("Prefs", "Scan2"), "c");  // beyond the limit: lingers, never read
  EXPECT_EQ(back.Read("Prefs", "Scan"), "cur");
  EXPECT_EQ(back.Read("Prefs", "Scann"), "0");
  EXPECT_FALSE(back.Read("Prefs", "F1txt3").has_value());
  EXPECT_FALSE(back.Read("Prefs", "F1txt4").has_value());
  EXPECT_EQ(back.Read("Prefs", "F1txt5"), "/3/");
  EXPECT_EQ(back.Read("Prefs", "F1txtn"), "0");
  EXPECT_TRUE(ReadNumberedList(back, kBookmarkKeys, 17).entries.empty());

  // A limit in the billions visits only the keys there.
  ClearScanHistoryKeys(file, 2000000000);
  ASSERT_TRUE(file.Save());
  EXPECT_FALSE(ProfileFile(t.Path("k.ini")).Read("Prefs", "Scan2").has_value());
}

TEST(BackupNameTest, StampsDateAndTime) {
  const WallMs at = FromCivil({2014, 3, 7, 9, 5, 12, 0});
  EXPECT_EQ(BackupName("/home/u/.config/Krellix/krellix.ini", at),
            "/home/u/.config/Krellix/krellix.ini.20140307-090512.bku");
}

}  // namespace
}  // namespace krellix
