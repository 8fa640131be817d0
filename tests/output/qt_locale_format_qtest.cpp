#include <QtTest>

#include "output/qt_locale_format.h"

namespace krellix {

class QtLocaleFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void separatorsDateAndTimeWithoutZone_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("time_start");
    QTest::addColumn<QString>("time_end");  // the time zone is left out
    QTest::newRow("German") << "de_DE"
                            << "1.234.567,500"
                            << "13:05:09"
                            << "13:05:09";
    QTest::newRow("US English") << "en_US"
                                << "1,234,567.500"
                                << "1:05:09"
                                << "PM";
  }

  void separatorsDateAndTimeWithoutZone() {
    QFETCH(QString, locale);
    QFETCH(QString, number);
    QFETCH(QString, time_start);
    QFETCH(QString, time_end);
    const LocaleFormat f = LocaleFormatOf(QLocale(locale));
    QCOMPARE(QString::fromStdString(FormatNumber(1234567.5, 3, f)), number);
    const WallMs t = FromCivil({2024, 6, 1, 13, 5, 9, 0});
    const QString time = QString::fromStdString(f.long_time(t));
    QVERIFY2(time.startsWith(time_start) && time.endsWith(time_end), qPrintable(time));
    QCOMPARE(QString::fromStdString(f.short_date(t)),
             QLocale(locale).toString(QDate(2024, 6, 1), QLocale::ShortFormat));
  }
};

}  // namespace krellix

QTEST_MAIN(krellix::QtLocaleFormatTest)
#include "qt_locale_format_qtest.moc"
