#include "printing/item_prints.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/item_lines.h"
#include "support/print_rig.h"

namespace krellix {
namespace {

using test::PrintRig;

// The fake printer's page: margins 40 and 20, 1000 pixels wide inside them, 10-pixel lines,
// 20 lines. The report's columns: file 40, size 650, date 800.
constexpr int kLine = 10;

std::string Item(const std::string& vol, const std::string& path, const std::string& file,
                 const std::string& size = "12", const std::string& date = "2024-01-02 03:04") {
  return ": | " + vol + " | " + path + " | " + file + " | " + size + " | " + date;
}

void AddItems(PrintRig& rig, const std::vector<std::string>& lines, bool selected = true,
              ItemOrder order = ItemOrder::kPath) {
  rig.items.SetSorted(false);
  for (const std::string& line : lines) {
    test::AddTestLine(rig.items, line, order);
    rig.items.SetSelected(rig.items.Count() - 1, selected);
  }
}

// The texts of a page, top to bottom.
std::vector<std::string> Texts(const PrintPage& page) {
  std::vector<std::string> texts;
  for (const PrintLine& line : page) texts.push_back(line.text);
  return texts;
}

// Where `text` lies on `page`; -1 when it is not there.
int YOf(const PrintPage& page, const std::string& text) {
  for (const PrintLine& line : page) {
    if (line.text == text) return line.y;
  }
  return -1;
}

TEST(ReportColumnsTest, ColumnsFollowTheChosenFields) {
  struct Row {
    const char* name;
    bool size, date;
    ReportColumns expected;
  };
  const Row rows[] = {
      {"size and date", true, true, {40, 650, 800, 61, 98}},
      {"no date: size in the date column", true, false, {40, 800, 800, 76, 98}},
      {"no size: the name runs to the page's edge", false, true, {40, 650, 800, 96, 98}},
      {"neither", false, false, {40, 800, 800, 96, 98}},
  };
  const PrinterEnvironment env = SetPrinterEnvironment({1040, 280, 10, 10});
  for (const Row& r : rows) {
    OutputOptions options;
    options.ListSize = r.size;
    options.ListDate = r.date;
    const ReportColumns c = ReportColumnsOf(env, options);
    EXPECT_EQ(c.file_x, r.expected.file_x) << r.name;
    EXPECT_EQ(c.size_x, r.expected.size_x) << r.name;
    EXPECT_EQ(c.date_x, r.expected.date_x) << r.name;
    EXPECT_EQ(c.file_limit, r.expected.file_limit) << r.name;
    EXPECT_EQ(c.path_limit, r.expected.path_limit) << r.name;
  }
}

TEST(ItemPrintsTest, AReportGroupsItemsUnderTheirDirectoryInColumns) {
  PrintRig rig;
  rig.options.ListScan = true;
  rig.options.Header2 = "- my header";
  AddItems(rig, {Item("DATA", "/d/", "a.txt", "1234"), Item("DATA", "/d/", "b.txt"),
                 Item("DATA", "/e/", "c.txt")});
  const PrintResult result = ReportSelectedItems(rig.Context(), rig.printer);

  EXPECT_EQ(result.outcome, PrintOutcome::kPrinted);
  EXPECT_EQ(result.count, 3);
  ASSERT_EQ(rig.printer.jobs.size(), 1u);
  const std::vector<PrintPage>& pages = rig.printer.jobs[0].pages;
  ASSERT_EQ(pages.size(), 1u);
  const PrintPage expected = {
      {20, 1 * kLine, "- Krellix Version 1.2.2  -- (c) K"},
      {20, 2 * kLine, "- Scan string: *.txt"},
      {20, 3 * kLine, "- File printed on: 2024-03-07 09:05:12"},
      {20, 4 * kLine, "- my header"},
      // Line 5 is left empty before each directory heading.
      {20, 6 * kLine, "[DATA]  /d/"},
      {40, 7 * kLine, "a.txt"},
      {650, 7 * kLine, "1234"},
      {800, 7 * kLine, "2024-01-02 03:04"},
      {40, 8 * kLine, "b.txt"},
      {650, 8 * kLine, "12"},
      {800, 8 * kLine, "2024-01-02 03:04"},
      {20, 10 * kLine, "[DATA]  /e/"},
      {40, 11 * kLine, "c.txt"},
      {650, 11 * kLine, "12"},
      {800, 11 * kLine, "2024-01-02 03:04"},
  };
  EXPECT_EQ(pages[0], expected);
  EXPECT_EQ(rig.header1, "- File printed on: 2024-03-07 09:05:12");
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Print=Report", "Print_count=3"}));
  EXPECT_EQ(rig.status, "Print_count=3");
  EXPECT_EQ(rig.focus_steps, 1);
  EXPECT_EQ(rig.printer.jobs[0].title, "Krellix report");
  EXPECT_EQ(result.environment.prLines, 20);
}

TEST(ItemPrintsTest, HeadingsFieldsAndCutsFollowTheOptions) {
  struct Row {
    const char* name;
    bool volume, path, size, date;
    std::vector<std::string> expected;  // the texts after the header
  };
  const std::string long_name(70, 'n');
  const Row rows[] = {
      {"all",
       true,
       true,
       true,
       true,
       {"[V]  /p/", std::string(58, 'n') + "...", "7", "2024-01-02 03:04"}},
      {"no volume",
       false,
       true,
       true,
       true,
       {"/p/", std::string(58, 'n') + "...", "7", "2024-01-02 03:04"}},
      {"no path", true, false, false, true, {"[V]  ", std::string(70, 'n'), "2024-01-02 03:04"}},
      {"neither: an empty heading", false, false, true, false, {"", std::string(70, 'n'), "7"}},
  };
  for (const Row& r : rows) {
    PrintRig rig;
    rig.options.ListVolume = r.volume;
    rig.options.ListPath = r.path;
    rig.options.ListSize = r.size;
    rig.options.ListDate = r.date;
    AddItems(rig, {Item("V", "/p/", long_name, "7")});
    ReportSelectedItems(rig.Context(), rig.printer);
    ASSERT_EQ(rig.printer.jobs.size(), 1u) << r.name;
    std::vector<std::string> texts = Texts(rig.printer.jobs[0].pages[0]);
    texts.erase(texts.begin(), texts.begin() + 3);
    EXPECT_EQ(texts, r.expected) << r.name;
  }
}

TEST(ItemPrintsTest, EveryChangeOfPathGetsAHeading) {
  PrintRig rig;
  rig.options.ListVolume = false;
  // In the "F" order the list is sorted by name, so the paths alternate.
  AddItems(
      rig,
      {": |  | a.txt | 1 | 2024-01-02 03:04 | /x/", ": |  | b.txt | 1 | 2024-01-02 03:04 | /y/",
       ": |  | c.txt | 1 | 2024-01-02 03:04 | /x/"},
      true, ItemOrder::kFile);
  ReportSelectedItems(rig.Context(), rig.printer);
  std::vector<std::string> texts = Texts(rig.printer.jobs.at(0).pages.at(0));
  texts.erase(texts.begin(), texts.begin() + 3);
  EXPECT_EQ(texts, (std::vector<std::string>{"/x/", "a.txt", "1", "2024-01-02 03:04", "/y/",
                                             "b.txt", "1", "2024-01-02 03:04", "/x/", "c.txt", "1",
                                             "2024-01-02 03:04"}));
}

TEST(ItemPrintsTest, TheSizeColumnPrintsTheSizeAsStored) {
  PrintRig rig;
  AddItems(rig, {": |  | 000000001234 | /p/ | a.txt | 2024-01-02 03:04"}, true, ItemOrder::kSize);
  ReportSelectedItems(rig.Context(), rig.printer);
  const PrintPage& page = rig.printer.jobs.at(0).pages.at(0);
  EXPECT_EQ(page.at(5), (PrintLine{650, 60, "000000001234"}));
}

// Where the first page of a report or a list breaks: the report after the item on line
// prLines - 6, the list after the one on prLines - 5; both close a full page with a blank line,
// a rule and its number, and the last page carries no footer.
TEST(ItemPrintsTest, FullPagesEndInAFooterWithTheirNumber) {
  struct Row {
    const char* name;
    PrintResult (*print)(const PrintContext&, PrintTarget&);
    int first_item_line;  // the line of the first item on page 1
    int items_on_page_1;
    int last_item_line;  // = prLines - 6 for the report, prLines - 5 for the list
  };
  const Row rows[] = {
      {"report", &ReportSelectedItems, 6, 9, 14},
      {"list", &ListSelectedItems, 4, 12, 15},
  };
  for (const Row& r : rows) {
    PrintRig rig;
    std::vector<std::string> lines;
    for (char c = 'a'; c <= 'z'; ++c) lines.push_back(Item("V", "/d/", std::string(1, c) + ".txt"));
    AddItems(rig, lines);
    const PrintResult result = r.print(rig.Context(), rig.printer);
    ASSERT_EQ(result.count, 26) << r.name;
    const std::vector<PrintPage>& pages = rig.printer.jobs.at(0).pages;
    const int per_page = r.last_item_line;  // later pages start on line 1
    ASSERT_EQ(pages.size(), 1u + (26 - r.items_on_page_1 + per_page - 1) / per_page) << r.name;

    const PrintPage& first = pages[0];
    const auto item_y = [&](const std::string& name) {
      for (const PrintLine& line : first) {
        if (line.text.find(name) != std::string::npos &&
            line.text.find(".txt") != std::string::npos)
          return line.y;
      }
      return -1;
    };
    EXPECT_EQ(item_y("a.txt"), r.first_item_line * kLine) << r.name;
    const std::string last(1, static_cast<char>('a' + r.items_on_page_1 - 1));
    EXPECT_EQ(item_y(last + ".txt"), r.last_item_line * kLine) << r.name;
    EXPECT_EQ(YOf(first, "_____________"), (r.last_item_line + 2) * kLine) << r.name;
    EXPECT_EQ(YOf(first, "Page - 1"), (r.last_item_line + 3) * kLine) << r.name;
    EXPECT_EQ(first.back().text, "Page - 1") << r.name;
    // Page 2 goes on from line 1, without the header.
    const std::string next(1, static_cast<char>('a' + r.items_on_page_1));
    EXPECT_NE(pages[1].front().text.find(next + ".txt"), std::string::npos) << r.name;
    EXPECT_EQ(pages[1].front().y, kLine) << r.name;
    if (pages.size() > 2) {
      EXPECT_EQ(YOf(pages[1], "Page - 2"), (r.last_item_line + 3) * kLine) << r.name;
    }
    // The last page has no footer.
    EXPECT_EQ(YOf(pages.back(), "_____________"), -1) << r.name;
    EXPECT_EQ(YOf(pages.back(), "Page - " + std::to_string(pages.size())), -1) << r.name;
  }
}

TEST(ItemPrintsTest, AFullLastPageLeavesNoEmptySheet) {
  PrintRig rig;
  std::vector<std::string> lines;
  for (char c = 'a'; c < 'a' + 9; ++c) lines.push_back(Item("V", "/d/", std::string(1, c)));
  AddItems(rig, lines);
  ReportSelectedItems(rig.Context(), rig.printer);
  const std::vector<PrintPage>& pages = rig.printer.jobs.at(0).pages;
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].back().text, "Page - 1");
}

