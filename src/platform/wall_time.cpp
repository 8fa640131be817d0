#include "platform/wall_time.h"

#include <chrono>
#include <cstdio>

namespace krellix {
namespace {

using std::chrono::days;
using std::chrono::milliseconds;
using std::chrono::sys_days;

// std::chrono::year ends at +-32767, while a file time may lie further out. The Gregorian
// calendar repeats every 400 years, which are exactly 400 average years, so dates are worked
// out within one cycle and whole cycles are carried beside.
using Cycles =
    std::chrono::duration<std::int64_t,
                          std::ratio_multiply<std::ratio<400>, std::chrono::years::period>>;

// The zone offset is the same within a quarter hour.
using QuarterHours = std::chrono::duration<std::int64_t, std::ratio<900>>;

sys_days DayOf(WallMs t) { return sys_days{std::chrono::floor<days>(milliseconds{t})}; }

}  // namespace

std::int64_t WallDay(WallMs t) { return DayOf(t).time_since_epoch().count(); }

std::int64_t WallTimeOfDay(WallMs t) {
  return (milliseconds{t} - DayOf(t).time_since_epoch()).count();
}

CivilDateTime ToCivil(WallMs t) {
  const sys_days day = DayOf(t);
  const Cycles cycles = std::chrono::floor<Cycles>(day.time_since_epoch());
  const std::chrono::year_month_day date{day - cycles};
  const std::chrono::hh_mm_ss time{milliseconds{t} - day.time_since_epoch()};
  CivilDateTime c;
  c.year = static_cast<int>(date.year()) + static_cast<int>(cycles.count()) * 400;
  c.month = static_cast<int>(static_cast<unsigned>(date.month()));
  c.day = static_cast<int>(static_cast<unsigned>(date.day()));
  c.hour = static_cast<int>(time.hours().count());
  c.minute = static_cast<int>(time.minutes().count());
  c.second = static_cast<int>(time.seconds().count());
  c.millisecond = static_cast<int>(time.subseconds().count());
  return c;
}

WallMs FromCivil(const CivilDateTime& c) {
  const Cycles cycles = std::chrono::floor<Cycles>(std::chrono::years{c.year});
  const int year_in_cycle = c.year - static_cast<int>(cycles.count()) * 400;
  // Months and days past the end of their year or month carry into the next one.
  const std::chrono::year_month month =
      std::chrono::year{year_in_cycle} / std::chrono::January + std::chrono::months{c.month - 1};
  const sys_days day = sys_days{month / 1} + days{c.day - 1} + cycles;
  const milliseconds time = std::chrono::hours{c.hour} + std::chrono::minutes{c.minute} +
                            std::chrono::seconds{c.second} + milliseconds{c.millisecond};
  return (day.time_since_epoch() + time).count();
}

namespace {

// Writes `value` as `width` decimal digits at `out`.
void PutDigits(char* out, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

}  // namespace

std::string FormatItemDate(WallMs t) {
  std::string s;
  FormatItemDate(t, s);
  return s;
}

void FormatItemDate(WallMs t, std::string& s) {
  const CivilDateTime c = ToCivil(t);
  if (c.year < 0 || c.year > 9999) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour,
                  c.minute);
    s = buf;
    return;
  }
  // Called for every match of a scan: no format parsing.
  s = "0000-00-00 00:00";
  PutDigits(&s[0], c.year, 4);
  PutDigits(&s[5], c.month, 2);
  PutDigits(&s[8], c.day, 2);
  PutDigits(&s[11], c.hour, 2);
  PutDigits(&s[14], c.minute, 2);
}

std::string FormatIsoDate(WallMs t) {
  const CivilDateTime c = ToCivil(t);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
  return buf;
}

std::string FormatLogStamp(WallMs t) {
  const CivilDateTime c = ToCivil(t);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d ", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return buf;
}

std::string FormatDuration(std::int64_t ms) {
  if (ms < 0) ms = 0;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld:%03lld",
                static_cast<long long>(ms / 3'600'000), static_cast<long long>(ms / 60'000 % 60),
                static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  return buf;
}

WallMs LocalTimeConverter::FromUtc(std::int64_t utc_seconds, int millis) {
  const std::int64_t quarter =
      std::chrono::floor<QuarterHours>(std::chrono::seconds{utc_seconds}).count();
  Slot& slot = cache_[static_cast<std::size_t>(quarter & (kCacheSize - 1))];
  if (slot.quarter != quarter) {
    const std::time_t probe = static_cast<std::time_t>(quarter * 900);
    std::tm tm{};
    if (localtime_r(&probe, &tm) != nullptr) {
      slot.offset_seconds = tm.tm_gmtoff;
    } else {
      slot.offset_seconds = 0;
    }
    slot.quarter = quarter;
  }
  return (utc_seconds + slot.offset_seconds) * 1000 + millis;
}

}  // namespace krellix
