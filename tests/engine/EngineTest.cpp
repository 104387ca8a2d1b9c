#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <limits>
#include <string>

#include "engine/Ayanamsa.h"
#include "engine/Engine.h"
#include "engine/LunarLongitude.h"
#include "astronomy/Calendar.h"
#include "astronomy/Epochs.h"

using namespace velmora;

namespace {

// The birth record of a moment; the zone is a magnitude, the hemisphere a flag.
BirthRecord RecordFor(int month, int day, int year, int hour, int minute, int zoneH, int zoneM, int lonD, int lonM,
                      bool east, bool dst = false) {
    BirthRecord b;
    b.QueryMonth = static_cast<std::int16_t>(month);
    b.QueryDay = static_cast<std::int16_t>(day);
    b.QueryYear = static_cast<std::int16_t>(year);
    b.QueryHour = static_cast<std::int16_t>(hour);
    b.QueryMinute = static_cast<std::int16_t>(minute);
    b.ZoneHours = static_cast<std::int16_t>(zoneH);
    b.ZoneMinutes = static_cast<std::int16_t>(zoneM);
    b.LonDegrees = static_cast<std::int16_t>(lonD);
    b.LonMinutes = static_cast<std::int16_t>(lonM);
    b.LonIsEast = east;
    b.DstOn = dst;
    return b;
}

// Julian centuries of UT from an epoch for a civil date and UT hours, formed
// from day numbers the way the engine forms them.
double Centuries(int month, int day, int year, double utHours, double epoch) {
    return (CivilDayNumber(month, day, year) - epoch + utHours / 24 - 0.5) / 36525;
}

double Reduced(double x) {
    while (x < 0) x += 360;
    while (x > 360) x -= 360;
    return x;
}

}  // namespace

// ---- Day numbers -----------------------------------------------------------

struct DayCase {
    int month, day, year;
    double expected;
};

class CivilDayNumberTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(CivilDayNumberTest, GivesTheJulianDayNumber) {
    const auto& c = GetParam();
    EXPECT_EQ(CivilDayNumber(c.month, c.day, c.year), c.expected)
        << c.day << "." << c.month << "." << c.year;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CivilDayNumberTest,
    ::testing::Values(DayCase{1, 1, 2000, 2451545}, DayCase{1, 1, 1901, 2415386},
                      DayCase{12, 31, 2050, 2470172}, DayCase{8, 15, 1987, 2447023},
                      DayCase{12, 31, 1899, 2415020},
                      // Leap days and month ends.
                      DayCase{2, 29, 2000, 2451604}, DayCase{3, 1, 1900, 2415080},
                      DayCase{3, 1, 2100, 2488129}));

TEST(CivilDayNumber, ADayBeyondTheMonthRollsOver) {
    EXPECT_EQ(CivilDayNumber(2, 30, 2001), CivilDayNumber(3, 2, 2001));
    EXPECT_EQ(CivilDayNumber(4, 31, 1999), CivilDayNumber(5, 1, 1999));
}

TEST(CivilDayNumber, ConsecutiveOverTheWholeYearRange) {
    // Every day from 1 January 1901 to 31 December 2050 is one more than the last.
    const int monthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = CivilDayNumber(12, 31, 1900);
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int n = monthLength[m - 1] + (m == 2 && y % 4 == 0 ? 1 : 0);
            for (int d = 1; d <= n; ++d) {
                const double j = CivilDayNumber(m, d, y);
                ASSERT_EQ(j, previous + 1) << d << "." << m << "." << y;
                previous = j;
            }
        }
    }
    EXPECT_EQ(previous, 2470172);
}

// ---- Working values --------------------------------------------------------

TEST(WorkingValues, EastOfGreenwichSubtractsTheZone) {
    const WorkingValues s = PrepareWorkingValues(RecordFor(8, 15, 1987, 10, 30, 5, 30, 77, 13, true), J2000);
    EXPECT_NEAR(s.LonWest, -77.216666666, 1e-9);
    EXPECT_EQ(s.UniversalHours, 5.0);
    EXPECT_EQ(s.BirthDayNumber, 2447023);
    EXPECT_NEAR(s.BirthCenturies, -0.123813598, 5e-10);
    EXPECT_EQ(s.CalcMonth, 8);
    EXPECT_EQ(s.CalcDay, 15);
    EXPECT_EQ(s.CalcYear, 1987);
}

TEST(WorkingValues, WestOfGreenwichAddsTheZone) {
    const WorkingValues s = PrepareWorkingValues(RecordFor(6, 1, 2010, 7, 15, 5, 0, 74, 0, false), J2000);
    EXPECT_EQ(s.LonWest, 74.0);
    EXPECT_EQ(s.UniversalHours, 7.25 + 5);
}

