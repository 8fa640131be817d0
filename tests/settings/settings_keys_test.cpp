#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "base/environment_paths.h"
#include "platform/profile_file.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"
#include "settings/numbered_list.h"
#include "support/settings_state.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

using State = test::SettingsState;

ProfileFile FileWith(const test::TempTree& t, const std::string& text) {
  std::ofstream(t.Path("k.ini"), std::ios::binary) << text;
  return ProfileFile(t.Path("k.ini"));
}

TEST(SettingsKeysTest, EveryWrittenKeyRoundTrips) {
  test::TempTree t;
  State a;
  a.criteria.any_file = false;
  a.criteria.use_path = true;
  a.criteria.min.kbytes = false;
  a.criteria.logic = ScanLogic::kNot;
  a.criteria.append = true;
  a.app.output.OutputSep = "  ";  // two blanks must come back as they were
  a.app.output.Header2 = "";
  a.app.output.SaveName = "/tmp/out list.txt";
  a.app.confirm.purge_file = false;
  a.app.CustOpt[4] = "*.md";
  a.app.tempAutoScan = false;
  a.app.SkipIntro = true;
  a.scan.ItemLimit = 0x20;
  a.scan.StopIntvl = -1;
  a.scan.SortOutput = ItemOrder::kDate;
  a.paths.DefaultDir = "/data/";
  ProfileFile file(t.Path("w.ini"));
  WriteSettingsKeys(file, a.targets);
  ASSERT_TRUE(file.Save());

  State b;
  ReadSettingsKeys(ProfileFile(t.Path("w.ini")), b.targets);
  EXPECT_FALSE(b.criteria.any_file);
  EXPECT_TRUE(b.criteria.use_path);
  EXPECT_FALSE(b.criteria.min.kbytes);
  EXPECT_TRUE(b.criteria.max.kbytes);
  EXPECT_EQ(b.criteria.logic, ScanLogic::kNot);
  EXPECT_TRUE(b.criteria.append);
  EXPECT_EQ(b.app.output.OutputSep, "  ");
  EXPECT_EQ(b.app.output.Header2, "");
  EXPECT_EQ(b.app.output.SaveName, "/tmp/out list.txt");
  EXPECT_FALSE(b.app.confirm.purge_file);
  EXPECT_EQ(b.app.CustOpt[4], "*.md");
  EXPECT_FALSE(b.app.tempAutoScan);
  EXPECT_TRUE(b.app.SkipIntro);
  EXPECT_EQ(b.scan.ItemLimit, 32);
  EXPECT_EQ(b.scan.StopIntvl, -1);
  EXPECT_EQ(b.scan.SortOutput, ItemOrder::kDate);
  EXPECT_EQ(b.paths.DefaultDir, "/data/");
  // Keys the program only reads are never written.
  EXPECT_FALSE(file.Read("Attr", "O").has_value());
  EXPECT_FALSE(file.Read("Prefs", "ScanIncList").has_value());
}

TEST(SettingsKeysTest, ScanToFileModeLeavesAutoSortAndAppendAlone) {
  test::TempTree t;
  State s;
  s.scan.ScanToFile = true;
  s.scan.SortOutput = ItemOrder::kArrival;
  ReadSettingsKeys(FileWith(t, "[Prefs]\nAuto=0\nIncrScan=1\n[Output]\nSort=S\n"), s.targets);
  EXPECT_TRUE(s.app.tempAutoScan);
  EXPECT_EQ(s.scan.SortOutput, ItemOrder::kArrival);
  EXPECT_FALSE(s.criteria.append);
  ProfileFile out(t.Path("o.ini"));
  WriteSettingsKeys(out, s.targets);
  EXPECT_FALSE(out.Read("Prefs", "Auto").has_value());
  EXPECT_FALSE(out.Read("Output", "Sort").has_value());
}

TEST(SettingsKeysTest, BadValuesKeepTheirTargets) {
  test::TempTree t;
  State s;
  s.paths.DefaultDir = "/docs/";
  s.paths.mruDir = "/mru/";
  ReadSettingsKeys(FileWith(t,
                            "[Prefs]\nLimit=lots\ndDir=\nmDir=/elsewhere/\nOr=0\n"
                            "[Output]\nSort=X\nSep=\n"),
                   s.targets);
  EXPECT_EQ(s.scan.ItemLimit, 10000);
  EXPECT_EQ(s.paths.DefaultDir, "/docs/");  // an empty dDir is ignored
  EXPECT_EQ(s.paths.mruDir, "/mru/");       // mDir is read only with SaveDir on
  EXPECT_EQ(s.criteria.logic, ScanLogic::kOr);
  EXPECT_EQ(s.scan.SortOutput, ItemOrder::kPath);
  EXPECT_EQ(s.app.output.OutputSep, "");  // present and empty reads as empty
}

