#include "navigation/address_history.h"

#include <gtest/gtest.h>

#include "navigation/bookmarks.h"

namespace krellix {
namespace {

using Strings = std::vector<std::string>;

TEST(AddressHistoryTest, RecordsNewestFirstWithDuplicatesAndALimit) {
  AddressHistory h;
  for (const char* d : {"/A", "/B", "/A"}) h.RecordChange(d, 17);
  EXPECT_EQ(h.Entries(), (Strings{"/A/", "/B/", "/A/"}));
  for (int i = 0; i < 20; ++i) h.RecordChange("/d" + std::to_string(i), 17);
  EXPECT_EQ(h.Entries().size(), 16u);
  EXPECT_EQ(h.Entries().front(), "/d19/");
  EXPECT_EQ(h.Entries().back(), "/d4/");
}

TEST(AddressHistoryTest, PreviousAndNextWrapAndDoNotRecord) {
  AddressHistory h;
  for (const char* d : {"/A", "/B", "/C"}) h.RecordChange(d, 17);
  // Each move is followed by the directory change it causes, which the flag keeps out.
  auto go = [&h](std::optional<std::string> to) {
    h.RecordChange(*to, 17);
    return *to;
  };
  EXPECT_EQ(go(h.Previous()), "/B/");
  EXPECT_EQ(go(h.Previous()), "/A/");
  EXPECT_EQ(go(h.Previous()), "/C/");  // wrapped
  EXPECT_EQ(go(h.Next()), "/A/");      // from position 0 to the last
  EXPECT_EQ(h.Entries(), (Strings{"/C/", "/B/", "/A/"}));
  h.RecordChange("/D", 17);  // a normal change records again
  EXPECT_EQ(h.Entries().front(), "/D/");
  EXPECT_EQ(h.Position(), 0u);
}

TEST(AddressHistoryTest, RestoredHistoryAndEmptyHistory) {
  AddressHistory h;
  EXPECT_FALSE(h.Previous().has_value());
  EXPECT_FALSE(h.Next().has_value());
  h.RecordChange("/X", 17);  // nothing was raised by the empty moves
  EXPECT_EQ(h.Entries(), (Strings{"/X/"}));
  h.Assign({"/r0/", "/r1/"});
  EXPECT_EQ(h.Previous(), "/r1/");
}

TEST(BookmarksTest, ExactDuplicatesRefusedAndTrimmed) {
  Bookmarks b;
  std::string d = "/Data";
  EXPECT_EQ(b.BookmarkDirectory(d, 17), Bookmarks::Added::kAdded);
  EXPECT_EQ(d, "/Data/");
  d = "/Data/";
  EXPECT_EQ(b.BookmarkDirectory(d, 17), Bookmarks::Added::kExists);
  d = "/data/";
  EXPECT_EQ(b.BookmarkDirectory(d, 17), Bookmarks::Added::kAdded);
  for (int i = 0; i < 20; ++i) {
    std::string x = "/b" + std::to_string(i);
    b.BookmarkDirectory(x, 17);
  }
  EXPECT_EQ(b.Entries().size(), 17u);
  EXPECT_EQ(b.Entries().front(), "/b19/");
  EXPECT_EQ(Bookmarks::JumpTarget("/home/u/Data"), "/home/u/");
  EXPECT_EQ(Bookmarks::JumpTarget("/home/u/Data/"), "/home/u/Data/");
}

TEST(BookmarkEditTest, WindowCommands) {
  Strings list = {"/b/", "/a/"};
  bookmark_edit::Add(list, "/b/", 17);
  bookmark_edit::Add(list, "", 17);
  EXPECT_EQ(list, (Strings{"/b/", "/b/", "/a/"}));
  EXPECT_EQ(bookmark_edit::Up(list, 0), 0);
  EXPECT_EQ(bookmark_edit::Down(list, 2), 2);
  EXPECT_EQ(bookmark_edit::Down(list, 1), 2);
  EXPECT_EQ(list, (Strings{"/b/", "/a/", "/b/"}));
  Strings s = {"/c", "/B/", "/a/"};
  bookmark_edit::Sort(s);
  EXPECT_EQ(s, (Strings{"/a/", "/B/", "/c"}));
  EXPECT_EQ(bookmark_edit::Confirmed(s), (Strings{"/a/", "/B/", "/c/"}));
}

}  // namespace
}  // namespace krellix
