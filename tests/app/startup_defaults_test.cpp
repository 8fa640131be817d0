#include "app/startup_defaults.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

TEST(ApplyBuiltInDefaults, RestoresEveryChangedPreference) {
  AppSettings s;
  s.HistorySize = 3;
  s.output.OutputSep = ",";
  s.ShowPreview = false;
  s.tempAutoScan = false;
  s.confirm.attrib_file = false;
  s.CustOpt[2] = "mine";
  ScanState st;
  st.ItemLimit = 5;
  st.StopIntvl = 1;
  st.SortOutput = ItemOrder::kDate;
  st.AutoScan = true;

  ApplyBuiltInDefaults(s, st);

  EXPECT_EQ(s.HistorySize, 17);
  EXPECT_EQ(s.output.OutputSep, "\t");
  EXPECT_TRUE(s.ShowPreview);
  EXPECT_TRUE(s.tempAutoScan);
  EXPECT_TRUE(s.confirm.attrib_file);
  EXPECT_EQ(s.CustOpt, DefaultCustomScanStrings());
  EXPECT_EQ(st.ItemLimit, 10000);
  EXPECT_EQ(st.StopIntvl, 1000);
  EXPECT_EQ(st.SortOutput, ItemOrder::kPath);
  // AutoScan comes on only once the settings are loaded.
  EXPECT_FALSE(st.AutoScan);
}

TEST(ApplyBuiltInDefaults, ScanToFileModeKeepsTheListUnsorted) {
  AppSettings s;
  ScanState st;
  st.ScanToFile = true;
  ApplyBuiltInDefaults(s, st);
  EXPECT_TRUE(st.ScanToFile);
  EXPECT_EQ(st.SortOutput, ItemOrder::kArrival);
}

TEST(DefaultScanStrings, StartWithEverythingAndAreDistinct) {
  const auto& strings = DefaultScanStrings();
  ASSERT_EQ(strings.size(), 10u);
  EXPECT_EQ(strings.front(), "*.*");
  for (std::size_t i = 0; i < strings.size(); ++i) {
    for (std::size_t j = i + 1; j < strings.size(); ++j) EXPECT_NE(strings[i], strings[j]);
  }
}

}  // namespace
}  // namespace krellix
