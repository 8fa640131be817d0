#include "itemlist/item_list_ops.h"

#include <gtest/gtest.h>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"

namespace krellix {
namespace {

void AddLine(ItemList& items, ItemOrder order, const char* path, const char* file, const char* size,
             const char* date = "2024-01-01 10:00") {
  items.AddItem({":", "", path, file, size, date}, order);
}

std::vector<bool> Selection(const ItemList& items) {
  std::vector<bool> out;
  for (std::size_t i = 0; i < items.Count(); ++i) out.push_back(items.Selected(i));
  return out;
}

TEST(SelectSimilarTest, SelectsNeighboursSharingTheKeyOfEachOrder) {
  struct Row {
    ItemOrder order;
    std::vector<bool> expected;
  };
  // The lines: two share a path, two a name, two a size, two a date.
  for (const Row& row : {Row{ItemOrder::kPath, {true, true, false, false}},
                         Row{ItemOrder::kFile, {false, false, true, true}},
                         Row{ItemOrder::kSize, {true, true, false, false}},
                         Row{ItemOrder::kDate, {false, false, true, true}},
                         Row{ItemOrder::kArrival, {false, false, false, false}}}) {
    SCOPED_TRACE(LetterOf(row.order));
    ItemList items;
    items.SetSorted(row.order != ItemOrder::kArrival);
    AddLine(items, row.order, "/a/", "x.txt", "100", "2024-01-01 10:00");
    AddLine(items, row.order, "/a/", "y.txt", "100", "2024-01-02 10:00");
    AddLine(items, row.order, "/b/", "z.txt", "200", "2024-01-03 10:00");
    AddLine(items, row.order, "/c/", "z.txt", "300", "2024-01-03 10:00");
    // Order the expectation like the list: compare by the file each line names.
    SelectSimilar(items, row.order);
    std::vector<bool> by_file;
    for (const char* f : {"/a/x.txt", "/a/y.txt", "/b/z.txt", "/c/z.txt"}) {
      for (std::size_t i = 0; i < items.Count(); ++i) {
        if (GetItemListFilename(items, i) == f) by_file.push_back(items.Selected(i));
      }
    }
    EXPECT_EQ(by_file, row.expected);
  }
}

TEST(SelectSimilarTest, KeepsExistingSelectionsAndNeedsTwoLines) {
  ItemList items;
  AddLine(items, ItemOrder::kPath, "/a/", "x", "1");
  items.SetSelected(0, true);
  SelectSimilar(items, ItemOrder::kPath);
  EXPECT_EQ(Selection(items), (std::vector<bool>{true}));
  AddLine(items, ItemOrder::kPath, "/b/", "y", "1");
  SelectSimilar(items, ItemOrder::kPath);
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
    for (std::size_t i = 0; i < items.Count(); ++i) lines.emplace_back(items.Line(i));
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
    AddLine(items, ItemOrder::kPath, "/d/", name, "1");
  }
  items.SetAllSelected(true);
  const ClipboardNames names = BuildClipboardNames(items, false);
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
  AddLine(items, ItemOrder::kPath, "/d/", "a.txt", "1");
  AddLine(items, ItemOrder::kPath, "/d/", "b.txt", "1");
  items.SetCurrent(1);
  EXPECT_FALSE(BuildClipboardNames(items, true).any);
  items.SetSelected(1, true);
  EXPECT_EQ(BuildClipboardNames(items, true).text, "/d/b.txt\r\n");
  EXPECT_EQ(BuildClipboardNames(items, false).text, "b.txt\r\n");
  items.SetSelected(0, true);
  EXPECT_EQ(BuildClipboardNames(items, true).text, "/d/a.txt\r\n/d/b.txt\r\n");
}

TEST(AttributeLettersTest, InTheFixedLetterOrder) {
  EXPECT_EQ(AttributeLetters(0x10), "  [D]");
  EXPECT_EQ(AttributeLetters(0x21), "  [RA]");
  EXPECT_EQ(AttributeLetters(0), "  []");
  EXPECT_EQ(AttributeLetters(0x19ff), "  [RHSADVLNTCO]");
}

TEST(SelectionTotalsTest, CountsSelectedOrCurrent) {
  ItemList items;
  AddLine(items, ItemOrder::kSize, "/d/", "a", "1536");
  AddLine(items, ItemOrder::kSize, "/d/", "b", "512");
  EXPECT_EQ(TotalsOfSelection(items).count, 0);
  items.SetCurrent(0);
  items.SetSelected(0, true);
  EXPECT_DOUBLE_EQ(TotalsOfSelection(items).kbytes, 0.5);  // line 0 is the 512-byte one
  items.SetSelected(1, true);
  const SelectionTotals both = TotalsOfSelection(items);
  EXPECT_EQ(both.count, 2);
  EXPECT_DOUBLE_EQ(both.kbytes, 2.0);
}

TEST(ItemFieldsTest, NamesHoldingTheSeparatorReadBackWhole) {
  // A name, a folder and a label may all hold " | ": every reader takes the fields from where
  // the line builder put them, in every order, and the shown text is the plain join.
  const ItemFields f{":", "L | 1", "/x | y/ | lead/", "a | b.txt", "12", "2024-01-01 10:00"};
  for (const ItemOrder order : {ItemOrder::kPath, ItemOrder::kArrival, ItemOrder::kFile,
                                ItemOrder::kSize, ItemOrder::kDate}) {
    SCOPED_TRACE(LetterOf(order));
    ItemList items;
    items.AddItem(f, order);
    items.Add("Scan cancelled");
    const std::size_t item = items.IsItem(0) ? 0 : 1;
    EXPECT_EQ(items.Line(item), BuildItemEntry(f, order));
    ItemFields back = GetItemListFields(items, item).ToFields();
    if (order == ItemOrder::kSize) {
      EXPECT_EQ(back.Size, "000000000012");
    }
    back.Size = f.Size;
    EXPECT_EQ(back, f);
    EXPECT_EQ(GetItemListFilename(items, item), "/x | y/ | lead/a | b.txt");
    EXPECT_EQ(GetItemListAttr(items, item), ":");
    EXPECT_EQ(GetItemListFiledate(items, item), "2024-01-01 10:00");
    // The message line has no fields at all.
    EXPECT_FALSE(items.IsItem(1 - item));
    EXPECT_EQ(GetItemListFields(items, 1 - item).ToFields(), ItemFields{});
    EXPECT_EQ(GetItemListFilename(items, 1 - item), "");
  }
}

TEST(ItemFieldsTest, CommandsReadTheExactNamesAndSkipMessageLines) {
  ItemList items;
  items.SetSorted(false);
  items.AddItem({":", "V | W", "/d | e/", "a | b.txt", "2048", "2024-01-01 10:00"},
                ItemOrder::kSize);
  items.Add("Scan stopped at user request");
  items.AddItem({":", "", "/d/", "say \"hi\".txt", "1024", "2024-01-01 10:00"}, ItemOrder::kSize);
  items.SetAllSelected(true);
  EXPECT_EQ(BuildClipboardNames(items, true).text, "/d | e/a | b.txt\r\n/d/say \"hi\".txt\r\n");
  EXPECT_EQ(BuildClipboardNames(items, false).text, "a | b.txt\r\nsay \"hi\".txt\r\n");
  const SelectionTotals totals = TotalsOfSelection(items);
  EXPECT_EQ(totals.count, 2);
  EXPECT_DOUBLE_EQ(totals.kbytes, 3.0);
  // Only the message line current and selected: nothing to copy.
  items.SetAllSelected(false);
  items.SetCurrent(1);
  items.SetSelected(1, true);
  EXPECT_FALSE(BuildClipboardNames(items, true).any);
}

TEST(ClipboardNamesTest, TheLimitCountsCharactersNotBytes) {
  // 60,000 names of 20 characters but 21 bytes ("é" takes two): counted in characters, the
  // same 47,661 fit as for plain names, and the text is cut at the limit's character.
  ItemList items;
  items.SetSorted(false);
  for (int i = 0; i < 60000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "caf\xc3\xa9%012d.txt", i);
    AddLine(items, ItemOrder::kPath, "/d/", name, "1");
  }
  items.SetAllSelected(true);
  const ClipboardNames names = BuildClipboardNames(items, false);
  EXPECT_EQ(names.not_copied, 60000 - 47661);
  std::size_t chars = 0;
  for (const char ch : names.text) chars += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  EXPECT_EQ(chars, kClipboardLimit);
  EXPECT_EQ(names.text.substr(0, 23),
            "caf\xc3\xa9"
            "000000000000.txt\r\n");
}

}  // namespace
}  // namespace krellix