TEST(ItemPrintsTest, SelectedItemsOrEveryItemArePrinted) {
  struct Row {
    const char* name;
    bool all;
    std::vector<bool> selected;
    int count;
  };
  const Row rows[] = {
      {"the selection", false, {true, false, true}, 2},
      {"every item", true, {false, true, false}, 3},
      {"nothing selected: the header page only", false, {false, false, false}, 0},
  };
  for (const auto print : {&ReportSelectedItems, &ListSelectedItems}) {
    for (const Row& r : rows) {
      PrintRig rig;
      rig.print_all = r.all;
      AddItems(rig, {Item("V", "/d/", "a"), Item("V", "/d/", "b"), Item("V", "/d/", "c")});
      for (std::size_t i = 0; i < r.selected.size(); ++i) rig.items.SetSelected(i, r.selected[i]);
      const PrintResult result = print(rig.Context(), rig.printer);
      EXPECT_EQ(result.count, r.count) << r.name;
      ASSERT_EQ(rig.printer.jobs.size(), 1u) << r.name;
      EXPECT_EQ(rig.printer.jobs[0].pages.size(), 1u) << r.name;
      EXPECT_EQ(rig.LogTexts().back(), "Print_count=" + std::to_string(r.count)) << r.name;
    }
  }
}

TEST(ItemPrintsTest, AnEmptyListPrintsNothing) {
  for (const auto print : {&ReportSelectedItems, &ListSelectedItems}) {
    PrintRig rig;
    const PrintResult result = print(rig.Context(), rig.printer);
    EXPECT_EQ(result.outcome, PrintOutcome::kEmpty);
    EXPECT_TRUE(rig.printer.jobs.empty());
    EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"Print_count=0"});
    EXPECT_EQ(rig.status, "Print_count=0");
    EXPECT_EQ(rig.focus_steps, 1);
  }
}

