#include "fileops/rename_during.h"

namespace krellix {

std::string RenameDuringName(const std::string& name, const RenameDuring& rules,
                             const std::string& number) {
  const std::size_t dot = name.rfind('.');
  std::string base = dot == std::string::npos ? name : name.substr(0, dot);
  const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
  if (rules.old_text != rules.new_text && !rules.old_text.empty()) {
    if (const std::size_t at = base.find(rules.old_text); at != std::string::npos) {
      base.replace(at, rules.old_text.size(), rules.new_text);
    }
  }
  base = rules.prefix + base + rules.suffix;
  if (rules.number != NumberPlace::kSkip) {
    std::string digits = number;
    if (static_cast<int>(digits.size()) < rules.zero_fill) {
      digits.insert(0, static_cast<std::size_t>(rules.zero_fill) - digits.size(), '0');
    }
    const std::string sep = rules.use_separator ? rules.separator : std::string();
    base = rules.number == NumberPlace::kPrefix ? digits + sep + base : base + sep + digits;
  }
  return base + ext;
}

std::optional<int> ReadNumberField(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace krellix
