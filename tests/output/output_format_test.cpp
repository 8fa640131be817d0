#include "output/output_format.h"

#include <gtest/gtest.h>

#include <functional>

namespace krellix {
namespace {

const ItemFields kReport{":", "SYSTEM", "/data/", "report.txt", "1234", "2014-03-07 09:05"};

TEST(FieldDelimiterTest, BlanksOrQuotesAroundTheSeparator) {
  struct Row {
    const char* sep;
    bool quotes;
    const char* want;
  };
  const Row rows[] = {
      {"\t", false, " \t "}, {"\t", true, "\"\t\""}, {",", false, " , "}, {",", true, "\",\""},
      {"  ", false, "    "}, {"  ", true, "\"  \""}, {";", false, " ; "}, {";", true, "\";\""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.sep) + (r.quotes ? " quoted" : ""));
    EXPECT_EQ(FieldDelimiter(r.sep, r.quotes), r.want);
  }
}

struct RowCase {
  const char* name;
  std::function<void(OutputOptions&)> set;
  ItemFields fields;
  const char* want_row;
  const char* want_title;
};

TEST(OutputRowTest, ColumnsDelimitersAndQuotes) {
  const auto comma = [](OutputOptions& o) { o.OutputSep = ","; };
  ItemFields no_volume = kReport;
  no_volume.Vol = "";
  ItemFields quote_inside = kReport;
  quote_inside.File = "say \"hi\".txt";

  const RowCase cases[] = {
      {"tab", [](OutputOptions&) {}, kReport,
       ": \t SYSTEM \t /data/report.txt \t 1234 \t 2014-03-07 09:05",
       "Attr \t Volume \t Path\\Filename \t Size \t Date"},
      {"comma", comma, kReport, ": , SYSTEM , /data/report.txt , 1234 , 2014-03-07 09:05",
       "Attr , Volume , Path\\Filename , Size , Date"},
      {"version-0.3", [](OutputOptions& o) { o.OutputSep = "  "; }, kReport,
       ":    SYSTEM    /data/report.txt    1234    2014-03-07 09:05",
       "Attr    Volume    Path\\Filename    Size    Date"},
      {"comma quoted",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.Quotes = true;
       },
       kReport, "\":\",\"SYSTEM\",\"/data/report.txt\",\"1234\",\"2014-03-07 09:05\"",
       "\"Attr\",\"Volume\",\"Path\\Filename\",\"Size\",\"Date\""},
      {"csv preset: quoted tab", [](OutputOptions& o) { o.Quotes = true; }, kReport,
       "\":\"\t\"SYSTEM\"\t\"/data/report.txt\"\t\"1234\"\t\"2014-03-07 09:05\"",
       "\"Attr\"\t\"Volume\"\t\"Path\\Filename\"\t\"Size\"\t\"Date\""},
      {"typed semicolon", [](OutputOptions& o) { o.OutputSep = ";"; }, kReport,
       ": ; SYSTEM ; /data/report.txt ; 1234 ; 2014-03-07 09:05",
       "Attr ; Volume ; Path\\Filename ; Size ; Date"},
      {"glue off",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.GluePath = false;
       },
       kReport, ": , SYSTEM , /data/ , report.txt , 1234 , 2014-03-07 09:05",
       "Attr , Volume , Path , Filename , Size , Date"},
      {"path off",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.ListPath = false;
       },
       kReport, ": , SYSTEM , report.txt , 1234 , 2014-03-07 09:05",
       "Attr , Volume , Filename , Size , Date"},
      {"path and volume off",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.ListPath = false;
         o.ListVolume = false;
       },
       kReport, ": , report.txt , 1234 , 2014-03-07 09:05", "Attr , Filename , Size , Date"},
      {"empty volume: the row drops it, the title keeps it", comma, no_volume,
       ": , /data/report.txt , 1234 , 2014-03-07 09:05",
       "Attr , Volume , Path\\Filename , Size , Date"},
      {"scan string first",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.ListScan = true;
       },
       kReport, "*.txt,*.doc , : , SYSTEM , /data/report.txt , 1234 , 2014-03-07 09:05",
       "String , Attr , Volume , Path\\Filename , Size , Date"},
      {"size and date off",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.ListSize = false;
         o.ListDate = false;
       },
       kReport, ": , SYSTEM , /data/report.txt", "Attr , Volume , Path\\Filename"},
      {"quote inside a value is not escaped",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.Quotes = true;
         o.ListVolume = o.ListSize = o.ListDate = false;
       },
       quote_inside, "\":\",\"/data/say \"hi\".txt\"", "\"Attr\",\"Path\\Filename\""},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    OutputOptions o;
    c.set(o);
    const std::string delimiter = FieldDelimiter(o.OutputSep, o.Quotes);
    EXPECT_EQ(OutputRow(o, delimiter, "*.txt,*.doc", c.fields), c.want_row);
    EXPECT_EQ(TitleRow(o, delimiter), c.want_title);
  }
}