TEST(ItemPrintsTest, StopDuringAReportCancelsTheJob) {
  PrintRig rig;
  AddItems(rig, {Item("V", "/d/", "a"), Item("V", "/d/", "b"), Item("V", "/d/", "c"),
                 Item("V", "/d/", "d")});
  // A stop left over from a scan does not count; the one pressed at the second line does.
  rig.state.CancelStopEsc = true;
  rig.prompter.on_process_events = [&rig] {
    if (rig.prompter.event_polls == 2) rig.state.CancelStopEsc = true;
  };
  const PrintResult result = ReportSelectedItems(rig.Context(), rig.printer);
  EXPECT_EQ(result.outcome, PrintOutcome::kCancelled);
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(rig.prompter.event_polls, 2);
  EXPECT_TRUE(rig.printer.jobs.empty());
  EXPECT_EQ(rig.status, "Print cancelled");
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Print=Report", "Print_count=2"}));
}

TEST(ItemPrintsTest, EventsAreHandledAfterEveryLineOfAReportOnly) {
  PrintRig rig;
  AddItems(rig, {Item("V", "/d/", "a"), Item("V", "/d/", "b"), Item("V", "/d/", "c")});
  rig.items.SetSelected(1, false);
  ReportSelectedItems(rig.Context(), rig.printer);
  EXPECT_EQ(rig.prompter.event_polls, 3);
  ListSelectedItems(rig.Context(), rig.printer);
  EXPECT_EQ(rig.prompter.event_polls, 3);
}

