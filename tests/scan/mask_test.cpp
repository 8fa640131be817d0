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
    ::testing::Values(
        MaskCase{"star_dot_star_needs_dot", "*.*", "README", false},
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
        // Characters, not bytes: "?" takes one whatever its length, sets and
        // ranges hold any character, and letter case folds beyond ASCII.
        MaskCase{"question_takes_a_utf8_char", "caf?.txt", "caf\xc3\xa9.txt", true},
        MaskCase{"question_not_one_byte_of_it", "caf??.txt", "caf\xc3\xa9.txt", false},
        MaskCase{"set_of_non_ascii", "[\xc3\xa9\xc3\xa8]t\xc3\xa9", "\xc3\xa8t\xc3\xa9", true},
        MaskCase{"non_ascii_range", "[\xc3\xa0-\xc3\xbf]x", "\xc3\xb1x", true},
        MaskCase{"non_ascii_range_miss", "[\xc3\xa0-\xc3\xbf]x", "ax", false},
        MaskCase{"non_ascii_range_folds_case", "[\xc3\xa0-\xc3\xbf]x", "\xc3\x91x", true},
        MaskCase{"negated_non_ascii", "[!\xc3\xa9]", "\xc3\xa9", false},
        MaskCase{"non_ascii_case_folds", "\xc3\x89T\xc3\x89.TXT", "\xc3\xa9t\xc3\xa9.txt", true},
        MaskCase{"greek_case_folds", "\xce\xb1*", "\xce\x91\xce\x92", true},
        // A byte that is no UTF-8 is one character that matches only itself.
        MaskCase{"invalid_byte_is_one_char", "caf?.txt", "caf\xe9.txt", true},
        MaskCase{"invalid_byte_literal", "caf\xe9*", "caf\xe9\xff", true},
        MaskCase{"invalid_byte_not_its_letter", "caf\xe9", "caf\xc3\xa9", false},
        MaskCase{"empty_mask_empty_text", "", "", true},
        MaskCase{"empty_mask_text", "", "a", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskParseTest, MalformedMasksReportPosition) {
  struct Bad {
    const char* mask;
    int position;
  };
  for (const Bad& bad : {Bad{"[abc", 5}, Bad{"*.[", 4}, Bad{"x[a-]", 5}, Bad{"[a-", 4},
                         // Positions count characters: "é" is one.
                         Bad{"\xc3\xa9[a-]", 5}}) {
    int pos = 0;
    EXPECT_FALSE(Mask::Parse(bad.mask, &pos).has_value()) << bad.mask;
    EXPECT_EQ(pos, bad.position) << bad.mask;
  }
  EXPECT_EQ(Mask::InvalidMaskMessage("[abc", 5), "'[abc' is an invalid mask at (5)");
}

}  // namespace
}  // namespace krellix
