#include "information/information.h"

#include <gtest/gtest.h>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "platform/volume_labels.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

std::vector<std::string> Values(const std::vector<InfoLine>& lines) {
  std::vector<std::string> out;
  for (const InfoLine& l : lines) out.push_back(l.value);
  return out;
}

ScanStatistics StatsOf(const std::vector<ItemFields>& fields) {
  ItemList items;
  for (const ItemFields& f : fields) items.AddItem(f, ItemOrder::kPath);
  return CalcStats(items, FromCivil({2024, 6, 1, 12}));
}

TEST(ItemListInformationTest, UnknownWithoutCountedLines) {
  const LocaleFormat locale;
  const ScanStatistics empty = StatsOf({});
  for (const ScanStatistics* stats : {static_cast<const ScanStatistics*>(nullptr), &empty}) {
    const auto lines = ItemListInformation(stats, locale);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].caption, "Total number of files = ");
    EXPECT_EQ(lines[9].caption, "Oldest file name = ");
    for (const InfoLine& l : lines) EXPECT_EQ(l.value, kUnknownValue) << l.caption;
  }
  // Scan-to-file mode hides even a list that holds lines.
  const ScanStatistics one = StatsOf({{":", "", "/d/", "a", "5", "2020-01-01 00:00"}});
  EXPECT_EQ(ItemListInformation(nullptr, locale)[0].value, kUnknownValue);
  EXPECT_EQ(ItemListInformation(&one, locale)[0].value, "1");
}

TEST(ItemListInformationTest, SizesInKbytesWithSeparatorsAndDecimals) {
  LocaleFormat locale;
  locale.thousands_sep = ".";
  locale.decimal_point = ",";
  const ScanStatistics s = StatsOf({
      {":", "", "/d/", "half.bin", "1536", "2021-03-04 05:06"},
      {":", "", "/d/", "big.bin", "2147483648", "2023-07-08 09:10"},
      {".", "", "/d/", "sub", "0", "2022-01-01 00:00"},
  });
  const std::vector<std::string> expected = {
      "3",
      "2.097.154 Kbytes",  // 2,097,153.5 rounds up
      "0,000 Kbytes",
      "2.097.152,000 Kbytes",
      "/d/sub",
      "/d/big.bin",
      "2021-03-04 05:06",
      "2023-07-08 09:10",
      "/d/big.bin",
      "/d/half.bin",
  };
  EXPECT_EQ(Values(ItemListInformation(&s, locale)), expected);

  const ScanStatistics one = StatsOf({{":", "", "/d/", "half.bin", "1536", "2021-03-04 05:06"}});
  const auto lines = ItemListInformation(&one, LocaleFormat{});
  EXPECT_EQ(lines[1].value, "2 Kbytes");
  EXPECT_EQ(lines[2].value, "1.500 Kbytes");
  EXPECT_EQ(lines[3].value, "1.500 Kbytes");
}

TEST(EnvironmentInformationTest, FieldsInOrderAndDisabledSettingsFile) {
  EnvironmentPaths paths;
  paths.IniName = "/c/krellix.ini";
  paths.OpenWithDir = "/usr/bin/";
  StartupOptions startup;
  startup.StartUpDir = "/opt/krellix/";
  startup.StartUpParm = "krellix -x";

  const OutputNames output{"- File saved on: today", "- ", "/h/scanlist.txt"};
  auto lines = EnvironmentInformation(paths, startup, output);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], (InfoLine{"Output header-1 = ", "- File saved on: today"}));
  EXPECT_EQ(lines[1], (InfoLine{"Output header-2 = ", "- "}));
  EXPECT_EQ(lines[2], (InfoLine{"Output file = ", "/h/scanlist.txt"}));
  EXPECT_EQ(lines[4], (InfoLine{"StartUp Directory =", "/opt/krellix/"}));
  EXPECT_EQ(lines[5], (InfoLine{"StartUp parameters =", "krellix -x"}));
  EXPECT_EQ(lines[8], (InfoLine{" .Ini file =", "/c/krellix.ini"}));
  EXPECT_EQ(lines[13], (InfoLine{"Open with... =", "/usr/bin/"}));

  startup.SkipIni = true;
  lines = EnvironmentInformation(paths, startup, {});
  EXPECT_EQ(lines[8].value, "Disabled");
}

TEST(FileInformationTest, CountAndWholeKbytes) {
  EXPECT_EQ(Values(FileInformation({}, LocaleFormat{})),
            (std::vector<std::string>{"0", "0 KBytes"}));
  EXPECT_EQ(Values(FileInformation({1234, 5678.6}, LocaleFormat{})),
            (std::vector<std::string>{"1,234", "5,679 KBytes"}));
  EXPECT_EQ(FileInformation({}, LocaleFormat{})[1].caption, "Total filesize = ");
}

TEST(DriveInformationTest, LabelAndSpaceOrUnknown) {
  const DriveFacts known{"DATA", 10'737'418'240ull, 1'536ull};
  EXPECT_EQ(DriveInformation(known, LocaleFormat{}),
            (std::vector<InfoLine>{{"Volume = ", "DATA"},
                                   {"Total space = ", "10,485,760 Kbytes"},
                                   {"Free space = ", "1 Kbytes"}}));
  EXPECT_EQ(Values(DriveInformation(DriveFacts{}, LocaleFormat{})),
            (std::vector<std::string>{"unknown", "unknown", "unknown"}));
}

TEST(DriveInformationTest, FactsOfARealFolderAndOfAMissingOne) {
  test::TempTree tree;
  VolumeLabels labels(tree.Path("no-labels"));
  const DriveFacts here = ReadDriveFacts(tree.Root(), tree.Root(), labels);
  ASSERT_TRUE(here.label.has_value());
  EXPECT_EQ(*here.label, "");  // no label links: an unlabelled file system
  ASSERT_TRUE(here.total_bytes && here.free_bytes);
  EXPECT_LE(*here.free_bytes, *here.total_bytes);

  const DriveFacts gone = ReadDriveFacts(tree.Path("gone/"), tree.Path("gone/"), labels);
  EXPECT_FALSE(gone.label || gone.total_bytes || gone.free_bytes);
}

}  // namespace
}  // namespace krellix
