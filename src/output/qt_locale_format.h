#pragma once

#include <QLocale>

#include "output/locale_format.h"

namespace krellix {

// The separators and the short date and long time (without a time zone) of `locale`.
LocaleFormat LocaleFormatOf(const QLocale& locale);

}  // namespace krellix
