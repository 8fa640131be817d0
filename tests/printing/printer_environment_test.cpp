#include "printing/printer_environment.h"

#include <gtest/gtest.h>

#include "printing/print_document.h"

namespace krellix {
namespace {

TEST(PrinterEnvironmentTest, MarginsPageAndLinesComeFromThePrinter) {
  struct Row {
    const char* name;
    PrinterMetrics metrics;
    PrinterEnvironment expected;
  };
  const Row rows[] = {
      {"A4 at 600 dpi", {4960, 7016, 60, 100}, {40, 20, 100, 60, 6936, 4920, 69}},
      {"lines round down", {1040, 289, 10, 10}, {40, 20, 10, 10, 209, 1000, 20}},
      {"a font of no size counts as one pixel", {100, 100, 0, 0}, {40, 20, 1, 1, 20, 60, 20}},
      {"a page smaller than its margins has no lines", {30, 50, 5, 5}, {40, 20, 5, 5, -30, -10, 0}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(SetPrinterEnvironment(r.metrics), r.expected) << r.name;
  }
}

TEST(PrinterEnvironmentTest, APictureFillsThePageWithItsProportionsKept) {
  struct Row {
    const char* name;
    PictureSize picture, page, expected;
  };
  const Row rows[] = {
      {"wider than the page: full width", {400, 100}, {1000, 1400}, {1000, 250}},
      {"taller than the page: full height", {100, 400}, {1000, 1400}, {350, 1400}},
      {"the page's own shape: the whole page", {500, 700}, {1000, 1400}, {1000, 1400}},
      {"a small picture grows", {3, 2}, {900, 1200}, {900, 600}},
      {"sizes past 32 bits multiply safely", {60000, 50000}, {60000, 60000}, {60000, 50000}},
      {"an empty picture draws nothing", {0, 100}, {1000, 1400}, {0, 0}},
      {"an empty page draws nothing", {100, 100}, {1000, 0}, {0, 0}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(FitPicture(r.picture, r.page), r.expected) << r.name;
  }
}

TEST(PrintDocumentTest, CutTextKeepsShortTextsAndEndsLongOnesInDots) {
  struct Row {
    const char* text;
    int limit;
    const char* expected;
  };
  const Row rows[] = {
      {"report.txt", 10, "report.txt"},
      {"report.txt", 11, "report.txt"},
      {"report.txt", 9, "report..."},
      {"report.txt", 3, "..."},
      {"report.txt", 2, ".."},
      {"report.txt", 0, ""},
      {"report.txt", -4, ""},
      {"", 0, ""},
      // Characters, not bytes: "é" and "ü" take two bytes each and are never split.
      {"r\xC3\xA9sum\xC3\xA9-\xC3\xBC.txt", 12, "r\xC3\xA9sum\xC3\xA9-\xC3\xBC.txt"},
      {"r\xC3\xA9sum\xC3\xA9-\xC3\xBC.txt", 8, "r\xC3\xA9sum..."},
      // A byte that is no text counts as one character and survives.
      {"a\xFF"
       "bcdef",
       5, "a\xFF..."},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(CutText(r.text, r.limit), r.expected) << r.text << " / " << r.limit;
  }
}

TEST(PrintDocumentTest, PagesBeginOnlyWhenSomethingIsDrawnOnThem) {
  PrintDocument document;
  PageWriter out(document, 12);
  out.Draw(20, 1, "first");
  out.Draw(40, 3, "second");
  out.BreakPage();
  out.BreakPage();
  out.Draw(20, 1, "third");
  out.BreakPage();
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(document.pages[0], (PrintPage{{20, 12, "first"}, {40, 36, "second"}}));
  EXPECT_EQ(document.pages[1], (PrintPage{{20, 12, "third"}}));
}

}  // namespace
}  // namespace krellix
