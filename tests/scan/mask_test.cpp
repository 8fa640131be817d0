#include "scan/mask.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

struct MaskCase {
  const char* name;
  const char* mask;
  const char* text;
  bool matches;
};

class MaskMatchTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskMatchTest, Matches) {
  const auto mask = Mask::Parse(GetParam().mask);
  ASSERT_TRUE(mask.has_value());
  EXPECT_EQ(mask->Matches(GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskMatchTest,
    ::testing::Values(MaskCase{"star_dot_star_needs_dot", "*.*", "README", false},
                      MaskCase{"star_dot_star_with_dot", "*.*", "a.b", true},
                      MaskCase{"star_matches_empty", "*.txt", ".txt", true},
                      MaskCase{"suffix", "*.txt", "notes.TXT", true},
                      MaskCase{"suffix_mismatch", "*.txt", "notes.txt.bak", false},
                      MaskCase{"question_exactly_one", "a?c", "abc", true},
                      MaskCase{"question_not_zero", "a?c", "ac", false},
                      MaskCase{"set_range", "file[0-9].log", "file7.log", true},
                      MaskCase{"set_range_miss", "file[0-9].log", "filex.log", false},
                      MaskCase{"set_negated", "[!a]*", "bcd", true},
                      MaskCase{"set_negated_miss", "[!a]*", "Abc", false},
                      MaskCase{"set_ignores_case", "[a-c]x", "Bx", true},
                      MaskCase{"literal_case_folded", "Report*", "report.txt", true},
                      MaskCase{"many_stars_backtrack", "*a*b*c", "xxaxxbxxbxc", true},
                      MaskCase{"many_stars_fail", "*a*b*c", "xxaxxbxxbx", false},
                      MaskCase{"non_ascii_exact", "\xc3\xa9*", "\xc3\xa9t\xc3\xa9", true},
                      MaskCase{"empty_mask_empty_text", "", "", true},
                      MaskCase{"empty_mask_text", "", "a", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskParseTest, MalformedMasksReportPosition) {
  struct Bad {
    const char* mask;
    int position;
  };
  for (const Bad& bad : {Bad{"[abc", 5}, Bad{"*.[", 4}, Bad{"x[a-]", 5}, Bad{"[a-", 4}}) {
    int pos = 0;
    EXPECT_FALSE(Mask::Parse(bad.mask, &pos).has_value()) << bad.mask;
    EXPECT_EQ(pos, bad.position) << bad.mask;
  }
  EXPECT_EQ(Mask::InvalidMaskMessage("[abc", 5), "'[abc' is an invalid mask at (5)");
}

}  // namespace
}  // namespace krellix