TEST(WorkingValues, ZeroLongitudeEastCountsAsWest) {
    // -0 is not below 0: the zone is added and daylight saving takes an hour off.
    const WorkingValues s = PrepareWorkingValues(RecordFor(1, 1, 2000, 12, 0, 2, 0, 0, 0, true, true), J2000);
    EXPECT_EQ(s.ZoneOffset, 1.0);
    EXPECT_EQ(s.UniversalHours, 13.0);
}

TEST(WorkingValues, DaylightSavingFollowsTheLongitude) {
    const WorkingValues east = PrepareWorkingValues(RecordFor(1, 1, 2000, 12, 0, 5, 30, 77, 13, true, true), J2000);
    EXPECT_EQ(east.ZoneOffset, 6.5);
    EXPECT_EQ(east.UniversalHours, 12 - 6.5);

    const WorkingValues west = PrepareWorkingValues(RecordFor(1, 1, 2000, 12, 0, 5, 0, 74, 0, false, true), J2000);
    EXPECT_EQ(west.ZoneOffset, 4.0);
    EXPECT_EQ(west.UniversalHours, 16.0);
}

TEST(WorkingValues, MidnightEastGivesNegativeHoursOnTheSameDayNumber) {
    const WorkingValues s = PrepareWorkingValues(RecordFor(1, 2, 2000, 0, 0, 5, 30, 77, 0, true), J2000);
    EXPECT_EQ(s.UniversalHours, -5.5);
    EXPECT_EQ(s.BirthDayNumber, 2451546);
    EXPECT_DOUBLE_EQ(s.BirthCenturies, (1 - 5.5 / 24 - 0.5) / 36525);
}

// ---- Lunar longitude -------------------------------------------------------

TEST(LunarLongitude, ReferenceValues) {
    EXPECT_NEAR(Reduced(LunarLongitude(0.0)), 223.316103, 5e-7);
    const double t1987 = Centuries(8, 15, 1987, 5.0, J2000);
    EXPECT_NEAR(t1987, -0.123813598, 5e-10);
    EXPECT_NEAR(Reduced(LunarLongitude(t1987)), 38.379378, 5e-7);
    const double t2050 = Centuries(12, 31, 2050, 18 + 29 / 60.0, J2000);
    EXPECT_NEAR(t2050, 0.509986862, 5e-10);
    EXPECT_NEAR(Reduced(LunarLongitude(t2050)), 141.972406, 5e-7);
}

TEST(LunarLongitude, PeriodicPartStaysWithinTheSumOfTheCoefficients) {
    // The mean longitude alone carries the value far outside one turn; the 25
    // terms together never exceed about 9.2 degrees.
    for (double t = -0.99; t <= 0.51; t += 0.0123) {
        const double periodic = LunarLongitude(t) - (218.3164591 + 481267.88134236 * t);
        EXPECT_LT(std::fabs(periodic), 9.2) << t;
    }
    EXPECT_LT(LunarLongitude(-0.99), -470000.0);
}

// ---- Ayanamsa --------------------------------------------------------------

TEST(Ayanamsa, ReferenceValues) {
    EXPECT_NEAR(AyanamsaShift2000(0.0), -23.853726, 5e-7);
    EXPECT_NEAR(AyanamsaShift1900(1.0), -23.853991, 5e-7);
    const double t1987 = Centuries(8, 15, 1987, 5.0, J1900);
    EXPECT_NEAR(t1987, 0.876186402, 5e-10);
    EXPECT_NEAR(AyanamsaShift1900(t1987), -23.684829, 5e-7);
}

TEST(Ayanamsa, TheTwoFormulasDifferByArcSecondsAtTheSameMoment) {
    const double t2000 = Centuries(1, 1, 2000, 12.0, J2000);
    const double t1900 = Centuries(1, 1, 2000, 12.0, J1900);
    const double difference = AyanamsaShift1900(t1900) - AyanamsaShift2000(t2000);
    EXPECT_LT(std::fabs(difference), 10.0 / 3600);
    EXPECT_NE(difference, 0.0);
}

TEST(Ayanamsa, ExtremeCenturiesReturnPromptly) {
    // The node reduction must not loop for a time far outside the year list.
    EXPECT_TRUE(std::isfinite(AyanamsaShift1900(-1e9)));
    EXPECT_TRUE(std::isnan(AyanamsaShift1900(std::numeric_limits<double>::quiet_NaN())));
}

// ---- FormatDms -------------------------------------------------------------

struct DmsCase {
    double x;
    const char* text;
};

class FormatDmsTest : public ::testing::TestWithParam<DmsCase> {};

