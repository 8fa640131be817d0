#include "checksums/checksum_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "itemlist/item_list.h"
#include "platform/unicode_text.h"
#include "support/item_lines.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

const std::vector<ChecksumRow> kRows = {
    {"D41D8CD98F00B204E9800998ECF8427E", "/data/empty.txt"},
    {"*** MD5 failed ***", "/data/gone"},
    {"D41D8CD98F00B204E9800998ECF8427E", "/data/caf\xE9 copy.txt"},
};

TEST(ChecksumList, SavesEveryRowAsALineWithCrLf) {
  test::TempTree tree;
  const std::string path = tree.File("sums.txt", 5000);
  ASSERT_TRUE(SaveChecksumList(path, kRows).Ok());
  EXPECT_EQ(test::ReadWholeFile(path),
            test::CrLfLines({
                "D41D8CD98F00B204E9800998ECF8427E=/data/empty.txt",
                "*** MD5 failed ***=/data/gone",
                "D41D8CD98F00B204E9800998ECF8427E=/data/caf\xE9 copy.txt",
            }));
  EXPECT_EQ(ChecksumListText(kRows), test::ReadWholeFile(path));
  ASSERT_TRUE(SaveChecksumList(path, {}).Ok());
  EXPECT_EQ(test::ReadWholeFile(path), "");
}

TEST(ChecksumList, ASaveThatCannotBeWrittenFailsWithTheFileUnchanged) {
  test::TempTree tree;
  const FileResult result = SaveChecksumList(tree.Path("no/such/folder/sums.txt"), kRows);
  ASSERT_FALSE(result.Ok());
  EXPECT_EQ(result.Error().path, tree.Path("no/such/folder/sums.txt"));
}

TEST(ChecksumList, TheClipboardGetsAtMostTheLimitInCharacters) {
  struct Case {
    const char* name;
    std::size_t rows;
    std::string name_text;
  };
  // A line is 32 + 1 + name + 2 characters.
  const Case cases[] = {
      {"short list", 3, "/a"},
      {"exactly the limit", kChecksumClipboardLimit / 64, std::string(29, 'n')},
      {"one over", kChecksumClipboardLimit / 64 + 1, std::string(29, 'n')},
      {"two-byte letters", 20000, std::string(60, 'x') + "\xC3\xA9"},
  };
  for (const Case& c : cases) {
    std::vector<ChecksumRow> rows(c.rows, {"D41D8CD98F00B204E9800998ECF8427E", c.name_text});
    const std::string whole = ChecksumListText(rows);
    const ChecksumClip clip = ChecksumClipboardText(rows);
    const std::size_t chars = unicode::CharCount(whole);
    EXPECT_EQ(clip.truncated, chars > kChecksumClipboardLimit) << c.name;
    EXPECT_EQ(unicode::CharCount(clip.text), std::min(chars, kChecksumClipboardLimit)) << c.name;
    EXPECT_EQ(whole.compare(0, clip.text.size(), clip.text), 0) << c.name;
    // A cut never splits a character.
    EXPECT_EQ(unicode::CharBoundary(whole, unicode::CharCount(clip.text)), clip.text.size())
        << c.name;
  }
}

TEST(ChecksumList, TakesTheSelectedItemsFirstToLast) {
  ItemList items;
  items.SetSorted(false);
  test::AddTestLine(items, ": | v | /d/ | b.txt | 1 | 2024-01-01 00:00", ItemOrder::kArrival);
  test::AddTestLine(items, "Scan cancelled", ItemOrder::kArrival);
  test::AddTestLine(items, ": | v | /d/ | a.txt | 1 | 2024-01-01 00:00", ItemOrder::kArrival);
  test::AddTestLine(items, ". | v | /d/ | sub | 0 | 2024-01-01 00:00", ItemOrder::kArrival);
  items.SetAllSelected(true);
  items.SetSelected(2, false);
  EXPECT_EQ(SelectedItemNames(items), (std::vector<std::string>{"/d/b.txt", "/d/sub"}));
}

}  // namespace
}  // namespace krellix
