#include "output/qt_locale_format.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace krellix {

LocaleFormat LocaleFormatOf(const QLocale& locale) {
  LocaleFormat f;
  f.thousands_sep = locale.groupSeparator().toStdString();
  f.decimal_point = locale.decimalPoint().toStdString();
  // A wall time has no zone, so the zone field of the long format is dropped.
  QString time_format = locale.timeFormat(QLocale::LongFormat);
  time_format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
  f.short_date = [locale](WallMs t) {
    const CivilDateTime c = ToCivil(t);
    return locale.toString(QDate(c.year, c.month, c.day), QLocale::ShortFormat).toStdString();
  };
  f.long_time = [locale, time_format](WallMs t) {
    const CivilDateTime c = ToCivil(t);
    return locale.toString(QTime(c.hour, c.minute, c.second), time_format).toStdString();
  };
  return f;
}

}  // namespace krellix
