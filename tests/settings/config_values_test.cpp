#include "settings/config_values.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

struct Program {
  AppSettings app;
  ScanState scan;
  SelectionCriteria criteria;
  EnvironmentPaths paths;
  std::vector<std::string> errors, warnings;
  std::string scan_text;
  std::vector<std::string> scan_list;
  int kept_bookmarks = -1;
  bool yes = true;

  ConfigTargets Targets(bool items_empty) {
    ConfigTargets t{app, scan, criteria, paths, items_empty, {}, {}, {}, {}};
    t.show_error = [this](const std::string& s) { errors.push_back(s); };
    t.ask_warning = [this](const std::string& s) {
      warnings.push_back(s);
      return yes;
    };
    t.set_scan_box = [this](const std::string& text, const std::vector<std::string>& list) {
      scan_text = text;
      scan_list = list;
    };
    t.trim_bookmarks = [this](int keep) { kept_bookmarks = keep; };
    return t;
  }
};

// Dialog values that differ from the program's in every step of the apply.
ConfigValues Edited() {
  ConfigValues v;
  v.criteria.hidden = false;
  v.app.LogSave = true;
  v.scan.AutoScan = true;
  v.paths.DefaultDir = "/data/";
  v.item_limit = "250";
  v.stop_intvl = "50";
  v.app.output.Header2 = "mine";
  v.app.AddressSize = 5;
  v.app.HistorySize = 2;
  v.scan_text = "*.c";
  v.scan_list = {"a", "b", "c"};
  v.app.FavouritesSize = 17;
  v.scan.SortOutput = ItemOrder::kSize;
  v.app.output.Quotes = true;
  v.app.output.OutputSep = ";";
  return v;
}

TEST(ApplyConfigValuesTest, AppliesEveryStepAndTrimsTheLists) {
  Program p;
  auto t = p.Targets(true);
  ASSERT_TRUE(ApplyConfigValues(Edited(), t));
  EXPECT_FALSE(p.criteria.hidden);
  EXPECT_TRUE(p.app.LogSave);
  EXPECT_TRUE(p.scan.AutoScan);
  EXPECT_EQ(p.paths.DefaultDir, "/data/");
  EXPECT_EQ(p.scan.ItemLimit, 250);
  EXPECT_EQ(p.scan.StopIntvl, 50);
  EXPECT_EQ(p.app.output.Header2, "mine");
  EXPECT_EQ(p.app.AddressSize, 5);
  EXPECT_EQ(p.scan_text, "*.c");
  EXPECT_EQ(p.scan_list, (std::vector<std::string>{"a", "b"}));
  // 17 menu entries include the three fixed ones.
  EXPECT_EQ(p.kept_bookmarks, 14);
  EXPECT_EQ(p.scan.SortOutput, ItemOrder::kSize);  // an empty item list needs no question
  EXPECT_TRUE(p.warnings.empty());
  EXPECT_TRUE(p.app.output.Quotes);
  EXPECT_EQ(p.app.output.OutputSep, ";");
  EXPECT_TRUE(p.errors.empty());
}

TEST(ApplyConfigValuesTest, AnInvalidNumberStopsAtItsField) {
  struct Case {
    const char* item_limit;
    const char* stop_intvl;
    const char* message;
    int item_limit_after;
  };
  const Case cases[] = {
      {"12a", "50", "''12a'' is not a valid integer value", 10000},
      {"", "50", "'''' is not a valid integer value", 10000},
      {"250", "1.5", "''1.5'' is not a valid integer value", 250},
      {"+-5", "50", "''+-5'' is not a valid integer value", 10000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item_limit);
    Program p;
    ConfigValues v = Edited();
    v.item_limit = c.item_limit;
    v.stop_intvl = c.stop_intvl;
    auto t = p.Targets(true);
    EXPECT_FALSE(ApplyConfigValues(v, t));
    EXPECT_EQ(p.errors, std::vector<std::string>{c.message});
    // Steps before the number fields stay applied, those after are not.
    EXPECT_FALSE(p.criteria.hidden);
    EXPECT_EQ(p.paths.DefaultDir, "/data/");
    EXPECT_EQ(p.scan.ItemLimit, c.item_limit_after);
    EXPECT_EQ(p.app.output.Header2, "- ");
    EXPECT_EQ(p.scan.SortOutput, ItemOrder::kPath);
    EXPECT_EQ(p.kept_bookmarks, -1);
  }
}

