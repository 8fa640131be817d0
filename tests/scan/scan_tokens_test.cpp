#include "scan/scan_tokens.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

using Tokens = std::vector<std::string>;

struct TokenCase {
  const char* name;
  std::string text;
  Tokens expected;
};

class TokeniseTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokeniseTest, SplitsByCommaTextRules) {
  EXPECT_EQ(TokeniseScanString(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TokeniseTest,
    ::testing::Values(
        TokenCase{"blank_separated", "*.txt *.doc", {"*.txt", "*.doc"}},
        TokenCase{"comma_separated", "*.txt,*.doc", {"*.txt", "*.doc"}},
        TokenCase{"comma_and_blank", "*.txt, *.doc", {"*.txt", "*.doc"}},
        TokenCase{"blank_before_comma", "a ,b", {"a", "b"}},
        TokenCase{"leading_controls", "\t\n  a", {"a"}},
        TokenCase{"quoted_keeps_blanks", "\"my file\" *.txt", {"my file", "*.txt"}},
        TokenCase{"doubled_quote", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
        TokenCase{"unclosed_quote_runs_to_end", "\"open end", {"open end"}},
        TokenCase{"trailing_comma_adds_empty", "*.txt,", {"*.txt", ""}},
        TokenCase{"two_commas_empty_between", "a,,b", {"a", "", "b"}},
        TokenCase{"lone_comma", ",", {"", ""}}, TokenCase{"empty_text", "", {}},
        TokenCase{"only_blanks", "   ", {}},
        TokenCase{"utf8_bytes_belong_to_token", "\xc3\xa9t\xc3\xa9 x", {"\xc3\xa9t\xc3\xa9", "x"}},
        TokenCase{"text_after_quote_is_new_token", "\"ab\"cd", {"ab", "cd"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace krellix
