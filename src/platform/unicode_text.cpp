#include "platform/unicode_text.h"

#include <glib.h>

#include <cstdint>
#include <cstring>

#include "platform/ascii_text.h"

namespace krellix::unicode {

Char DecodeNonAscii(std::string_view text, std::size_t pos) {
  const gchar* p = text.data() + pos;
  const auto max_len = static_cast<gssize>(text.size() - pos);
  const gunichar c = g_utf8_get_char_validated(p, max_len);
  if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
    return {kRawByte + static_cast<unsigned char>(*p), 1};
  }
  // A validated sequence is as long as its lead byte says.
  return {static_cast<char32_t>(c),
          static_cast<std::size_t>(g_utf8_skip[static_cast<unsigned char>(*p)])};
}

char32_t UpperNonAscii(char32_t c) {
  if (c >= kRawByte) return c;
  return g_unichar_toupper(c);
}

char32_t LowerNonAscii(char32_t c) {
  if (c >= kRawByte) return c;
  return g_unichar_tolower(c);
}

void AppendChar(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c >= kRawByte) {
    out.push_back(static_cast<char>(c - kRawByte));
  } else {
    gchar buf[6];
    out.append(buf, static_cast<std::size_t>(g_unichar_to_utf8(c, buf)));
  }
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  // Eight ASCII bytes at a time: a byte is a lower-case letter when adding 0x1F sets its top bit
  // (>= 'a') and adding 0x05 does not (<= 'z'); no carry crosses bytes below 0x80.
  constexpr std::uint64_t kOnes = 0x0101010101010101, kTops = 0x8080808080808080;
  std::size_t i = 0;
  for (; i + 8 <= out.size(); i += 8) {
    std::uint64_t x;
    std::memcpy(&x, out.data() + i, 8);
    if (x & kTops) break;
    const std::uint64_t lower = (x + kOnes * 0x1F) & ~(x + kOnes * 0x05) & kTops;
    x ^= lower >> 2;
    std::memcpy(out.data() + i, &x, 8);
  }
  for (; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (b >= 0x80) break;
    out[i] = static_cast<char>(AsciiUpper(b));
  }
  if (i == out.size()) return out;
  // From the first non-ASCII byte on, characters may change their length.
  out.resize(i);
  while (i < text.size()) {
    const Char ch = Decode(text, i);
    AppendChar(out, Upper(ch.code));
    i += ch.length;
  }
  return out;
}

}  // namespace krellix::unicode
