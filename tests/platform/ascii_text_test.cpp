#include "platform/ascii_text.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

TEST(AsciiTextTest, MapsOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper("az AZ 09 @[`{ \xc3\xa9"), "AZ AZ 09 @[`{ \xc3\xa9");
  EXPECT_EQ(AsciiLower("az AZ 09 @[`{ \xc3\x89"), "az az 09 @[`{ \xc3\x89");
  EXPECT_EQ(AsciiUpper('q'), 'Q');
  EXPECT_EQ(AsciiLower('Q'), 'q');
  EXPECT_EQ(AsciiUpper(0xE9), 0xE9);
}

TEST(AsciiTextTest, EqualsIgnoringCaseFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase("Abc*.TXT", "aBC*.txt"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("abc", "abcd"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("\xc3\xa9", "\xc3\x89"));  // é and É stay distinct
  EXPECT_FALSE(EqualsIgnoreAsciiCase("@", "`"));
}

TEST(AsciiTextTest, OrdersAsUpperCaseBytes) {
  EXPECT_TRUE(LessIgnoreAsciiCase("apple", "Banana"));
  EXPECT_FALSE(LessIgnoreAsciiCase("Apple", "apple"));
  EXPECT_FALSE(LessIgnoreAsciiCase("apple", "Apple"));
  EXPECT_TRUE(LessIgnoreAsciiCase("ab", "abc"));
  // Upper-cased, letters come before '_'; bytes above 0x7F come after every ASCII byte.
  EXPECT_TRUE(LessIgnoreAsciiCase("z", "_"));
  EXPECT_TRUE(LessIgnoreAsciiCase("z", "\xc3\xa9"));
}

}  // namespace
}  // namespace krellix
