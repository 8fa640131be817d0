#include "platform/unicode_text.h"

#include <gtest/gtest.h>

namespace krellix::unicode {
namespace {

TEST(UnicodeTextTest, UpperCaseFoldsCharactersAndKeepsOtherBytes) {
  struct Row {
    const char* text;
    const char* upper;
  };
  for (const Row& row : {
           // Every ASCII neighbour of the letters, across the eight-byte steps.
           Row{"`abyz{@AZ[ ~/.-_09`abyz{", "`ABYZ{@AZ[ ~/.-_09`ABYZ{"},
           Row{"/home/user/caf\xc3\xa9.txt", "/HOME/USER/CAF\xc3\x89.TXT"},
           Row{"\xd0\xbf\xd1\x80\xd0\xb8", "\xd0\x9f\xd0\xa0\xd0\x98"},
           // No one-character upper case: unchanged.
           Row{"stra\xc3\x9f", "STRA\xc3\x9f"},
           // Not UTF-8: a stray lead byte, a lone continuation byte, a truncated sequence.
           Row{"a\xc3(b\xa9z\xe2\x82", "A\xc3(B\xa9Z\xe2\x82"},
       }) {
    EXPECT_EQ(UpperCase(row.text), row.upper) << row.text;
  }
}

TEST(UnicodeTextTest, DecodeGivesCodePointsOrRawBytes) {
  const std::string text = "a\xc3\xa9\xff\xf0\x9f\x98\x80";
  std::vector<char32_t> codes;
  for (std::size_t i = 0; i < text.size(); i += Decode(text, i).length) {
    codes.push_back(Decode(text, i).code);
  }
  EXPECT_EQ(codes, (std::vector<char32_t>{'a', 0xE9, kRawByte + 0xFF, 0x1F600}));
  std::string back;
  for (const char32_t c : codes) AppendChar(back, c);
  EXPECT_EQ(back, text);
}

}  // namespace
}  // namespace krellix::unicode
