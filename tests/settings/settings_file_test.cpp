#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "app/environment_paths.h"
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
  dialog.criteria.hidden = false;          // "Attr"/"H": the dialog's control
  dialog.app.CustOpt[1] = "*.rs";          // "Cust2": the dialog's control
  dialog.app.LogSave = true;               // "Logs": the program's field
  dialog.criteria.sub_dirs = false;        // "Subd": the main window's box
  program.scan.AutoScan = true;            // "Auto": the live AutoScan
  program.app.tempAutoScan = false;
  RememberedLists lists{{"/a/", "/b/"}, "*.txt", {"*.txt", "*.c"}, "/home/", {"/home/"}};
  program.app.SaveHist = true;
  ProfileFile file(t.Path("k.ini"));
  ASSERT_TRUE(WriteConfiguration(file, program.targets, dialog.targets, lists, "stamp"));

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
  ASSERT_TRUE(WriteConfiguration(file, s.targets, s.targets, {{"/a/"}, "x", {"x"}, "/", {"/"}},
                                 "stamp"));
  const ProfileFile back(t.Path("k.ini"));
  EXPECT_FALSE(back.Read("Prefs", "F1txtn").has_value());
  EXPECT_FALSE(back.Read("Prefs", "Scann").has_value());
  EXPECT_FALSE(back.Read("Prefs", "Addrn").has_value());
  EXPECT_EQ(back.Read("Prefs", "AddressSize"), "9");
}

TEST(WriteConfigurationTest, AFailedWriteReportsFalseAndKeepsTheFile) {
  test::TempTree t;
  State s;
  ProfileFile file(t.Path("no such folder/k.ini"));
  EXPECT_FALSE(WriteConfiguration(file, s.targets, s.targets, {}, "stamp"));
}

TEST(ClearKeysTest, DeletesTheEntriesUpToTheLimitAndZeroesTheCount) {
  test::TempTree t;
  ProfileFile file(t.Path("k.ini"));
  ASSERT_TRUE(WriteNumberedList(file, kScanHistoryKeys, 17, "cur", {"a", "b", "c"}));
  ASSERT_TRUE(WriteNumberedList(file, kBookmarkKeys, 17, "", {"/1/", "/2/", "/3/", "/4/"}));
  ASSERT_TRUE(ClearScanHistoryKeys(file, 2));
  ASSERT_TRUE(ClearBookmarkKeys(file, 5));
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
  ASSERT_TRUE(ClearScanHistoryKeys(file, 2000000000));
  EXPECT_FALSE(ProfileFile(t.Path("k.ini")).Read("Prefs", "Scan2").has_value());
}

TEST(BackupNameTest, StampsDateAndTime) {
  const WallMs at = FromCivil({2014, 3, 7, 9, 5, 12, 0});
  EXPECT_EQ(BackupName("/home/u/.config/Krellix/krellix.ini", at),
            "/home/u/.config/Krellix/krellix.ini.20140307-090512.bku");
}

}  // namespace
}  // namespace krellix
