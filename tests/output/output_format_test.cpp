#include "output/output_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

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
      {"quote inside a quoted value is doubled",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.Quotes = true;
         o.ListVolume = o.ListSize = o.ListDate = false;
       },
       quote_inside, "\":\",\"/data/say \"\"hi\"\".txt\"", "\"Attr\",\"Path\\Filename\""},
      {"quote inside an unquoted value stays", comma, quote_inside,
       ": , SYSTEM , /data/say \"hi\".txt , 1234 , 2014-03-07 09:05",
       "Attr , Volume , Path\\Filename , Size , Date"},
      {"line breaks in an unquoted row are escaped",
       [](OutputOptions& o) {
         o.OutputSep = ",";
         o.GluePath = false;
         o.ListVolume = o.ListSize = o.ListDate = false;
       },
       {":", "", "/a\nb/", "x\r\n: , forged\\n", "1", "d"},
       ": , /a\\nb/ , x\\r\\n: , forged\\\\n",
       "Attr , Path , Filename"},
      {"line breaks stay inside quotes",
       [](OutputOptions& o) {
         o.Quotes = true;
         o.ListVolume = o.ListSize = o.ListDate = false;
       },
       {":", "", "/a\\n/", "x\r\ny", "1", "d"},
       "\":\"\t\"/a\\n/x\r\ny\"",
       "\"Attr\"\t\"Path\\Filename\""},
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

// The reading rule of EscapeLineBreaks, as a reader of a saved list would apply it.
std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == 'n' || next == 'r' || next == '\\')) {
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

TEST(EscapeLineBreaksTest, OneLineAndBackAgain) {
  struct Row {
    const char* value;
    const char* written;
  };
  const Row rows[] = {
      {"plain name.txt", "plain name.txt"},
      {"caf\xc3\xa9 | a \"b\", c.txt", "caf\xc3\xa9 | a \"b\", c.txt"},  // ordinary: unchanged
      {"C:\\Data\\x", "C:\\Data\\x"},  // a backslash before other letters stays single
      {"a\nb", "a\\nb"},
      {"a\rb", "a\\rb"},
      {"a\r\n", "a\\r\\n"},
      {"dir\\new", "dir\\\\new"},  // backslash n written by hand: told apart
      {"\\\\", "\\\\\\"},          // two backslashes: the first is doubled
      {"end\\", "end\\"},
      {"\\\n", "\\\\\\n"},  // backslash, line feed
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.value);
    const std::string written = EscapeLineBreaks(r.value);
    EXPECT_EQ(written, r.written);
    EXPECT_EQ(written.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(Unescape(written), r.value);
  }
}

// Reads CSV as RFC 4180 does: fields in double quotes may hold the delimiter, doubled quotes
// and line breaks; records end with CR LF.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text, char delimiter) {
  std::vector<std::vector<std::string>> records(1);
  std::string field;
  bool quoted = false, in_quotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_quotes) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        in_quotes = false;
      } else {
        field += c;
      }
    } else if (c == '"' && field.empty() && !quoted) {
      in_quotes = quoted = true;
    } else if (c == delimiter || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      records.back().push_back(field);
      field.clear();
      quoted = false;
      if (c == '\r') {
        ++i;
        records.emplace_back();
      }
    } else {
      field += c;
    }
  }
  records.pop_back();  // after the last line end
  return records;
}

TEST(OutputRowTest, QuotedCommaRowsReadBackIntoTheirFields) {
  OutputOptions o;
  o.OutputSep = ",";
  o.Quotes = true;
  o.GluePath = false;
  const std::vector<ItemFields> items = {
      {":", "DATA", "/d/", "a | b.txt", "1", "2024-01-02 03:04"},
      {":", "DATA", "/d/ | lead/", "say \"hi\".txt", "22", "2024-01-02 03:04"},
      {":", "", "/d/", "one, two \"\",\".txt", "333", "2024-01-02 03:04"},
      {".", "DATA", "/d/", "line\nfeed\r\nand\\n", "0", "2024-01-02 03:04"},
  };
  const std::string delimiter = FieldDelimiter(o.OutputSep, o.Quotes);
  std::string text = TitleRow(o, delimiter) + "\r\n";
  for (const ItemFields& f : items) text += OutputRow(o, delimiter, "*.*", f) + "\r\n";
  const auto records = ReadCsv(text, ',');
  ASSERT_EQ(records.size(), items.size() + 1);
  EXPECT_EQ(records[0],
            (std::vector<std::string>{"Attr", "Volume", "Path", "Filename", "Size", "Date"}));
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ItemFields& f = items[i];
    std::vector<std::string> want = {f.Attr, f.Vol, f.Path, f.File, f.Size, f.Date};
    if (f.Vol.empty()) want.erase(want.begin() + 1);  // an empty volume is left out
    EXPECT_EQ(records[i + 1], want);
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
  s.YoungestName = "/d/you\nng";  // a name stays on its line
  LocaleFormat german;
  german.thousands_sep = ".";
  german.decimal_point = ",";
  const std::vector<std::string> lines = StatisticsBlock(s, german);
  ASSERT_EQ(lines.size(), 12u);
  const std::string values[] = {
      "12.345",   "2.048 Kbytes",     "1,500 Kbytes", "/d/small",         "1.234.567,250 Kbytes",
      "/d/large", "2001-02-03 04:05", "/d/old",       "2024-05-31 23:59", "/d/you\\nng"};
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
