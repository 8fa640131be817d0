#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krellix::unicode {

// One character of a byte string. A valid UTF-8 sequence gives its code point; a byte that does
// not start one stands for itself as kRawByte + the byte, a value no code point takes, so such
// bytes compare only with the same byte.
struct Char {
  char32_t code;
  std::size_t length;  // bytes taken from the string, at least 1
};
inline constexpr char32_t kRawByte = 0x110000;

Char DecodeNonAscii(std::string_view text, std::size_t pos);

// The character that starts at `pos` (< text.size()).
inline Char Decode(std::string_view text, std::size_t pos) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (b < 0x80) return {b, 1};
  return DecodeNonAscii(text, pos);
}

char32_t UpperNonAscii(char32_t c);
char32_t LowerNonAscii(char32_t c);

// Simple one-to-one case mappings, the same in every locale. Raw bytes map to themselves.
inline char32_t Upper(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  return UpperNonAscii(c);
}
inline char32_t Lower(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return LowerNonAscii(c);
}

// Appends the UTF-8 bytes of `c` (or the raw byte it stands for).
void AppendChar(std::string& out, char32_t c);

// `text` with every character upper-cased by Upper; bytes that are not valid UTF-8 are kept.
std::string UpperCase(std::string_view text);

// Characters of UTF-8 text as a display counts them: every byte that does not continue a
// sequence starts one.
inline std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (const char ch : text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  return n;
}

// The byte offset where character `count` of `text` begins, counted as CharCount does (the
// size when it has fewer).
inline std::size_t CharBoundary(std::string_view text, std::size_t count) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (n++ == count) return i;
  }
  return text.size();
}

}  // namespace krellix::unicode
