#pragma once

#include <cstdint>
#include <functional>

#include "platform/wall_time.h"

namespace krellix {

// The one source of "now" for code that stamps or measures. Tests set a fixed wall time.
class Clock {
 public:
  // Local wall time now.
  WallMs Now() const;
  // Milliseconds of a steady clock, for durations.
  std::int64_t SteadyMs() const;

  // Makes Now() return what `fake` returns; an empty function restores the real clock.
  void SetFake(std::function<WallMs()> fake) { fake_ = std::move(fake); }

 private:
  std::function<WallMs()> fake_;
};

}  // namespace krellix