TEST(ApplyConfigValuesTest, ANewItemOrderAsksWhenTheListHasLines) {
  for (const bool yes : {true, false}) {
    Program p;
    p.yes = yes;
    auto t = p.Targets(false);
    ASSERT_TRUE(ApplyConfigValues(Edited(), t));
    EXPECT_EQ(p.warnings, std::vector<std::string>{kSortChangeWarning});
    EXPECT_EQ(p.scan.SortOutput, yes ? ItemOrder::kSize : ItemOrder::kPath);
    // The steps after the question run either way.
    EXPECT_TRUE(p.app.output.Quotes);
  }
  // The same order asks nothing.
  Program p;
  ConfigValues v = Edited();
  v.scan.SortOutput = ItemOrder::kPath;
  auto t = p.Targets(false);
  ASSERT_TRUE(ApplyConfigValues(v, t));
  EXPECT_TRUE(p.warnings.empty());
}

TEST(ApplyConfigValuesTest, AnEmptyDefaultDirectoryBecomesTheRoot) {
  Program p;
  ConfigValues v = Edited();
  v.paths.DefaultDir.clear();
  auto t = p.Targets(true);
  ASSERT_TRUE(ApplyConfigValues(v, t));
  EXPECT_EQ(p.paths.DefaultDir, "/");
}

TEST(ResetConfigValuesTest, ResetsWhatTheButtonResetsAndKeepsTheRest) {
  ConfigValues v = Edited();
  v.app.output.SaveCSV = true;
  v.app.SaveDir = true;
  v.criteria.excl_filenames = true;
  v.criteria.min.kbytes = false;
  v.app.CustOpt[0] = "*.md";
  v.app.output.SaveName = "/tmp/out.txt";
  v.paths.OpenWithDir = "/opt/";
  v.app.ComboComp = false;
  v.app.SaveWin = false;
  ResetConfigValues(v, false);
  EXPECT_TRUE(v.criteria.hidden);
  EXPECT_FALSE(v.scan.AutoScan);
  EXPECT_TRUE(v.app.ComboComp);
  EXPECT_TRUE(v.app.SaveWin);
  EXPECT_EQ(v.paths.DefaultDir, "/");
  EXPECT_EQ(v.item_limit, "10000");
  EXPECT_EQ(v.stop_intvl, "1000");
  EXPECT_EQ(v.app.HistorySize, 17);
  EXPECT_EQ(v.app.output.OutputSep, "\t");
  EXPECT_EQ(v.app.output.Header2, "- ");
  EXPECT_EQ(v.scan.SortOutput, ItemOrder::kPath);
  EXPECT_EQ(v.scan_text, "*.*");
  ASSERT_EQ(v.scan_list.size(), 10u);
  EXPECT_EQ(v.scan_list[9], " ");
  // Left as they were.
  EXPECT_TRUE(v.app.output.SaveCSV);
  EXPECT_TRUE(v.app.SaveDir);
  EXPECT_TRUE(v.criteria.excl_filenames);
  EXPECT_FALSE(v.criteria.min.kbytes);
  EXPECT_EQ(v.app.CustOpt[0], "*.md");
  EXPECT_EQ(v.app.output.SaveName, "/tmp/out.txt");
  EXPECT_EQ(v.paths.OpenWithDir, "/opt/");

  ResetConfigValues(v, true);
  EXPECT_EQ(v.scan.SortOutput, ItemOrder::kArrival);
}

}  // namespace
}  // namespace krellix
