#include "headless/option_values.h"

#include <gtest/gtest.h>

#include "output/output_options.h"

namespace krellix {
namespace {

TEST(OptionValuesTest, DatesAndTimesOfTheCalendarAndClockOnly) {
  struct Case {
    const char* text;
    bool date;  // parsed as a date, else as a time
    std::optional<CivilDateTime> expected;
  };
  const Case cases[] = {
      {"2024-02-29", true, CivilDateTime{2024, 2, 29}},
      {"1975-12-31", true, CivilDateTime{1975, 12, 31}},
      {"2023-02-29", true, std::nullopt},
      {"2024-13-01", true, std::nullopt},
      {"2024-1-01", true, std::nullopt},
      {"2024/01/01", true, std::nullopt},
      {"23:59", false, CivilDateTime{1970, 1, 1, 23, 59}},
      {"07:05:09", false, CivilDateTime{1970, 1, 1, 7, 5, 9}},
      {"24:00", false, std::nullopt},
      {"12:60", false, std::nullopt},
      {"7:05", false, std::nullopt},
      {"12:00:", false, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<WallMs> t = c.date ? ParseDateValue(c.text) : ParseTimeValue(c.text);
    ASSERT_EQ(t.has_value(), c.expected.has_value()) << c.text;
    if (t) {
      EXPECT_EQ(*t, FromCivil(*c.expected)) << c.text;
    }
  }
}

TEST(OptionValuesTest, SizeBoxTakesOneToNineDigits) {
  EXPECT_TRUE(IsSizeBoxText("0"));
  EXPECT_TRUE(IsSizeBoxText("999999999"));
  EXPECT_FALSE(IsSizeBoxText("1000000000"));
  EXPECT_FALSE(IsSizeBoxText(""));
  EXPECT_FALSE(IsSizeBoxText("-1"));
  EXPECT_FALSE(IsSizeBoxText("12a"));
  EXPECT_EQ(ParseSizeUnit("KBYTES"), true);
  EXPECT_EQ(ParseSizeUnit("bytes"), false);
  EXPECT_FALSE(ParseSizeUnit("kb"));
}

TEST(OptionValuesTest, DelimiterNamesOfTheListAndTypedText) {
  const std::pair<const char*, const char*> cases[] = {
      {"TAB", "\t"}, {"comma", ","}, {"Version-0.3", "  "}, {";", ";"}, {"", ""}};
  for (const auto& [text, sep] : cases) {
    EXPECT_EQ(DelimiterOf(text), sep) << text;
  }
  EXPECT_EQ(DelimiterName("\t"), "TAB");
  EXPECT_EQ(DelimiterName("  "), "Version-0.3");
  EXPECT_EQ(DelimiterName(" | "), " | ");
}

TEST(OptionValuesTest, SortOrderLetters) {
  EXPECT_EQ(ParseSortOrder("s"), ItemOrder::kSize);
  EXPECT_EQ(ParseSortOrder("-"), ItemOrder::kArrival);
  EXPECT_FALSE(ParseSortOrder("X"));
  EXPECT_FALSE(ParseSortOrder("PF"));
}

TEST(OptionValuesTest, ColumnsSetExactlyTheNamedOnes) {
  OutputOptions o;
  ASSERT_TRUE(SetColumns("Size,string", o));
  EXPECT_TRUE(o.ListScan && o.ListSize);
  EXPECT_FALSE(o.ListVolume || o.ListPath || o.ListDate);
  EXPECT_EQ(ColumnsText(o), "string,size");

  ASSERT_TRUE(SetColumns("", o));
  EXPECT_EQ(ColumnsText(o), "");

  OutputOptions kept;
  EXPECT_FALSE(SetColumns("path,owner", kept));
  EXPECT_EQ(kept, OutputOptions());
  EXPECT_EQ(ColumnsText(kept), "volume,path,size,date");
}

}  // namespace
}  // namespace krellix
