#include "settings/value_range.h"

#include "platform/profile_file.h"

namespace krellix {
namespace {

// Digits (with an optional sign and blanks), or "0x" and hexadecimal digits: a number, though
// perhaps too large for any integer.
bool LooksLikeNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  const bool hex = text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hex) {
    text.remove_prefix(2);
  } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  for (const char c : text) {
    const bool digit = c >= '0' && c <= '9';
    const bool hex_letter = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!digit && !(hex && hex_letter)) return false;
  }
  return true;
}

}  // namespace

std::string OutOfRangeText(std::string_view section, std::string_view key, std::string_view value) {
  return "Out_of_range=[" + std::string(section) + "] " + std::string(key) + "=" +
         std::string(value);
}

int ReadIntInRange(const ProfileFile& file, std::string_view section, std::string_view key, int def,
                   IntRange range, const OutOfRangeReport& report) {
  const auto text = file.Read(section, key);
  if (!text) return def;
  const auto value = ParseProfileInt(*text);
  if (!value && !LooksLikeNumber(*text)) return def;
  if (!value || !range.Contains(*value)) {
    if (report) report(OutOfRangeText(section, key, *text));
    return def;
  }
  return static_cast<int>(*value);
}

}  // namespace krellix
