#include "scan/item_entry.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

const ItemFields kReport{":", "DATA", "/work/", "report.txt", "1234", "2014-03-07 09:05"};

TEST(ItemEntryTest, LinesInEveryOrderParseBack) {
  struct Row {
    char order;
    const char* line;
  };
  const Row rows[] = {
      {'P', ": | DATA | /work/ | report.txt | 1234 | 2014-03-07 09:05"},
      {'-', ": | DATA | /work/ | report.txt | 1234 | 2014-03-07 09:05"},
      {'F', ": | DATA | report.txt | 1234 | 2014-03-07 09:05 | /work/"},
      {'S', ": | DATA | 000000001234 | /work/ | report.txt | 2014-03-07 09:05"},
      {'D', ": | DATA | 2014-03-07 09:05 | /work/ | report.txt | 1234"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.order);
    EXPECT_EQ(BuildItemEntry(kReport, row.order), row.line);
    ItemFields back = GetItemListFields(row.line, row.order);
    if (row.order == 'S') {
      EXPECT_EQ(back.Size, "000000001234");  // the size comes back as stored
      back.Size = kReport.Size;
    }
    EXPECT_EQ(back, kReport);
    EXPECT_EQ(GetItemListFilename(row.line, row.order), "/work/report.txt");
    EXPECT_EQ(GetItemListFiledate(row.line, row.order), "2014-03-07 09:05");
    EXPECT_EQ(GetItemListAttr(row.line, row.order), ":");
  }
}

TEST(ItemEntryTest, SizePaddingOnlyBelowTwelveDigits) {
  ItemFields big = kReport;
  big.Size = "1000000000000";
  EXPECT_EQ(GetItemListFields(BuildItemEntry(big, 'S'), 'S').Size, "1000000000000");
  big.Size = "0";
  EXPECT_EQ(GetItemListFields(BuildItemEntry(big, 'S'), 'S').Size, "000000000000");
}

TEST(ItemEntryTest, ShortOrUnknownLinesGiveEmptyFields) {
  EXPECT_EQ(GetItemListFields("Scan cancelled", 'P').Attr, "Scan cancelled");
  EXPECT_EQ(GetItemListFields("Scan cancelled", 'P').File, "");
  const ItemFields f = GetItemListFields(": | V | /p/ | f", 'P');
  EXPECT_EQ(f.File, "f");
  EXPECT_EQ(f.Size, "");
  EXPECT_EQ(GetItemListFields(": | DATA | /work/ | report.txt | 1234 | x", 'X'), ItemFields{});
}

TEST(ItemEntryTest, NonUtf8NamesSurviveTheRoundTrip) {
  ItemFields f = kReport;
  f.File = "caf\xe9\xff.txt";
  EXPECT_EQ(GetItemListFields(BuildItemEntry(f, 'P'), 'P'), f);
}

TEST(ItemEntryTest, FilenameOnlyCutsAtFirstExtensionOccurrence) {
  struct Row {
    const char* path;
    const char* name;
    const char* ext;
  };
  for (const Row& r : {Row{"/a/report.txt", "report", ".txt"},
                       Row{"/a/archive.tar.gz", "archive.tar", ".gz"},
                       Row{"/a/notes.txt.bak.txt", "notes", ".txt"},
                       Row{"/a.b/README", "README", ""}, Row{"/a/.bashrc", "", ".bashrc"}}) {
    EXPECT_EQ(GetFilenameOnly(r.path), r.name) << r.path;
    EXPECT_EQ(ExtensionOf(r.path), r.ext) << r.path;
  }
}

}  // namespace
}  // namespace krellix
