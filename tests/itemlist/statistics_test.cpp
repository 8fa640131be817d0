#include "itemlist/statistics.h"

#include <gtest/gtest.h>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"

namespace krellix {
namespace {

const WallMs kToday = FromCivil({2024, 6, 1, 12, 0, 0, 0});

TEST(CalcStatsTest, EmptyListKeepsTheStartValues) {
  ItemList items;
  const ScanStatistics s = CalcStats(items, kToday);
  EXPECT_EQ(s.TotalFiles, 0);
  EXPECT_EQ(s.SmallestSize, ScanStatistics::kNoSmallest);
  EXPECT_EQ(s.LargestSize, -1);
  EXPECT_EQ(s.OldestDate, "2024-06-01");
  EXPECT_EQ(s.YoungestDate, "0000-00-00");
}

TEST(CalcStatsTest, OneDirectoryLine) {
  ItemList items;
  items.AddItem({".", "", "/d/", "sub", "0", "2024-01-01 10:00"}, ItemOrder::kPath);
  const ScanStatistics s = CalcStats(items, kToday);
  EXPECT_EQ(s.TotalFiles, 1);
  EXPECT_EQ(s.TotalSize, 0);
  EXPECT_EQ(s.SmallestSize, 0);
  EXPECT_EQ(s.LargestSize, 0);
  EXPECT_EQ(s.SmallestName, "/d/sub");
  EXPECT_EQ(s.LargestName, "/d/sub");
}

TEST(CalcStatsTest, ExtremesTiesAndNonNumericLines) {
  ItemList items;
  items.SetSorted(false);
  items.AddItem({":", "", "/d/", "a", "1536", "2024-03-01 10:00"}, ItemOrder::kSize);
  items.Add("Scan stopped at user request");
  items.AddItem({":", "", "/d/", "b", "1536", "2023-01-01 10:00"}, ItemOrder::kSize);
  items.AddItem({":", "", "/d/", "c", "512", "2024-06-01 08:00"}, ItemOrder::kSize);
  items.AddItem({":", "", "/d/", "d", "512", "2024-03-01 10:00"}, ItemOrder::kSize);
  const ScanStatistics s = CalcStats(items, kToday);
  EXPECT_EQ(s.TotalFiles, 4);
  EXPECT_DOUBLE_EQ(s.TotalSize, 4.0);
  EXPECT_DOUBLE_EQ(s.LargestSize, 1.5);
  EXPECT_EQ(s.LargestName, "/d/a");  // tie: the earlier line
  EXPECT_DOUBLE_EQ(s.SmallestSize, 0.5);
  EXPECT_EQ(s.SmallestName, "/d/c");
  EXPECT_EQ(s.OldestDate, "2023-01-01 10:00");
  EXPECT_EQ(s.OldestName, "/d/b");
  EXPECT_EQ(s.YoungestDate, "2024-06-01 08:00");
  EXPECT_EQ(s.YoungestName, "/d/c");
}

TEST(CalcStatsTest, ALineDatedTodayIsNeverTheOldest) {
  ItemList items;
  items.AddItem({":", "", "/d/", "a", "1", "2024-06-01 00:01"}, ItemOrder::kPath);
  const ScanStatistics s = CalcStats(items, kToday);
  EXPECT_EQ(s.OldestDate, "2024-06-01");
  EXPECT_EQ(s.OldestName, "");
  EXPECT_EQ(s.YoungestName, "/d/a");
}

}  // namespace
}  // namespace krellix
