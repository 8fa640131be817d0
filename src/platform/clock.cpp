#include "platform/clock.h"

#include <chrono>

namespace krellix {

WallMs Clock::Now() const {
  if (fake_) return fake_();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  LocalTimeConverter converter;
  return converter.FromUtc(ms / 1000, static_cast<int>(ms % 1000));
}

std::int64_t Clock::SteadyMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace krellix