TEST(HeaderBlockTest, FiveLines) {
  EXPECT_EQ(HeaderBlock("Krellix", "(c) Someone", FileSavedHeader("2024-06-01 13:05:09"), "- "),
            (std::vector<std::string>{";  ", ";  - Krellix -- (c) Someone",
                                      ";  - File saved on: 2024-06-01 13:05:09", ";  - ", ";  "}));
}

TEST(StatisticsBlockTest, EmptyListShowsTheStartValues) {
  ScanStatistics s;
  s.OldestDate = "2024-06-01";
  EXPECT_EQ(StatisticsBlock(s, LocaleFormat{}),
            (std::vector<std::string>{
                ";  ",
                ";  Total number 0",
                ";    Total size 0 Kbytes",
                "; Smallest size 999,999,999,999,999.000 Kbytes",
                "; Smallest name ",
                ";  Largest size -1.000 Kbytes",
                ";  Largest name ",
                ";   Oldest date 2024-06-01",
                ";   Oldest name ",
                "; Youngest date 0000-00-00",
                "; Youngest name ",
                ";  ",
            }));
}

TEST(StatisticsBlockTest, ValuesStartAtColumn17WithTheLocaleSeparators) {
  ScanStatistics s;
  s.TotalFiles = 12345;
  s.TotalSize = 2047.5;
  s.SmallestSize = 1.5;
  s.LargestSize = 1234567.25;
  s.SmallestName = "/d/small";
  s.LargestName = "/d/large";
  s.OldestDate = "2001-02-03 04:05";
  s.OldestName = "/d/old";
  s.YoungestDate = "2024-05-31 23:59";
  s.YoungestName = "/d/young";
  LocaleFormat german;
  german.thousands_sep = ".";
  german.decimal_point = ",";
  const std::vector<std::string> lines = StatisticsBlock(s, german);
  ASSERT_EQ(lines.size(), 12u);
  const std::string values[] = {
      "12.345",   "2.048 Kbytes",     "1,500 Kbytes", "/d/small",         "1.234.567,250 Kbytes",
      "/d/large", "2001-02-03 04:05", "/d/old",       "2024-05-31 23:59", "/d/young"};
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(lines[i + 1]);
    EXPECT_EQ(lines[i + 1].substr(16), values[i]);
    EXPECT_EQ(lines[i + 1][15], ' ');
    EXPECT_EQ(lines[i + 1][0], ';');
  }
}

TEST(FormatNumberTest, GroupsAndDecimals) {
  struct Row {
    double value;
    int decimals;
    const char* want;
  };
  const Row rows[] = {
      {0, 0, "0"},
      {999, 0, "999"},
      {1000, 0, "1,000"},
      {-1234, 0, "-1,234"},
      {1234567.891, 2, "1,234,567.89"},
      {-1, 3, "-1.000"},
      {1.5, 3, "1.500"},
      {-0.0001, 3, "0.000"},
      {999999999999999.0, 3, "999,999,999,999,999.000"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.want);
    EXPECT_EQ(FormatNumber(r.value, r.decimals, LocaleFormat{}), r.want);
  }
}

TEST(FormatDateTimeTest, TimeLeftOutOnlyAtExactlyMidnight) {
  LocaleFormat locale;
  const WallMs midnight = FromCivil({2024, 6, 1, 0, 0, 0, 0});
  const WallMs later = FromCivil({2024, 6, 1, 0, 0, 1, 0});
  EXPECT_EQ(FormatDateTimeOmitMidnight(midnight, locale), "2024-06-01");
  EXPECT_EQ(FormatDateTimeOmitMidnight(later, locale), "2024-06-01 00:00:01");
  EXPECT_EQ(FormatDateTime(midnight, locale), "2024-06-01 00:00:00");
  locale.short_date = [](WallMs) { return std::string("1.6.24"); };
  locale.long_time = [](WallMs) { return std::string("0:00:01 AM"); };
  EXPECT_EQ(FormatDateTimeOmitMidnight(later, locale), "1.6.24 0:00:01 AM");
}

}  // namespace
}  // namespace krellix
