#include "base/startup_options.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

struct SwitchCase {
  const char* name;
  std::vector<std::string> args;
  bool skip_ini, bart_pe, scan_to_file;
  std::vector<std::string> log_lines;
};

class SwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, SetsFlagsAndLogLines) {
  const SwitchCase& c = GetParam();
  const StartupOptions o = ParseCommandLine(c.args);
  EXPECT_EQ(o.SkipIni, c.skip_ini);
  EXPECT_EQ(o.BartPE, c.bart_pe);
  EXPECT_EQ(o.ScanToFile, c.scan_to_file);
  EXPECT_EQ(o.log_lines, c.log_lines);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchTest,
    testing::Values(
        SwitchCase{"none", {"/opt/k/krellix"}, false, false, false, {}},
        SwitchCase{"ini", {"/opt/k/krellix", "-i"}, true, false, false, {}},
        SwitchCase{"ini_upper", {"/opt/k/krellix", "-I"}, true, false, false, {}},
        SwitchCase{"pe_implies_ini", {"/opt/k/krellix", "-Pe"}, true, true, false, {"PE=Yes"}},
        SwitchCase{
            "scan_to_file", {"/opt/k/krellix", "-SF"}, false, false, true, {"Scan_to_file=Yes"}},
        SwitchCase{"repeated_switch_repeats_line",
                   {"/opt/k/krellix", "-sf", "-pe", "-sf"},
                   true,
                   true,
                   true,
                   {"Scan_to_file=Yes", "PE=Yes", "Scan_to_file=Yes"}},
        SwitchCase{"no_splash_and_others_are_no_switch",
                   {"/opt/k/krellix", "-ns", "-x", "i", "--i"},
                   false,
                   false,
                   false,
                   {}},
        SwitchCase{"program_path_is_never_a_switch", {"-sf"}, false, false, false, {}}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

TEST(ParseCommandLine, StartUpParmIsTheNameAndEveryArgument) {
  const StartupOptions o = ParseCommandLine({"/opt/k/krellix", "-i", "Some Dir", "-ns"});
  EXPECT_EQ(o.StartUpDir, "/opt/k/");
  EXPECT_EQ(o.StartUpParm, "krellix -i Some Dir -ns");
  EXPECT_EQ(ParseCommandLine({"/opt/k/krellix"}).StartUpParm, "krellix");
}

TEST(WantsSplash, OnlyTheExactLowerCaseSwitchSuppressesIt) {
  EXPECT_TRUE(WantsSplash({"/opt/k/krellix"}));
  EXPECT_FALSE(WantsSplash({"/opt/k/krellix", "-ns"}));
  EXPECT_TRUE(WantsSplash({"/opt/k/krellix", "-NS"}));
  EXPECT_TRUE(WantsSplash({"/opt/k/krellix", "-ns "}));
  EXPECT_FALSE(WantsSplash({"-ns"}));
}

}  // namespace
}  // namespace krellix
