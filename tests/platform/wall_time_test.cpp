#include "platform/wall_time.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace krellix {
namespace {

TEST(WallTimeTest, CivilRoundTripAndFormats) {
  struct Row {
    CivilDateTime c;
    const char* item;
    const char* log;
  };
  const Row rows[] = {
      {{2014, 3, 7, 9, 5, 0, 0}, "2014-03-07 09:05", "2014/03/07 09:05:00 "},
      {{1969, 12, 31, 23, 59, 58, 0}, "1969-12-31 23:59", "1969/12/31 23:59:58 "},
      {{1901, 1, 1, 0, 0, 0, 0}, "1901-01-01 00:00", "1901/01/01 00:00:00 "},
      {{2000, 2, 29, 12, 30, 45, 999}, "2000-02-29 12:30", "2000/02/29 12:30:45 "},
      {{2107, 12, 31, 23, 59, 59, 0}, "2107-12-31 23:59", "2107/12/31 23:59:59 "},
      {{33658, 9, 27, 1, 46, 40, 0}, "33658-09-27 01:46", "33658/09/27 01:46:40 "},
      {{-40000, 2, 29, 6, 0, 0, 0}, "-40000-02-29 06:00", "-40000/02/29 06:00:00 "},
  };
  for (const Row& r : rows) {
    const WallMs t = FromCivil(r.c);
    const CivilDateTime back = ToCivil(t);
    EXPECT_EQ(back.year, r.c.year);
    EXPECT_EQ(back.month, r.c.month);
    EXPECT_EQ(back.day, r.c.day);
    EXPECT_EQ(back.millisecond, r.c.millisecond);
    EXPECT_EQ(FormatItemDate(t), r.item);
    EXPECT_EQ(FormatLogStamp(t), r.log);
  }
}

TEST(WallTimeTest, DaysAndMonthsPastTheEndCarryOver) {
  EXPECT_EQ(FromCivil({2023, 2, 29, 0, 0, 0, 0}), FromCivil({2023, 3, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FromCivil({2024, 2, 30, 0, 0, 0, 0}), FromCivil({2024, 3, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FromCivil({2023, 13, 1, 0, 0, 0, 0}), FromCivil({2024, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FromCivil({2000, 3, 0, 0, 0, 0, 0}), FromCivil({2000, 2, 29, 0, 0, 0, 0}));
}

TEST(WallTimeTest, DaysAndTimesOfDayFloorBeforeTheEpoch) {
  const WallMs before = FromCivil({1969, 12, 31, 23, 0, 0, 0});
  EXPECT_EQ(WallDay(before), -1);
  EXPECT_EQ(WallTimeOfDay(before), 23LL * 3600 * 1000);
}

TEST(WallTimeTest, DurationFormat) {
  EXPECT_EQ(FormatDuration(0), "00:00:00:000");
  EXPECT_EQ(FormatDuration(3'723'004), "01:02:03:004");
  EXPECT_EQ(FormatDuration(-5), "00:00:00:000");
}

TEST(LocalTimeConverterTest, FollowsTheZoneAcrossDaylightSaving) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  ::setenv("TZ", "Europe/Berlin", 1);
  ::tzset();
  LocalTimeConverter conv;
  // 2021-03-28 00:59:59 UTC is 01:59:59 CET; a second later it is 03:00:00 CEST.
  EXPECT_EQ(FormatLogStamp(conv.FromUtc(1616893199)), "2021/03/28 01:59:59 ");
  EXPECT_EQ(FormatLogStamp(conv.FromUtc(1616893200)), "2021/03/28 03:00:00 ");
  EXPECT_EQ(FormatLogStamp(conv.FromUtc(1616893199)), "2021/03/28 01:59:59 ");  // cached
  if (old)
    ::setenv("TZ", saved.c_str(), 1);
  else
    ::unsetenv("TZ");
  ::tzset();
}

}  // namespace
}  // namespace krellix
