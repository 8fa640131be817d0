#include "itemlist/item_list_ops.h"

#include <gtest/gtest.h>

#include "itemlist/item_list.h"
#include "scan/item_entry.h"

namespace krellix {
namespace {

std::string Line(char order, const char* path, const char* file, const char* size,
                 const char* date = "2024-01-01 10:00") {
  return BuildItemEntry({":", "", path, file, size, date}, order);
}

std::vector<bool> Selection(const ItemList& items) {
  std::vector<bool> out;
  for (std::size_t i = 0; i < items.Count(); ++i) out.push_back(items.Selected(i));
  return out;
}

TEST(SelectSimilarTest, SelectsNeighboursSharingTheKeyOfEachOrder) {
  struct Row {
    char order;
    std::vector<bool> expected;
  };
  // The lines: two share a path, two a name, two a size, two a date.
  for (const Row& row : {Row{'P', {true, true, false, false}},
                         Row{'F', {false, false, true, true}},
                         Row{'S', {true, true, false, false}},
                         Row{'D', {false, false, true, true}}, Row{'-', {false, false, false, false}}}) {
    SCOPED_TRACE(row.order);
    ItemList items;
    items.SetSorted(row.order != '-');
    items.Add(Line(row.order, "/a/", "x.txt", "100", "2024-01-01 10:00"));
    items.Add(Line(row.order, "/a/", "y.txt", "100", "2024-01-02 10:00"));
    items.Add(Line(row.order, "/b/", "z.txt", "200", "2024-01-03 10:00"));
    items.Add(Line(row.order, "/c/", "z.txt", "300", "2024-01-03 10:00"));
    // Order the expectation like the list: compare by the file each line names.
    SelectSimilar(items, row.order);
    std::vector<bool> by_file;
    for (const char* f : {"/a/x.txt", "/a/y.txt", "/b/z.txt", "/c/z.txt"}) {
      for (std::size_t i = 0; i < items.Count(); ++i) {
        if (GetItemListFilename(items.Line(i), row.order) == f) by_file.push_back(items.Selected(i));
      }
    }
    EXPECT_EQ(by_file, row.expected);
  }
}

TEST(SelectSimilarTest, KeepsExistingSelectionsAndNeedsTwoLines) {
  ItemList items;
  items.Add(Line('P', "/a/", "x", "1"));
  items.SetSelected(0, true);
  SelectSimilar(items, 'P');
  EXPECT_EQ(Selection(items), (std::vector<bool>{true}));
  items.Add(Line('P', "/b/", "y", "1"));
  SelectSimilar(items, 'P');
  EXPECT_EQ(Selection(items), (std::vector<bool>{true, false}));
}

TEST(MoveLineTest, MovesTheCurrentLineAndStopsAtTheEnds) {
  ItemList items;
  items.SetSorted(false);
  for (const char* s : {"a", "b", "c"}) items.Add(s);
  struct Step {
    bool up;
    std::int64_t current_before;
    bool moved;
    std::vector<std::string> lines;
  };
  const Step steps[] = {{true, 0, false, {"a", "b", "c"}},
                        {false, 2, false, {"a", "b", "c"}},
                        {true, 2, true, {"a", "c", "b"}},
                        {false, 0, true, {"c", "a", "b"}}};
  for (const Step& s : steps) {
    items.SetCurrent(s.current_before);
    EXPECT_EQ(s.up ? MoveCurrentUp(items) : MoveCurrentDown(items), s.moved);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < items.Count(); ++i) lines.push_back(items.Line(i));
    EXPECT_EQ(lines, s.lines);
    if (s.moved) {
      const std::int64_t now = s.current_before + (s.up ? -1 : 1);
      EXPECT_EQ(items.Current(), now);
      EXPECT_TRUE(items.Selected(static_cast<std::size_t>(now)));
    }
  }
}

TEST(ClipboardNamesTest, TruncatesAHundredThousandNames) {
  ItemList items;
  items.SetSorted(false);
  for (int i = 0; i < 100000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "name%012d.txt", i);  // 20 characters
    items.Add(Line('P', "/d/", name, "1"));
  }
  items.SetAllSelected(true);
  const ClipboardNames names = BuildClipboardNames(items, 'P', false);
  EXPECT_TRUE(names.any);
  EXPECT_EQ(names.not_copied, 52339);
  // 47,661 names of 22 characters, then the note, all cut to the clipboard's limit.
  EXPECT_EQ(names.text.size(), kClipboardLimit);
  EXPECT_EQ(names.text.substr(0, 22), "name000000000000.txt\r\n");
  const std::string tail = "name000000047660.txt\r\n" + std::string(kClipboardTruncated);
  EXPECT_EQ(names.text.substr(47660 * 22), tail.substr(0, kClipboardLimit - 47660 * 22));
}

TEST(ClipboardNamesTest, SingleAndNoSelection) {
  ItemList items;
  items.Add(Line('P', "/d/", "a.txt", "1"));
  items.Add(Line('P', "/d/", "b.txt", "1"));
  items.SetCurrent(1);
  EXPECT_FALSE(BuildClipboardNames(items, 'P', true).any);
  items.SetSelected(1, true);
  EXPECT_EQ(BuildClipboardNames(items, 'P', true).text, "/d/b.txt\r\n");
  EXPECT_EQ(BuildClipboardNames(items, 'P', false).text, "b.txt\r\n");
  items.SetSelected(0, true);
  EXPECT_EQ(BuildClipboardNames(items, 'P', true).text, "/d/a.txt\r\n/d/b.txt\r\n");
}

TEST(AttributeLettersTest, InTheFixedLetterOrder) {
  EXPECT_EQ(AttributeLetters(0x10), "  [D]");
  EXPECT_EQ(AttributeLetters(0x21), "  [RA]");
  EXPECT_EQ(AttributeLetters(0), "  []");
  EXPECT_EQ(AttributeLetters(0x19ff), "  [RHSADVLNTCO]");
}

TEST(SelectionTotalsTest, CountsSelectedOrCurrent) {
  ItemList items;
  items.Add(Line('S', "/d/", "a", "1536"));
  items.Add(Line('S', "/d/", "b", "512"));
  EXPECT_EQ(TotalsOfSelection(items, 'S').count, 0);
  items.SetCurrent(0);
  items.SetSelected(0, true);
  EXPECT_DOUBLE_EQ(TotalsOfSelection(items, 'S').kbytes, 0.5);  // line 0 is the 512-byte one
  items.SetSelected(1, true);
  const SelectionTotals both = TotalsOfSelection(items, 'S');
  EXPECT_EQ(both.count, 2);
  EXPECT_DOUBLE_EQ(both.kbytes, 2.0);
}

TEST(ItemFieldViewTest, FieldsOfEveryOrder) {
  const std::string line = Line('D', "/p/", "f.txt", "12", "2024-01-01 10:00");
  EXPECT_EQ(ItemFieldView(line, 'D', 'D'), "2024-01-01 10:00");
  EXPECT_EQ(ItemFieldView(line, 'D', 'S'), "12");
  EXPECT_EQ(ItemFieldView(line, 'D', 'P'), "/p/");
  EXPECT_EQ(ItemFieldView("Scan cancelled", 'D', 'S'), "");
  EXPECT_EQ(ItemFieldView(line, 'X', 'S'), "");
}

}  // namespace
}  // namespace krellix
