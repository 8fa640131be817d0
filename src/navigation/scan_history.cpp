#include "navigation/scan_history.h"

#include <algorithm>

#include "platform/ascii_text.h"

namespace krellix {

ScanHistory::Added ScanHistory::Add(const std::string& scan_arg, int history_size) {
  Added result;
  if (scan_arg.empty()) return result;
  const std::size_t limit = static_cast<std::size_t>(std::max(history_size, 0));
  if (entries_.size() > limit) {
    entries_.resize(limit);
    result.changed = true;
  }
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
    return EqualsIgnoreAsciiCase(e, scan_arg);
  });
  if (found != entries_.end()) {
    result.selected = static_cast<int>(found - entries_.begin());
    return result;
  }
  entries_.insert(entries_.begin(), scan_arg);
  result.changed = true;
  result.selected = 0;
  // The oldest entry makes room: the history never holds more than its size.
  if (entries_.size() > limit) {
    entries_.resize(limit);
    if (limit == 0) result.selected = -1;
  }
  return result;
}

void ScanHistory::SortEntries() {
  std::stable_sort(entries_.begin(), entries_.end(), LessIgnoreAsciiCase);
}

int ScanHistory::IndexOf(const std::string& text) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
    return EqualsIgnoreAsciiCase(e, text);
  });
  return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

}  // namespace krellix
