#include "platform/ascii_text.h"

#include <algorithm>

namespace krellix {
namespace {

std::string Mapped(std::string_view text, unsigned char (*map)(unsigned char)) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(map(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string AsciiUpper(std::string_view text) { return Mapped(text, AsciiUpper); }

std::string AsciiLower(std::string_view text) { return Mapped(text, AsciiLower); }

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return AsciiUpper(x) == AsciiUpper(y);
  });
}

bool LessIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](unsigned char x, unsigned char y) { return AsciiUpper(x) < AsciiUpper(y); });
}

}  // namespace krellix
