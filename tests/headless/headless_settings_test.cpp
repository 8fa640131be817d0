#include "headless/headless_settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/activity_log.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

struct Loaded {
  bool read;
  HeadlessSettings s;
  std::vector<std::string> log;
};

Loaded Load(const std::string& ini_text) {
  test::TempTree t;
  const std::string ini = t.Path("krellix.ini");
  std::ofstream(ini, std::ios::binary) << ini_text;
  Clock clock;
  ActivityLog log(clock);
  Loaded l{false, StartingSettings({}, 0), {}};
  l.read = ReadSettingsFile(ini, l.s, log);
  for (const std::string& line : log.Lines()) l.log.push_back(line.substr(20));
  if (!l.log.empty()) {
    EXPECT_EQ(l.log.back(), "Config=" + ini);
  }
  return l;
}

TEST(HeadlessSettingsTest, ReadsAsTheWindowDoesInScanToFileMode) {
  const Loaded l = Load(
      "[Attr]\r\nD=1\r\n[Output]\r\nSort=S\r\nSep=,\r\nTitl=1\r\n"
      "[Prefs]\r\nShst=1\r\nScan=*.log\r\nLimit=5\r\nIncrScan=1\r\nOr=0\r\nNot=1\r\n");
  ASSERT_TRUE(l.read);
  EXPECT_TRUE(l.s.criteria.incl_dir_names);
  EXPECT_EQ(l.s.criteria.scan_text, "*.log");
  EXPECT_EQ(l.s.criteria.logic, ScanLogic::kNot);
  EXPECT_EQ(l.s.state.ItemLimit, 5);
  EXPECT_EQ(l.s.app.output.OutputSep, ",");
  EXPECT_TRUE(l.s.app.output.Titles);
  // Neither the item order nor "Append " is read in scan-to-file mode.
  EXPECT_EQ(l.s.state.SortOutput, ItemOrder::kArrival);
  EXPECT_FALSE(l.s.criteria.append);
}

TEST(HeadlessSettingsTest, StoredScanStringOnlyWithSaveHistoryAndNothingWhenDisabled) {
  const Loaded no_history = Load("[Prefs]\r\nShst=0\r\nScan=*.log\r\n");
  EXPECT_EQ(no_history.s.criteria.scan_text, "*.*");

  const Loaded disabled = Load("[Init]\r\nDisable=1\r\n[File]\r\nSubd=0\r\n");
  EXPECT_FALSE(disabled.read);
  EXPECT_TRUE(disabled.s.criteria.sub_dirs);
  EXPECT_TRUE(disabled.log.empty());
}

}  // namespace
}  // namespace krellix
