#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace krellix {
namespace {

TEST(NumberTextTest, DigitsMustFillTheTextAndFitTheType) {
  struct Row {
    const char* text;
    int base;
    std::optional<std::int64_t> value;
  };
  const Row rows[] = {
      {"0", 10, 0},
      {"007", 10, 7},
      {"-12", 10, -12},
      {"9223372036854775807", 10, INT64_MAX},
      {"9223372036854775808", 10, std::nullopt},
      {"", 10, std::nullopt},
      {"+1", 10, std::nullopt},
      {" 1", 10, std::nullopt},
      {"1 ", 10, std::nullopt},
      {"12a", 10, std::nullopt},
      {"fF", 16, 255},
      {"0x1", 16, std::nullopt},
      {"777", 8, 511},
      {"8", 8, std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(ParseDigits<std::int64_t>(r.text, r.base), r.value);
  }
  EXPECT_EQ(ParseDigits<unsigned char>("ff", 16), 255);
  EXPECT_FALSE(ParseDigits<unsigned char>("100", 16));
  EXPECT_FALSE(ParseDigits<unsigned>("-1"));
}

TEST(NumberTextTest, SignedDecimalTakesOneSign) {
  struct Row {
    const char* text;
    std::optional<int> value;
  };
  const Row rows[] = {
      {"+42", 42},           {"-42", -42},          {"42", 42},
      {"+", std::nullopt},   {"-", std::nullopt},   {"+-4", std::nullopt},
      {"--4", std::nullopt}, {"++4", std::nullopt}, {"2147483648", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(ParseSignedDecimal<int>(r.text), r.value);
  }
}

}  // namespace
}  // namespace krellix
