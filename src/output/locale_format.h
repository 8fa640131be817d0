#pragma once

#include <functional>
#include <string>

#include "platform/wall_time.h"

namespace krellix {

// How numbers, dates and times are shown to the person who reads a saved file or the log. The
// window fills it from the system's locale; the defaults give "1,234.5", "2024-06-01" and
// "13:05:09".
struct LocaleFormat {
  std::string thousands_sep = ",";
  std::string decimal_point = ".";
  // The locale's short date and long time of a wall time; empty: the defaults above.
  std::function<std::string(WallMs)> short_date;
  std::function<std::string(WallMs)> long_time;
};

// `value` rounded to `decimals` places, with the thousands separator between groups of three
// integer digits: 999999999999999 with 3 decimals gives "999,999,999,999,999.000", -1 gives
// "-1.000".
std::string FormatNumber(double value, int decimals, const LocaleFormat& locale);

// The short date, a blank and the long time.
std::string FormatDateTime(WallMs t, const LocaleFormat& locale);
// As FormatDateTime, but only the date at exactly midnight.
std::string FormatDateTimeOmitMidnight(WallMs t, const LocaleFormat& locale);

}  // namespace krellix