TEST(ItemPrintsTest, ARefusedJobIsReported) {
  for (const auto print : {&ReportSelectedItems, &ListSelectedItems}) {
    PrintRig rig;
    rig.printer.accept = false;
    AddItems(rig, {Item("V", "/d/", "a")});
    const PrintResult result = print(rig.Context(), rig.printer);
    EXPECT_EQ(result.outcome, PrintOutcome::kFailed);
    EXPECT_TRUE(rig.WasShown("Cannot print on: Fake printer"));
    EXPECT_EQ(rig.LogTexts().back(), "Print_Failed=Fake printer");
    EXPECT_EQ(rig.LogTexts(),
              (std::vector<std::string>{
                  "Print=" + std::string(print == &ReportSelectedItems ? "Report" : "List"),
                  "Print_Failed=Fake printer"}));
  }
}

TEST(ItemPrintsTest, AListLineJoinsTheChosenFields) {
  struct Row {
    const char* name;
    bool volume, path, size, date;
    const char* expected;
  };
  const Row rows[] = {
      {"all", true, true, true, true, "SYSTEM | /Data/report.txt | 1234 | 2014-03-07 09:05 | "},
      {"no volume", false, true, true, true, "/Data/report.txt | 1234 | 2014-03-07 09:05 | "},
      {"name only", false, false, false, false, "report.txt | "},
      {"volume and date", true, false, false, true, "SYSTEM | report.txt | 2014-03-07 09:05 | "},
  };
  ItemList items;
  test::AddTestLine(items, ": | SYSTEM | /Data/ | report.txt | 1234 | 2014-03-07 09:05",
                    ItemOrder::kPath);
  for (const Row& r : rows) {
    OutputOptions options;
    options.ListVolume = r.volume;
    options.ListPath = r.path;
    options.ListSize = r.size;
    options.ListDate = r.date;
    EXPECT_EQ(ListLineOf(items.Fields(0), options), r.expected) << r.name;
  }
}

TEST(ItemPrintsTest, AListPrintsOneCutLinePerItemUnderTheHeader) {
  PrintRig rig;
  AddItems(rig, {Item("V", "/d/", "a.txt"), Item("V", "/d/", std::string(100, 'n'))});
  const PrintResult result = ListSelectedItems(rig.Context(), rig.printer);
  EXPECT_EQ(result.outcome, PrintOutcome::kPrinted);
  ASSERT_EQ(rig.printer.jobs.size(), 1u);
  EXPECT_EQ(rig.printer.jobs[0].title, "Krellix list");
  // The line limit is (1000 - 2 × 20) / 10 = 96 characters.
  const std::string long_line = "V | /d/" + std::string(100, 'n') + " | 12 | 2024-01-02 03:04 | ";
  const PrintPage expected = {
      {20, 1 * kLine, "- Krellix Version 1.2.2  -- (c) K"},
      {20, 2 * kLine, "- File printed on: 2024-03-07 09:05:12"},
      {20, 3 * kLine, "- "},
      {20, 4 * kLine, "V | /d/a.txt | 12 | 2024-01-02 03:04 | "},
      {20, 5 * kLine, long_line.substr(0, 93) + "..."},
  };
  EXPECT_EQ(rig.printer.jobs[0].pages.at(0), expected);
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{"Print=List", "Print_count=2"}));
}

}  // namespace
}  // namespace krellix
