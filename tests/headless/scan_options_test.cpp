#include "headless/scan_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "headless/headless_settings.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

using Args = std::vector<std::string>;

ScanRequest Parse(Args args) {
  args.insert(args.begin(), "scan");
  return ParseScanArguments(args);
}

// The settings after `args`, or the first message about them.
std::string Apply(const Args& args, HeadlessSettings& s) {
  const ScanRequest r = Parse(args);
  if (!r.error.empty()) return r.error;
  return ApplyScanEdits(r, s, "/work/").value_or("");
}

struct EditCase {
  const char* name;
  Args args;
  std::function<void(const HeadlessSettings&)> check;
};

class ScanEditsTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(ScanEditsTest, SetWhatTheWindowsControlsHold) {
  HeadlessSettings s = StartingSettings({}, 0);
  ASSERT_EQ(Apply(GetParam().args, s), "");
  GetParam().check(s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanEditsTest,
    ::testing::Values(
        EditCase{"mask_and_logic",
                 {"-m", "*.c x", "--and"},
                 [](const HeadlessSettings& s) {
                   EXPECT_EQ(s.criteria.scan_text, "*.c x");
                   EXPECT_EQ(s.criteria.logic, ScanLogic::kAnd);
                 }},
        EditCase{"check_boxes_both_ways",
                 {"--no-sub-dirs", "--no-ignore-case", "--path", "--no-any-file", "--volume-id"},
                 [](const HeadlessSettings& s) {
                   EXPECT_FALSE(s.criteria.sub_dirs);
                   EXPECT_FALSE(s.criteria.ignore_case);
                   EXPECT_TRUE(s.criteria.use_path);
                   EXPECT_FALSE(s.criteria.any_file);
                   EXPECT_TRUE(s.criteria.volume_id);
                 }},
        EditCase{"last_of_a_pair_counts",
                 {"--sub-dirs", "--no-sub-dirs", "--not", "--or"},
                 [](const HeadlessSettings& s) {
                   EXPECT_FALSE(s.criteria.sub_dirs);
                   EXPECT_EQ(s.criteria.logic, ScanLogic::kOr);
                 }},
        EditCase{"excl_filenames_checks_dir_names",
                 {"--excl-filenames"},
                 [](const HeadlessSettings& s) {
                   EXPECT_TRUE(s.criteria.excl_filenames);
                   EXPECT_TRUE(s.criteria.incl_dir_names);
                 }},
        EditCase{"sizes_check_their_box",
                 {"--min", "12", "--min-unit", "bytes", "--max=3"},
                 [](const HeadlessSettings& s) {
                   EXPECT_EQ(s.criteria.min, (SizeLimit{true, "12", false}));
                   EXPECT_EQ(s.criteria.max, (SizeLimit{true, "3", true}));
                 }},
        EditCase{"dates_and_times_check_their_box",
                 {"--modified-from-date", "2024-03-01", "--created-to-time=08:30"},
                 [](const HeadlessSettings& s) {
                   EXPECT_TRUE(s.criteria.modified.from_date);
                   EXPECT_EQ(s.criteria.modified.from_date_value, FromCivil({2024, 3, 1}));
                   EXPECT_FALSE(s.criteria.modified.to_date);
                   EXPECT_TRUE(s.criteria.created.to_time);
                   EXPECT_EQ(WallTimeOfDay(s.criteria.created.to_time_value),
                             (8 * 60 + 30) * 60'000);
                 }},
        EditCase{"list_entries_absolute_with_delimiter",
                 {"--include", "rel/../dir", "--exclude", "/abs", "--list", "--scan-inc-list"},
                 [](const HeadlessSettings& s) {
                   ASSERT_EQ(s.include_list.entries.size(), 1u);
                   EXPECT_EQ(s.include_list.entries[0].text, "/work/dir/");
                   EXPECT_TRUE(s.include_list.entries[0].checked);
                   ASSERT_EQ(s.exclude_list.entries.size(), 1u);
                   EXPECT_EQ(s.exclude_list.entries[0].text, "/abs/");
                   EXPECT_TRUE(s.list_only);
                   EXPECT_TRUE(s.state.ScanIncList);
                 }},
        EditCase{"output_options",
                 {"-o", "out.txt", "--replace", "--delimiter", "COMMA", "--quoted", "--titles",
                  "--no-header", "--columns", "path", "--no-glue-path", "--sort", "d",
                  "--header-text", "- mine", "--no-retrieve-volume-name", "--save-logfile"},
                 [](const HeadlessSettings& s) {
                   const OutputOptions& o = s.app.output;
                   EXPECT_EQ(s.output_file, "out.txt");
                   EXPECT_TRUE(o.OutFileReplace);
                   EXPECT_FALSE(o.OutFilePrompt || o.OutFileAppend);
                   EXPECT_EQ(o.OutputSep, ",");
                   EXPECT_TRUE(o.Quotes && o.Titles);
                   EXPECT_FALSE(o.Headers || o.GluePath);
                   EXPECT_TRUE(o.ListPath);
                   EXPECT_FALSE(o.ListVolume || o.ListSize || o.ListDate || o.ListScan);
                   EXPECT_EQ(o.Header2, "- mine");
                   EXPECT_EQ(s.state.SortOutput, ItemOrder::kDate);
                   EXPECT_FALSE(s.state.RetrieveVolumename);
                   EXPECT_TRUE(s.app.LogSave);
                 }},
        EditCase{"csv_preset_then_a_later_option",
                 {"--csv", "--header"},
                 [](const HeadlessSettings& s) {
                   const OutputOptions& o = s.app.output;
                   EXPECT_TRUE(o.SaveCSV && o.Quotes && o.Titles && o.Headers);
                   EXPECT_FALSE(o.Statistics);
                   EXPECT_EQ(o.OutputSep, "\t");
                 }},
        EditCase{
            "null_names", {"-0"}, [](const HeadlessSettings& s) { EXPECT_TRUE(s.null_names); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanArgumentsTest, DirectoryIniAndHelpAreNoSettings) {
  ScanRequest r = Parse({"--no-sub-dirs", "some dir", "--ini", "/x.ini", "-h"});
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.directory, "some dir");
  EXPECT_EQ(r.ini, "/x.ini");
  EXPECT_FALSE(r.no_ini);
  EXPECT_TRUE(r.help);
  EXPECT_EQ(r.edits.size(), 1u);

  r = Parse({"--ini=/x.ini", "--no-ini", "--", "--odd-name"});
  EXPECT_EQ(r.error, "");
  EXPECT_FALSE(r.ini.has_value());
  EXPECT_TRUE(r.no_ini);
  EXPECT_EQ(r.directory, "--odd-name");
}

TEST(ScanArgumentsTest, RefusedCommandLinesSayWhy) {
  const std::pair<Args, const char*> cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-x"}, "unknown option '-x'"},
      {{"--mask"}, "option '--mask' needs a value"},
      {{"--no-mask=a"}, "unknown option '--no-mask=a'"},
      {{"a", "b"}, "one directory at most: 'a' and 'b'"},
      {{"--min", "12a"}, "--min: ''12a'' is not a valid integer value"},
      {{"--max", "1234567890"}, "--max: ''1234567890'' is not a valid integer value"},
      {{"--min-unit", "kB"}, "--min-unit: 'kB' is not a size unit (Kbytes or bytes)"},
      {{"--modified-to-date", "2024-02-30"},
       "--modified-to-date: '2024-02-30' is not a valid date (yyyy-mm-dd)"},
      {{"--created-from-time", "25:00"},
       "--created-from-time: '25:00' is not a valid time (hh:mm or hh:mm:ss)"},
      {{"--columns", "path,owner"},
       "--columns: 'path,owner' is not a list of columns (string,volume,path,size,date)"},
      {{"--sort", "Q"}, "--sort: 'Q' is not a sort order (P, F, S, D or -)"},
      {{"--include-list", "/nonexistent/inc.txt"},
       "--include-list: Cannot open: /nonexistent/inc.txt"},
  };
  for (const auto& [args, message] : cases) {
    HeadlessSettings s = StartingSettings({}, 0);
    EXPECT_EQ(Apply(args, s), message);
  }
}

TEST(ScanArgumentsTest, ListFileReplacesTheListWithItsMarkedLines) {
  test::TempTree t;
  const std::string file = t.Path("inc.txt");
  std::ofstream(file, std::ios::binary) << "+/a/\r\n-/b/\r\n";
  HeadlessSettings s = StartingSettings({}, 0);
  s.include_list.entries.push_back({"/old/", true, true});
  ASSERT_EQ(Apply({"--include-list", file, "--include", "/c"}, s), "");
  ASSERT_EQ(s.include_list.entries.size(), 3u);
  EXPECT_EQ(s.include_list.entries[0].text, "/a/");
  EXPECT_TRUE(s.include_list.entries[0].checked);
  EXPECT_FALSE(s.include_list.entries[1].checked);
  EXPECT_EQ(s.include_list.entries[2].text, "/c/");
  EXPECT_EQ(s.paths.IncListName, file);
}

TEST(ScanHelpTest, ListsEveryOptionWithItsBuiltInDefault) {
  // Each option on one line: its help goes on below it after 34 blanks.
  std::string help = ScanHelpText();
  const std::string continued = "\n" + std::string(34, ' ');
  for (std::size_t at; (at = help.find(continued)) != std::string::npos;) {
    help.replace(at, continued.size(), " ");
  }
  const std::pair<const char*, const char*> lines[] = {
      {"  -m, --mask=TEXT ", "(default: *.*)"},
      {"      --[no-]sub-dirs ", "(default: on)"},
      {"      --[no-]incl-dir-names ", "(default: off)"},
      {"      --min=NUMBER ", "(default: off)"},
      {"      --max-unit=UNIT ", "(default: Kbytes)"},
      {"      --delimiter=TEXT ", "(default: TAB)"},
      {"      --columns=LIST ", "(default: volume,path,size,date)"},
      {"      --sort=ORDER ", "(default: -)"},
      {"  -0, --null ", "(default: off)"},
      {"      --no-ini ", "read no settings file"},
      {"      --[no-]retrieve-volume-name ", "(default: on)"},
  };
  for (const auto& [start, end] : lines) {
    const std::size_t at = help.find(start);
    ASSERT_NE(at, std::string::npos) << start;
    const std::string line = help.substr(at, help.find('\n', at) - at);
    EXPECT_TRUE(line.ends_with(end)) << line;
  }
  // Every line fits in 100 columns.
  const std::string wrapped = ScanHelpText();
  for (std::size_t at = 0, end; (end = wrapped.find('\n', at)) != std::string::npos; at = end + 1) {
    EXPECT_LE(end - at, 100u);
  }
}

}  // namespace
}  // namespace krellix