TEST(SettingsKeysTest, NumbersTheFieldsCannotHoldTakeTheDefaultAndAreLogged) {
  struct Row {
    const char* line;    // under [Prefs]
    int limit, intvl;    // what ItemLimit and StopIntvl become
    const char* logged;  // the report, "" for none
  };
  const Row rows[] = {
      {"Limit=2147483648", 10000, 1000, "Out_of_range=[Prefs] Limit=2147483648"},
      {"Limit=-2147483649", 10000, 1000, "Out_of_range=[Prefs] Limit=-2147483649"},
      {"StpInt=0x80000000", 10000, 1000, "Out_of_range=[Prefs] StpInt=0x80000000"},
      {"StpInt=99999999999999999999", 10000, 1000,
       "Out_of_range=[Prefs] StpInt=99999999999999999999"},
      {"Limit=2147483647", 2147483647, 1000, ""},
      {"Limit=-2147483648", -2147483648, 1000, ""},
      {"StpInt=0x10", 10000, 16, ""},
      {"Limit=12x", 10000, 1000, ""},  // no number at all: the default, silently
  };
  test::TempTree t;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    State s;
    std::vector<std::string> logged;
    ReadSettingsKeys(FileWith(t, std::string("[Prefs]\n") + r.line + "\n"), s.targets, {},
                     [&](const std::string& line) { logged.push_back(line); });
    EXPECT_EQ(s.scan.ItemLimit, r.limit);
    EXPECT_EQ(s.scan.StopIntvl, r.intvl);
    EXPECT_EQ(logged, *r.logged ? std::vector<std::string>{r.logged} : std::vector<std::string>{});
  }
}

TEST(SettingsKeysTest, GarbageFilesReadAndTakeNewKeys) {
  test::TempTree t;
  std::mt19937 random(7);
  const std::string alphabet = "[]=\r\n \t;xPrefsOutputLimitSep0x9\xFF\x80";
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) {
      text += random() % 10 == 0 ? static_cast<char>(random() % 256)
                                 : alphabet[random() % alphabet.size()];
    }
    State s;
    ProfileFile file = FileWith(t, text);
    ReadSettingsKeys(file, s.targets, [](int) {});
    for (const NumberedListKeys* keys : {&kBookmarkKeys, &kScanHistoryKeys, &kAddressKeys}) {
      const NumberedList list = ReadNumberedList(file, *keys, 17);
      EXPECT_LE(list.entries.size(), static_cast<std::size_t>(std::max(0, list.limit)));
    }
    // Whatever was there, a written key reads back, and the file reads the same once saved.
    file.WriteInt("Prefs", "Limit", 42);
    ASSERT_TRUE(file.Save());
    const ProfileFile saved(t.Path("k.ini"));
    EXPECT_EQ(saved.ReadInt("Prefs", "Limit", 0), 42);
    EXPECT_EQ(saved.Text(), file.Text());
  }
}

TEST(SettingsKeysTest, AMissingAppendKeyUnchecksTheBox) {
  test::TempTree t;
  State s;
  s.criteria.append = true;
  s.criteria.hidden = false;
  ReadSettingsKeys(FileWith(t, "[Prefs]\nLimit=5\n"), s.targets);
  EXPECT_FALSE(s.criteria.append);  // "IncrScan" defaults to off, whatever the box held
  EXPECT_FALSE(s.criteria.hidden);  // other keys default to what their target holds
}

TEST(SettingsKeysTest, ListsAreReadBetweenTheirNeighbours) {
  test::TempTree t;
  State s;
  std::vector<int> stages;
  bool save_hist_seen = false;
  ReadSettingsKeys(FileWith(t, "[Prefs]\nShst=1\n"), s.targets, [&](int stage) {
    stages.push_back(stage);
    if (stage == 1) save_hist_seen = s.app.SaveHist;
  });
  EXPECT_EQ(stages, (std::vector<int>{1, 2}));
  EXPECT_TRUE(save_hist_seen);
}

}  // namespace
}  // namespace krellix
