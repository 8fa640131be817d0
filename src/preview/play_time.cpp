#include "preview/play_time.h"

#include <algorithm>
#include <cstdio>

namespace krellix {
namespace {

std::string Clock(std::int64_t ms) {
  const std::int64_t seconds = std::max<std::int64_t>(ms, 0) / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

}  // namespace

std::string PlayTimeText(std::int64_t position_ms, std::int64_t length_ms) {
  return Clock(position_ms) + " - " + Clock(length_ms);
}

}  // namespace krellix
