#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astronomy/Calendar.h"

using namespace velmora;

TEST(JulianDayFromDate, GivesTheJulianDayOfMidnight) {
    struct Case {
        int month, day, year;
        double jd;
    };
    for (const Case& c : {
             Case{1, 1, 2000, 2451544.5},
             Case{1, 1, 1901, 2415385.5},    // first date of the entry form
             Case{12, 31, 2050, 2470171.5},  // last date of the entry form
             Case{2, 29, 2000, 2451603.5},   // a Gregorian century leap day
             Case{3, 1, 1900, 2415079.5},    // 1900 is no leap year in the Gregorian calendar
             Case{10, 4, 1582, 2299159.5},   // last day of the Julian calendar
             // The switch is made by the Julian-calendar day number exceeding
             // 2299171: 15 October 1582 (2299171) is still counted as Julian,
             // 16 October as Gregorian. Only far outside the entry years.
             Case{10, 15, 1582, 2299170.5},
             Case{10, 16, 1582, 2299161.5},
         }) {
        EXPECT_EQ(JulianDayFromDate(c.month, c.day, c.year), c.jd) << c.day << "." << c.month << "." << c.year;
    }
}

// The day number against an independent count of days (proleptic Gregorian,
// from the Unix epoch, which is Julian day number 2440588): the two agree on
// every day from the reform to the year 3000.
TEST(CivilDayNumber, AgreesWithAnIndependentDayCountAfterTheReform) {
    const auto daysFromCivil = [](long long y, long long m, long long d) {
        y -= m <= 2;
        const long long era = (y >= 0 ? y : y - 399) / 400;
        const long long yoe = y - era * 400;
        const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
    };
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = 1583; year <= 3000; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                ASSERT_EQ(CivilDayNumber(month, day, year), static_cast<double>(2440588 + daysFromCivil(year, month, day)))
                    << day << "." << month << "." << year;
                ASSERT_EQ(JulianDayFromDate(month, day, year), CivilDayNumber(month, day, year) - 0.5);
            }
        }
    }
}

TEST(JulianDayFromDate, RollsADayBeyondTheMonthOver) {
    EXPECT_EQ(JulianDayFromDate(2, 30, 2001), JulianDayFromDate(3, 2, 2001));
    EXPECT_EQ(JulianDayFromDate(13, 1, 2000), JulianDayFromDate(1, 1, 2001));
}

TEST(FormatJDTime, WritesDayMonthYearHourMinuteWithItsPadding) {
    struct Case {
        double jd;
        const char* text;
    };
    for (const Case& c : {
             Case{2451545.25, " 1.01.2000 18:00"},
             Case{2451545.5 - 5.0 / 86400, " 1.01.2000 23:59"},  // seconds before midnight stay on the day
             Case{2451545.5, " 2.01.2000 00:00"},                // midnight belongs to the next day
             Case{2455555.5 + 10.999999 / 24, "25.12.2010 10:59"},  // truncated, never rounded
             // 09:15 is not exact in binary and comes out a hair short: truncated, 09:14.
             Case{2451512.5 + 9.25 / 24, "30.11.1999 09:14"},
             Case{2299159.5, " 4.10.1582 00:00"},  // Julian calendar below the reform
             Case{2299160.5, "15.10.1582 00:00"},
             Case{2415020.0, "31.12.1899 12:00"},
         }) {
        EXPECT_EQ(FormatJDTime(c.jd), c.text) << std::fixed << c.jd;
    }
}

TEST(FormatJDTime, RefusesAJulianDayThatIsNoNumber) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        EXPECT_EQ(FormatJDTime(bad), "");
        EXPECT_TRUE(std::isnan(DeltaTHours(bad)));
    }
}

TEST(DeltaTHours, UsesTheDecadeTableFrom1620UpTo2010) {
    // 1 January 1620 is slot 0 exactly.
    EXPECT_DOUBLE_EQ(DeltaTHours(JulianDayFromDate(1, 1, 1620)) * 3600, 124);
    EXPECT_DOUBLE_EQ(DeltaTHours(JulianDayFromDate(1, 1, 1950)) * 3600, 29.2);
    // 1 July 1955 is the year 1955.5: halfway between 29.2 (1950) and 33.2 (1960) is 31.4.
    EXPECT_DOUBLE_EQ(DeltaTHours(JulianDayFromDate(7, 1, 1955)) * 3600, 31.4);
    // 31 December 2009 is still interpolated towards the 2010 slot (75.5 s).
    const double y = 2009 + 11.0 / 12 + 30 / 365.25;
    EXPECT_DOUBLE_EQ(DeltaTHours(JulianDayFromDate(12, 31, 2009)) * 3600, 65.7 + (75.5 - 65.7) * (y - 2000) / 10);
}

TEST(DeltaTHours, UsesTheQuadraticFormulasOutsideTheTable) {
    const auto centuriesFrom1800 = [](double jd) { return (jd - 2378497) / 36525; };
    // 2010.0 itself already takes the formula, not the table.
    const double jd2010 = JulianDayFromDate(1, 1, 2010);
    double t = centuriesFrom1800(jd2010);
    EXPECT_DOUBLE_EQ(DeltaTHours(jd2010), (25.5 * (t * t) - 39) / 3600);
    EXPECT_NEAR(DeltaTHours(jd2010) * 3600, 73.4, 0.1);
    const double jd2050 = JulianDayFromDate(12, 31, 2050);
    t = centuriesFrom1800(jd2050);
    EXPECT_DOUBLE_EQ(DeltaTHours(jd2050), (25.5 * (t * t) - 39) / 3600);
    const double jd1619 = JulianDayFromDate(1, 1, 1619);
    t = centuriesFrom1800(jd1619);
    EXPECT_DOUBLE_EQ(DeltaTHours(jd1619), 25.5 * (t * t) / 3600);
    const double jd900 = JulianDayFromDate(1, 1, 900);
    t = centuriesFrom1800(jd900);
    EXPECT_DOUBLE_EQ(DeltaTHours(jd900), (1361.7 + 320 * t + 44.3 * (t * t)) / 3600);
}

TEST(DeltaTHours, IsPlausibleAndContinuousOverTheEntryYears) {
    // Over 1901-2050 ΔT rises from about -2 s to a little under two minutes,
    // and a day's step never moves it by more than a few hundredths of a second,
    // except where the table hands over to the formula (75.4 s to 73.4 s).
    const double handover = JulianDayFromDate(1, 1, 2010);
    double previous = DeltaTHours(JulianDayFromDate(1, 1, 1901)) * 3600;
    for (double jd = JulianDayFromDate(1, 2, 1901); jd <= JulianDayFromDate(12, 31, 2050); jd += 1) {
        const double seconds = DeltaTHours(jd) * 3600;
        ASSERT_GT(seconds, -3) << std::fixed << jd;
        ASSERT_LT(seconds, 125) << std::fixed << jd;
        ASSERT_NEAR(seconds - previous, jd == handover ? -2.05 : 0.0, 0.05) << std::fixed << jd;
        previous = seconds;
    }
}
