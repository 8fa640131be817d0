#include "platform/wall_time.h"

#include <cstdio>

namespace krellix {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Howard Hinnant's days_from_civil / civil_from_days.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = FloorDiv(y, 400);
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

}  // namespace

std::int64_t WallDay(WallMs t) { return FloorDiv(t, kMsPerDay); }

std::int64_t WallTimeOfDay(WallMs t) { return t - WallDay(t) * kMsPerDay; }

CivilDateTime ToCivil(WallMs t) {
  CivilDateTime c;
  CivilFromDays(WallDay(t), c.year, c.month, c.day);
  std::int64_t ms = WallTimeOfDay(t);
  c.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  c.second = static_cast<int>(ms % 60);
  ms /= 60;
  c.minute = static_cast<int>(ms % 60);
  c.hour = static_cast<int>(ms / 60);
  return c;
}

WallMs FromCivil(const CivilDateTime& c) {
  const std::int64_t days =
      DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day));
  return days * kMsPerDay +
         ((static_cast<std::int64_t>(c.hour) * 60 + c.minute) * 60 + c.second) * 1000 +
         c.millisecond;
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
  const CivilDateTime c = ToCivil(t);
  if (c.year < 0 || c.year > 9999) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour,
                  c.minute);
    return buf;
  }
  // Called for every match of a scan: no format parsing.
  std::string s = "0000-00-00 00:00";
  PutDigits(&s[0], c.year, 4);
  PutDigits(&s[5], c.month, 2);
  PutDigits(&s[8], c.day, 2);
  PutDigits(&s[11], c.hour, 2);
  PutDigits(&s[14], c.minute, 2);
  return s;
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
  const std::int64_t quarter = FloorDiv(utc_seconds, 900);
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
