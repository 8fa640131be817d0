#include "itemlist/item_entry.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

const ItemFields kReport{":", "DATA", "/work/", "report.txt", "1234", "2014-03-07 09:05"};

// The fields of a line read back through the layout its builder gave.
ItemFields Back(const ItemFields& f, ItemOrder order) {
  ItemLayout layout;
  const std::string line = BuildItemEntry(f, order, &layout);
  return ItemFieldsOf(line, layout).ToFields();
}

TEST(ItemEntryTest, LinesInEveryOrderParseBack) {
  struct Row {
    ItemOrder order;
    const char* line;
  };
  const Row rows[] = {
      {ItemOrder::kPath, ": | DATA | /work/ | report.txt | 1234 | 2014-03-07 09:05"},
      {ItemOrder::kArrival, ": | DATA | /work/ | report.txt | 1234 | 2014-03-07 09:05"},
      {ItemOrder::kFile, ": | DATA | report.txt | 1234 | 2014-03-07 09:05 | /work/"},
      {ItemOrder::kSize, ": | DATA | 000000001234 | /work/ | report.txt | 2014-03-07 09:05"},
      {ItemOrder::kDate, ": | DATA | 2014-03-07 09:05 | /work/ | report.txt | 1234"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(LetterOf(row.order));
    ItemLayout layout;
    EXPECT_EQ(BuildItemEntry(kReport, row.order, &layout), row.line);
    EXPECT_EQ(layout.order, row.order);
    const ItemFieldViews views = ItemFieldsOf(row.line, layout);
    ItemFields back = views.ToFields();
    if (row.order == ItemOrder::kSize) {
      EXPECT_EQ(back.Size, "000000001234");  // the size comes back as stored
      back.Size = kReport.Size;
    }
    EXPECT_EQ(back, kReport);
    EXPECT_EQ(views.Filename(), "/work/report.txt");
  }
}

TEST(ItemEntryTest, SizePaddingOnlyBelowTwelveDigits) {
  ItemFields big = kReport;
  big.Size = "1000000000000";
  EXPECT_EQ(Back(big, ItemOrder::kSize).Size, "1000000000000");
  big.Size = "0";
  EXPECT_EQ(Back(big, ItemOrder::kSize).Size, "000000000000");
}

TEST(ItemEntryTest, FieldsHoldingTheSeparatorComeBackWhole) {
  const ItemFields f{":", "A | B", "/a | b/ | c/", " | x | .txt", "7", "2024-01-01 00:00"};
  for (const ItemOrder order : {ItemOrder::kPath, ItemOrder::kFile, ItemOrder::kDate})
    EXPECT_EQ(Back(f, order), f) << LetterOf(order);
}

TEST(ItemEntryTest, OnlyTheFiveLettersAreOrdersAndBadLayoutsStayInTheLine) {
  for (const char letter : {'P', '-', 'F', 'S', 'D'}) {
    ASSERT_TRUE(ItemOrderOf(letter).has_value()) << letter;
    EXPECT_EQ(LetterOf(*ItemOrderOf(letter)), letter);
  }
  for (const char letter : {'X', 'p', ' ', '\0'}) EXPECT_FALSE(ItemOrderOf(letter)) << letter;
  // Lengths beyond the line are cut to it.
  ItemLayout bad;
  bad.lengths = {1, 100, 100, 100, 100};
  const ItemFieldViews f = ItemFieldsOf(": | V", bad);
  EXPECT_EQ(f.Attr, ":");
  EXPECT_EQ(f.Vol, "V");
  EXPECT_EQ(f.Path, "");
  // A stored order byte that is no order reads the fields in the Path order, still within
  // the line.
  bad.order = static_cast<ItemOrder>('X');
  EXPECT_EQ(ItemFieldsOf(": | V", bad).Vol, "V");
}

TEST(ItemEntryTest, NonUtf8NamesSurviveTheRoundTrip) {
  ItemFields f = kReport;
  f.File = "caf\xe9\xff.txt";
  EXPECT_EQ(Back(f, ItemOrder::kPath), f);
}

TEST(ItemEntryTest, FilenameOnlyCutsAtFirstExtensionOccurrence) {
  struct Row {
    const char* path;
    const char* name;
    const char* ext;
  };
  for (const Row& r :
       {Row{"/a/report.txt", "report", ".txt"}, Row{"/a/archive.tar.gz", "archive.tar", ".gz"},
        Row{"/a/notes.txt.bak.txt", "notes", ".txt"}, Row{"/a.b/README", "README", ""},
        Row{"/a/.bashrc", "", ".bashrc"}}) {
    EXPECT_EQ(GetFilenameOnly(r.path), r.name) << r.path;
    EXPECT_EQ(ExtensionOf(r.path), r.ext) << r.path;
  }
}

}  // namespace
}  // namespace krellix
