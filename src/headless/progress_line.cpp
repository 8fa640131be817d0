#include "headless/progress_line.h"

namespace krellix {
namespace {

// Back to the start of the line, and the rest of the line erased after the text.
constexpr char kLineStart[] = "\r";
constexpr char kEraseToEnd[] = "\x1b[K";

}  // namespace

std::string ProgressText(std::int64_t dirs, std::int64_t entries, std::int64_t matches) {
  return std::to_string(dirs) + " directories, " + std::to_string(entries) + " entries, " +
         std::to_string(matches) + " matches";
}

void ProgressLine::Update(std::int64_t dirs, std::int64_t entries, std::int64_t matches) {
  const std::int64_t now = steady_ms_();
  if (shown_ && now - last_ms_ < interval_ms_) return;
  shown_ = true;
  last_ms_ = now;
  write_(kLineStart + ProgressText(dirs, entries, matches) + kEraseToEnd);
}

void ProgressLine::Clear() {
  if (!shown_) return;
  shown_ = false;
  write_(std::string(kLineStart) + kEraseToEnd);
}

}  // namespace krellix
