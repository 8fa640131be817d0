#include "printing/log_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/print_rig.h"

namespace krellix {
namespace {

using test::PrintRig;

TEST(LogPrintTest, TheLogPrintsWholeFromTheTopLeftWithItsOwnLineLast) {
  PrintRig rig;
  rig.log.AddRawLine("first line, which is rather longer than the page is wide: " +
                     std::string(200, 'x'));
  rig.log.AddLogLine("Scan=*.txt");
  const PrintResult result = PrintLogfile(rig.Context(), rig.printer);

  EXPECT_EQ(result.outcome, PrintOutcome::kPrinted);
  EXPECT_EQ(result.count, 3);
  ASSERT_EQ(rig.printer.jobs.size(), 1u);
  EXPECT_EQ(rig.printer.jobs[0].title, "Krellix log");
  const std::vector<std::string>& lines = rig.log.Lines();
  const PrintPage expected = {
      {1, 0, "- Krellix Version 1.2.2  -- (c) K"},
      {1, 10, "- Log printed on: 2024-03-07 09:05:12"},
      {1, 20, lines[0]},
      {1, 30, lines[1]},
      {1, 40, lines[2]},
  };
  EXPECT_EQ(rig.printer.jobs[0].pages, std::vector<PrintPage>{expected});
  EXPECT_EQ(rig.header1, "- Log printed on: 2024-03-07 09:05:12");
  EXPECT_EQ(rig.LogTexts(), (std::vector<std::string>{lines[0].substr(20), "Scan=*.txt",
                                                      "Print=Log", "Lines_Printed=3"}));
  EXPECT_EQ(lines[2].substr(20), "Print=Log");
  EXPECT_EQ(rig.status, "Lines_Printed=3");
  EXPECT_EQ(rig.focus_steps, 1);
}

TEST(LogPrintTest, PagesBreakWhenTheLineNumberPassesTheLinesOfAPage) {
  PrintRig rig;
  for (int i = 0; i < 39; ++i) rig.log.AddRawLine("line " + std::to_string(i));
  const PrintResult result = PrintLogfile(rig.Context(), rig.printer);
  EXPECT_EQ(result.count, 40);
  const std::vector<PrintPage>& pages = rig.printer.jobs.at(0).pages;
  // 20 lines a page: the first page holds lines 0 to 20 (the title, the date and 19 log lines),
  // the next ones 21 log lines each from line 0. No page has a footer, and a full last page
  // leaves no empty sheet.
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].size(), 21u);
  EXPECT_EQ(pages[0].back(), (PrintLine{1, 200, "line 18"}));
  EXPECT_EQ(pages[1].front(), (PrintLine{1, 0, "line 19"}));
  EXPECT_EQ(pages[1].size(), 21u);
  EXPECT_EQ(pages[1].back().text.substr(20), "Print=Log");
}

TEST(LogPrintTest, AnEmptyLogPrintsNothing) {
  PrintRig rig;
  const PrintResult result = PrintLogfile(rig.Context(), rig.printer);
  EXPECT_EQ(result.outcome, PrintOutcome::kEmpty);
  EXPECT_TRUE(rig.printer.jobs.empty());
  EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"Lines_Printed=0"});
}

}  // namespace
}  // namespace krellix
