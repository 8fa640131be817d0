#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace krellix {

// A point in time on the local wall clock: milliseconds since 1970-01-01 00:00 local time.
// Days and times of day fall out by plain division, which the date criteria rely on.
using WallMs = std::int64_t;

inline constexpr WallMs kMsPerDay = 86'400'000;

struct CivilDateTime {
  int year = 1970, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Day number (days since 1970-01-01) of a local wall time; floors for times before 1970.
std::int64_t WallDay(WallMs t);
// Milliseconds since local midnight, 0 to 86'399'999.
std::int64_t WallTimeOfDay(WallMs t);

CivilDateTime ToCivil(WallMs t);
WallMs FromCivil(const CivilDateTime& c);

// "yyyy-mm-dd hh:mm", the date of an item line.
std::string FormatItemDate(WallMs t);
// The same into `out`, whose capacity is reused.
void FormatItemDate(WallMs t, std::string& out);
// "yyyy-mm-dd", the date of the statistics.
std::string FormatIsoDate(WallMs t);
// "yyyy/mm/dd hh:nn:ss ", the stamp of a log line (trailing blank included).
std::string FormatLogStamp(WallMs t);
// "hh:mm:ss:zzz", a duration.
std::string FormatDuration(std::int64_t ms);

// Converts UTC seconds since the epoch to the local wall clock. The zone offset is cached per
// quarter hour (every zone's transitions fall on quarter hours), so a walk over a million files
// calls localtime_r only for the few distinct quarter hours it meets.
class LocalTimeConverter {
 public:
  WallMs FromUtc(std::int64_t utc_seconds, int millis = 0);

 private:
  static constexpr int kCacheSize = 64;
  struct Slot {
    std::int64_t quarter = INT64_MIN;
    std::int64_t offset_seconds = 0;
  };
  Slot cache_[kCacheSize];
};

}  // namespace krellix
