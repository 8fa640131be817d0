#pragma once

#include <cstdint>
#include <string>

namespace krellix {

// The play position and the length as "hh:mm:ss - hh:mm:ss" (00:01:05 - 00:03:30): hours,
// the minutes within the hour and the seconds within the minute, two digits each at least.
// Negative times count as 0.
std::string PlayTimeText(std::int64_t position_ms, std::int64_t length_ms);

}  // namespace krellix
