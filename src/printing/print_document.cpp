#include "printing/print_document.h"

#include <algorithm>

#include "platform/unicode_text.h"

namespace krellix {

void PageWriter::Draw(int x, int line, std::string text) {
  if (document_.pages.empty() || break_pending_) {
    document_.pages.emplace_back();
    break_pending_ = false;
  }
  document_.pages.back().push_back({x, line * line_height_, std::move(text)});
}

std::string CutText(std::string_view text, int limit) {
  const std::size_t keep = static_cast<std::size_t>(std::max(0, limit));
  if (unicode::CharCount(text) <= keep) return std::string(text);
  const std::size_t dots = std::min<std::size_t>(3, keep);
  std::string cut(text.substr(0, unicode::CharBoundary(text, keep - dots)));
  return cut.append(dots, '.');
}

}  // namespace krellix