TEST_P(FormatDmsTest, Text) { EXPECT_EQ(FormatDms(GetParam().x), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Values, FormatDmsTest,
    ::testing::Values(DmsCase{-23.853991, "-23\u00B0 51' 14\""}, DmsCase{-23.684829, "-23\u00B0 41' 5\""},
                      // The sign multiplies the whole degrees only.
                      DmsCase{-0.5, "0\u00B0 30' 0\""},
                      // Minutes and seconds are truncated, never rounded.
                      DmsCase{23.999999, "23\u00B0 59' 59\""}, DmsCase{5.25, "5\u00B0 15' 0\""},
                      DmsCase{0.0, "0\u00B0 0' 0\""}, DmsCase{-180.0, "-180\u00B0 0' 0\""},
                      DmsCase{std::numeric_limits<double>::infinity(), ""},
                      DmsCase{std::numeric_limits<double>::quiet_NaN(), ""}));

// ---- The two entries -------------------------------------------------------

TEST(Entries, BharaniWorkedExample) {
    const BirthRecord b = RecordFor(8, 15, 1987, 10, 30, 5, 30, 77, 13, true);
    const AyanamsaResult a = ComputeAyanamsa(b);
    EXPECT_EQ(a.AyanamsaText, "-23\u00B0 41' 5\"");
    EXPECT_NEAR(a.AyanamsaShift, -23.684829, 5e-7);

    const NakshatraResult n = ComputeMoonNakshatra(b);
    EXPECT_NEAR(n.working.BirthCenturies, -0.123813598, 5e-10);
    EXPECT_NEAR(n.AyanamsaShift, -23.68387, 5e-6);
    EXPECT_NEAR(n.BirthMoonLongitude, 14.69551, 5e-6);
    EXPECT_EQ(n.MoonNakshatra, "Bharani");
    EXPECT_EQ(n.working.UniversalHours, 5.0);
}

TEST(Entries, SwatiWorkedExample) {
    const BirthRecord b = RecordFor(1, 1, 2000, 12, 0, 0, 0, 0, 0, true);
    EXPECT_EQ(ComputeAyanamsa(b).AyanamsaText, "-23\u00B0 51' 14\"");
    const NakshatraResult n = ComputeMoonNakshatra(b);
    EXPECT_EQ(n.working.BirthCenturies, 0.0);
    EXPECT_NEAR(n.AyanamsaShift, -23.85373, 5e-6);
    EXPECT_NEAR(n.BirthMoonLongitude, 199.46238, 5e-6);
    EXPECT_EQ(n.MoonNakshatra, "Swati");
}

TEST(Entries, SiderealLongitudeAlwaysGivesOneOfTheTwentySevenNames) {
    // Every 7 hours over the year range: the reduced sidereal longitude lies in
    // 0..360 and the name is never the empty slot.
    BirthRecord b = RecordFor(1, 1, 1901, 0, 0, 0, 0, 0, 0, false);
    for (int y = 1901; y <= 2050; y += 3) {
        for (int h = 0; h < 24 * 40; h += 7) {
            b.QueryYear = static_cast<std::int16_t>(y);
            b.QueryDay = static_cast<std::int16_t>(1 + h / 24);
            b.QueryHour = static_cast<std::int16_t>(h % 24);
            const NakshatraResult n = ComputeMoonNakshatra(b);
            // The reduction gives the very bits of adding or subtracting 360
            // one turn at a time.
            const double t = n.working.BirthCenturies;
            double expected = Reduced(LunarLongitude(t)) + AyanamsaShift2000(t);
            if (expected < 0) expected += 360;
            ASSERT_EQ(n.BirthMoonLongitude, expected);
            ASSERT_GE(n.BirthMoonLongitude, 0.0);
            ASSERT_LT(n.BirthMoonLongitude, 360.0);
            ASSERT_TRUE(n.MoonNakshatra);
            ASSERT_FALSE(n.MoonNakshatra->empty());
        }
    }
}

TEST(Entries, ExtremeBirthRecordsFinishWithoutFault) {
    // No list offers such values, but the entries must stay defined for any
    // 16-bit record: finite working values, an ayanamsa text of the usual
    // shape, and a mansion of the table or none (a sidereal longitude far
    // below 0, which one turn up does not bring into the table).
    const std::int16_t extremes[] = {-32768, -1, 0, 1, 32767};
    const std::regex dms("-?\\d+\u00B0 \\d+' \\d+\"");
    for (auto v : extremes) {
        const BirthRecord b{v, v, v, v, v, v, v, v, v, v, v, v < 0, false, v > 0};
        const AyanamsaResult a = ComputeAyanamsa(b);
        ASSERT_TRUE(a.AyanamsaText) << v;
        EXPECT_TRUE(std::regex_match(*a.AyanamsaText, dms)) << *a.AyanamsaText;
        const NakshatraResult n = ComputeMoonNakshatra(b);
        EXPECT_TRUE(std::isfinite(n.working.BirthCenturies)) << v;
        if (!n.MoonNakshatra) continue;
        EXPECT_NE(std::find(NakshatraNames.begin(), NakshatraNames.begin() + 27, *n.MoonNakshatra),
                  NakshatraNames.begin() + 27)
            << v;
    }
}
