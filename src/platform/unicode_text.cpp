#include "platform/unicode_text.h"

#include <glib.h>

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
  std::size_t i = 0;
  for (; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (b >= 0x80) break;
    if (b >= 'a' && b <= 'z') out[i] = static_cast<char>(b - 32);
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

std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += Decode(text, i).length) ++n;
  return n;
}

}  // namespace krellix::unicode
