#include "base/program_arguments.h"

#include <gtest/gtest.h>

#include "base/startup_options.h"

namespace krellix {
namespace {

using Kind = ProgramRequest::Kind;

struct ArgumentCase {
  const char* name;
  std::vector<std::string> args;  // after the program path
  Kind kind;
  const char* start_dir;
  const char* error_has;  // a part of the message of a bad option
};

class ProgramArgumentsTest : public testing::TestWithParam<ArgumentCase> {};

TEST_P(ProgramArgumentsTest, ReadsTheRequest) {
  const ArgumentCase& c = GetParam();
  std::vector<std::string> args{"/usr/bin/krellix"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const ProgramRequest r = ReadProgramArguments(args);
  EXPECT_EQ(r.kind, c.kind);
  EXPECT_EQ(r.start_dir, c.start_dir);
  EXPECT_NE(r.error.find(c.error_has), std::string::npos) << r.error;
  EXPECT_EQ(r.error.empty(), c.kind != Kind::kBadOption);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgramArgumentsTest,
    testing::Values(
        ArgumentCase{"nothing", {}, Kind::kRun, "", ""},
        ArgumentCase{"switches_any_case", {"-ns", "-NS", "-i", "-Pe", "-SF"}, Kind::kRun, "", ""},
        ArgumentCase{"directory", {"-i", "/usr/share"}, Kind::kRun, "/usr/share", ""},
        ArgumentCase{"relative_directory_as_typed", {"docs", "-sf"}, Kind::kRun, "docs", ""},
        ArgumentCase{"help", {"-i", "--help", "--bogus"}, Kind::kHelp, "", ""},
        ArgumentCase{"short_help", {"-h"}, Kind::kHelp, "", ""},
        ArgumentCase{"version", {"--version"}, Kind::kVersion, "", ""},
        ArgumentCase{"unknown_option", {"--bogus"}, Kind::kBadOption, "", "'--bogus'"},
        ArgumentCase{"unknown_after_directory", {"/tmp", "-x"}, Kind::kBadOption, "/tmp", "'-x'"},
        ArgumentCase{"switch_with_blank_is_unknown", {"-i "}, Kind::kBadOption, "", "'-i '"},
        ArgumentCase{"two_directories", {"/a", "/b"}, Kind::kBadOption, "/a", "'/b'"},
        ArgumentCase{"dash_dash_ends_options", {"--", "-odd"}, Kind::kRun, "-odd", ""},
        ArgumentCase{"lone_dash_is_a_directory", {"-"}, Kind::kRun, "-", ""},
        ArgumentCase{"qt_options_with_their_values",
                     {"-platform", "offscreen", "--style=fusion", "-reverse", "/srv"},
                     Kind::kRun,
                     "/srv",
                     ""},
        ArgumentCase{"qt_flag_takes_no_value", {"-reverse=1"}, Kind::kBadOption, "", "-reverse"}),
    [](const testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

TEST(ProgramArguments, UsageAndVersionNameTheProgram) {
  EXPECT_EQ(ProgramUsage().rfind("Usage: krellix [OPTION]... [DIRECTORY]\n", 0), 0u);
  for (const char* option : {"-ns", "-i", "-pe", "-sf", "--help", "--version", "krellix scan"}) {
    EXPECT_NE(ProgramUsage().find(option), std::string::npos) << option;
  }
  EXPECT_EQ(ProgramVersion().rfind("Krellix Version 1.2.2\nCopyright", 0), 0u);
}

TEST(ParseCommandLine, KeepsTheStartDirectory) {
  EXPECT_EQ(ParseCommandLine({"/opt/k/krellix", "-i", "/srv/data"}).start_dir, "/srv/data");
  EXPECT_EQ(ParseCommandLine({"/opt/k/krellix", "-sf"}).start_dir, "");
}

}  // namespace
}  // namespace krellix
