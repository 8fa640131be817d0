#include "itemlist/item_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace krellix {
namespace {

// Inserting one line at a time before the first line that is not less: the order the list
// promises, done the slow way.
std::vector<std::string> OneAtATime(const std::vector<std::string>& adds) {
  std::vector<std::string> out;
  for (const std::string& s : adds) {
    const auto at = std::lower_bound(out.begin(), out.end(), s, [](const auto& a, const auto& b) {
      return CompareItemText(a, b) < 0;
    });
    out.insert(at, s);
  }
  return out;
}

std::vector<std::string> Lines(const ItemList& list) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.Line(i));
  return out;
}

TEST(CompareItemTextTest, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(CompareItemText("abc", "ABC"), 0);
  EXPECT_LT(CompareItemText(". | x", ": | a"), 0);  // directories before files
  EXPECT_LT(CompareItemText("a/ | z", "a/b/ | a"), 0);
  EXPECT_LT(CompareItemText("abc", "abcd"), 0);
  EXPECT_GT(CompareItemText("a_", "A["), 0);  // '_' sorts after '[' once 'a' is folded
  EXPECT_NE(CompareItemText("\xe9", "\xc9"), 0);
  // Long shared prefixes take the word-at-a-time path; the difference may fall anywhere.
  const std::string base(37, 'x');
  EXPECT_LT(CompareItemText(base + "a" + base, base + "B"), 0);
  EXPECT_EQ(CompareItemText(base + "Q" + base, base + "q" + base), 0);
}

TEST(ItemListTest, BatchedAddsMatchOneAtATimeInsertion) {
  std::mt19937 rng(12345);
  const std::vector<std::string> words = {"alpha", "Alpha", "ALPHA", "beta", "gamma", "Gamma",
                                          "delta", "a",     "",      "z z",  "Z Z"};
  ItemList list;
  std::vector<std::string> adds;
  for (int round = 0; round < 5; ++round) {
    // Reads between the rounds merge what came before, as the view would.
    for (int i = 0; i < 200; ++i) {
      std::string s = words[rng() % words.size()] + std::to_string(rng() % 5);
      adds.push_back(s);
      list.Add(s);
    }
    EXPECT_EQ(Lines(list), OneAtATime(adds)) << "round " << round;
  }
}

TEST(ItemListTest, LastAddedIndexFollowsTheMerge) {
  ItemList list;
  EXPECT_EQ(list.LastAddedIndex(), ItemList::kNoLine);
  list.Add("m");
  list.Add("c");
  list.Add("x");
  EXPECT_EQ(list.LastAddedIndex(), 2);
  list.Add("a");
  EXPECT_EQ(list.LastAddedIndex(), 0);
  list.Add("M");  // lands before the equal "m"
  EXPECT_EQ(list.LastAddedIndex(), 2);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "c", "M", "m", "x"}));
}

TEST(ItemListTest, SelectionSurvivesLaterAdds) {
  ItemList list;
  list.Add("b");
  list.Add("d");
  list.SetSelected(1, true);  // "d"
  list.Add("a");
  list.Add("c");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_TRUE(list.Selected(3));
  EXPECT_EQ(list.SelectedCount(), 1u);
}

TEST(ItemListTest, UnsortedListAppendsAndSortingLaterOrders) {
  ItemList list;
  list.SetSorted(false);
  for (const char* s : {"c", "a", "b"}) list.Add(s);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_EQ(list.LastAddedIndex(), 2);
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ItemListTest, SortMatchesAStableSortOfTheText) {
  // Long shared beginnings and differences at every depth, equal lines in several cases.
  std::mt19937 rng(7);
  const std::string base = ": | DATA | /home/user/some/long/folder/";
  std::vector<std::string> lines;
  for (int i = 0; i < 500; ++i) {
    std::string s =
        base + std::string(rng() % 20, 'a') + (rng() % 2 ? "B" : "b") + std::to_string(rng() % 7);
    if (rng() % 5 == 0) s = base.substr(0, rng() % base.size());
    lines.push_back(s);
  }
  ItemList list;
  list.SetSorted(false);
  for (const std::string& s : lines) list.Add(s);
  list.SetSelected(3, true);
  const std::string selected = lines[3];
  list.Sort();
  std::stable_sort(lines.begin(), lines.end(),
                   [](const auto& a, const auto& b) { return CompareItemText(a, b) < 0; });
  EXPECT_EQ(Lines(list), lines);
  EXPECT_EQ(list.SelectedCount(), 1u);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.Selected(i)) {
      EXPECT_EQ(CompareItemText(list.Line(i), selected), 0);
    }
  }
}

TEST(ItemListTest, SortOfLongListsMatchesAStableSortOfTheText) {
  // Long enough that only some lines are looked at before the keys are taken; lines that differ
  // only far past the shared beginning, in letter case alone, or by a trailing NUL byte.
  const std::string base = ": | DATA | /home/user/projects/tree/";
  struct Case {
    const char* name;
    std::size_t odd_line;  // a line that leaves the shared beginning early, or none
  };
  for (const Case& c :
       {Case{"one beginning", 0}, Case{"second line differs", 1}, Case{"late line differs", 997}}) {
    std::mt19937 rng(99);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 1000; ++i) {
      std::string s =
          base + std::string(rng() % 40, 'q') + (rng() % 2 ? "x" : "X") + std::to_string(rng() % 4);
      if (rng() % 7 == 0) s.push_back('\0');
      if (c.odd_line != 0 && i == c.odd_line) s = ": | Dz";
      lines.push_back(s);
    }
    ItemList list;
    list.SetSorted(false);
    for (const std::string& s : lines) list.Add(s);
    list.Sort();
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return CompareItemText(a, b) < 0; });
    EXPECT_EQ(Lines(list), lines) << c.name;
  }
}

TEST(ItemListTest, DeleteSelectedAndClearKeepTheCurrentLineValid) {
  ItemList list;
  for (const char* s : {"a", "b", "c", "d"}) list.Add(s);
  list.SetCurrent(3);
  list.SetSelected(2, true);
  list.SetSelected(3, true);
  list.DeleteSelected();
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(list.Current(), 1);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Current(), ItemList::kNoLine);
}

TEST(ItemListTest, MarkedLinesStayInPlaceThenLeaveTogether) {
  ItemList list;
  for (const char* s : {"a", "b", "c", "d"}) list.Add(s);
  list.SetSelected(1, true);
  list.SetLine(1, ":[--x--]");
  list.SetLine(3, ":[--x--]");
  list.SetLine(9, ":[--x--]");  // past the end: nothing
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", ":[--x--]", "c", ":[--x--]"}));
  EXPECT_TRUE(list.Selected(1));
  EXPECT_FALSE(list.IsItem(1));
  list.SetCurrent(3);
  EXPECT_EQ(list.DeleteLines(":[--x--]"), 2u);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(list.Current(), 1);
}

}  // namespace
}  // namespace krellix
