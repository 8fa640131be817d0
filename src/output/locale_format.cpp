#include "output/locale_format.h"

#include <cstdio>

namespace krellix {

std::string FormatNumber(double value, int decimals, const LocaleFormat& locale) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string text = buf;
  // "-0" after rounding a tiny negative value is shown as "0".
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);

  const std::size_t sign = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find('.');
  const std::size_t int_end = point == std::string::npos ? text.size() : point;

  std::string out = text.substr(0, sign);
  for (std::size_t i = sign; i < int_end; ++i) {
    out.push_back(text[i]);
    const std::size_t left = int_end - i - 1;
    if (left > 0 && left % 3 == 0) out += locale.thousands_sep;
  }
  if (point != std::string::npos) out += locale.decimal_point + text.substr(point + 1);
  return out;
}

namespace {

std::string ShortDate(WallMs t, const LocaleFormat& locale) {
  return locale.short_date ? locale.short_date(t) : FormatIsoDate(t);
}

std::string LongTime(WallMs t, const LocaleFormat& locale) {
  if (locale.long_time) return locale.long_time(t);
  const CivilDateTime c = ToCivil(t);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", c.hour, c.minute, c.second);
  return buf;
}

}  // namespace

std::string FormatDateTime(WallMs t, const LocaleFormat& locale) {
  return ShortDate(t, locale) + " " + LongTime(t, locale);
}

std::string FormatDateTimeOmitMidnight(WallMs t, const LocaleFormat& locale) {
  if (WallTimeOfDay(t) == 0) return ShortDate(t, locale);
  return FormatDateTime(t, locale);
}

}  // namespace krellix
