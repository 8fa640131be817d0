#pragma once

#include <string>
#include <string_view>

namespace krellix {

// Letter case of the ASCII letters a to z and A to Z alone, the same in every locale: every
// other byte, UTF-8 or not, stays as it is. unicode_text.h maps the letters beyond ASCII.

constexpr unsigned char AsciiUpper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

constexpr unsigned char AsciiLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// True when the texts differ at most in the case of ASCII letters.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Byte order of the texts with their ASCII letters upper-cased.
bool LessIgnoreAsciiCase(std::string_view a, std::string_view b);

}  // namespace krellix
