#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/Ayanamsa.h"
#include "engine/Engine.h"
#include "engine/LunarLongitude.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

using namespace velmora;

namespace {

// The birth record of a moment; the zone is a magnitude, the hemisphere a flag.
CalculationState StateFor(int month, int day, int year, int hour, int minute, int zoneH, int zoneM,
                          int lonD, int lonM, bool east, bool dst = false) {
    CalculationState s;
    s.birth.QueryMonth = static_cast<std::int16_t>(month);
    s.birth.QueryDay = static_cast<std::int16_t>(day);
    s.birth.QueryYear = static_cast<std::int16_t>(year);
    s.birth.QueryHour = static_cast<std::int16_t>(hour);
    s.birth.QueryMinute = static_cast<std::int16_t>(minute);
    s.birth.ZoneHours = static_cast<std::int16_t>(zoneH);
    s.birth.ZoneMinutes = static_cast<std::int16_t>(zoneM);
    s.birth.LonDegrees = static_cast<std::int16_t>(lonD);
    s.birth.LonMinutes = static_cast<std::int16_t>(lonM);
    s.birth.LonIsEast = east;
    s.birth.DstOn = dst;
    return s;
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
    auto s = StateFor(8, 15, 1987, 10, 30, 5, 30, 77, 13, true);
    PrepareWorkingValues(s, Epoch2000DayNumber);
    EXPECT_NEAR(s.engine.LonWest, -77.216666666, 1e-9);
    EXPECT_EQ(s.engine.UniversalHours, 5.0);
    EXPECT_EQ(s.engine.BirthDayNumber, 2447023);
    EXPECT_NEAR(s.engine.BirthCenturies, -0.123813598, 5e-10);
    EXPECT_EQ(s.engine.CalcMonth, 8);
    EXPECT_EQ(s.engine.CalcDay, 15);
    EXPECT_EQ(s.engine.CalcYear, 1987);
}

TEST(WorkingValues, WestOfGreenwichAddsTheZone) {
    auto s = StateFor(6, 1, 2010, 7, 15, 5, 0, 74, 0, false);
    PrepareWorkingValues(s, Epoch2000DayNumber);
    EXPECT_EQ(s.engine.LonWest, 74.0);
    EXPECT_EQ(s.engine.UniversalHours, 7.25 + 5);
}

TEST(WorkingValues, ZeroLongitudeEastCountsAsWest) {
    // -0 is not below 0: the zone is added and daylight saving takes an hour off.
    auto s = StateFor(1, 1, 2000, 12, 0, 2, 0, 0, 0, true, true);
    PrepareWorkingValues(s, Epoch2000DayNumber);
    EXPECT_EQ(s.engine.ZoneOffset, 1.0);
    EXPECT_EQ(s.engine.UniversalHours, 13.0);
}

TEST(WorkingValues, DaylightSavingFollowsTheLongitude) {
    auto east = StateFor(1, 1, 2000, 12, 0, 5, 30, 77, 13, true, true);
    PrepareWorkingValues(east, Epoch2000DayNumber);
    EXPECT_EQ(east.engine.ZoneOffset, 6.5);
    EXPECT_EQ(east.engine.UniversalHours, 12 - 6.5);

    auto west = StateFor(1, 1, 2000, 12, 0, 5, 0, 74, 0, false, true);
    PrepareWorkingValues(west, Epoch2000DayNumber);
    EXPECT_EQ(west.engine.ZoneOffset, 4.0);
    EXPECT_EQ(west.engine.UniversalHours, 16.0);
}

TEST(WorkingValues, MidnightEastGivesNegativeHoursOnTheSameDayNumber) {
    auto s = StateFor(1, 2, 2000, 0, 0, 5, 30, 77, 0, true);
    PrepareWorkingValues(s, Epoch2000DayNumber);
    EXPECT_EQ(s.engine.UniversalHours, -5.5);
    EXPECT_EQ(s.engine.BirthDayNumber, 2451546);
    EXPECT_DOUBLE_EQ(s.engine.BirthCenturies, (1 - 5.5 / 24 - 0.5) / 36525);
}

// ---- Lunar longitude -------------------------------------------------------

TEST(LunarLongitude, ReferenceValues) {
    EXPECT_NEAR(Reduced(LunarLongitude(0.0)), 223.316103, 5e-7);
    const double t1987 = Centuries(8, 15, 1987, 5.0, Epoch2000DayNumber);
    EXPECT_NEAR(t1987, -0.123813598, 5e-10);
    EXPECT_NEAR(Reduced(LunarLongitude(t1987)), 38.379378, 5e-7);
    const double t2050 = Centuries(12, 31, 2050, 18 + 29 / 60.0, Epoch2000DayNumber);
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
    const double t1987 = Centuries(8, 15, 1987, 5.0, Epoch1900DayNumber);
    EXPECT_NEAR(t1987, 0.876186402, 5e-10);
    EXPECT_NEAR(AyanamsaShift1900(t1987), -23.684829, 5e-7);
}

TEST(Ayanamsa, TheTwoFormulasDifferByArcSecondsAtTheSameMoment) {
    const double t2000 = Centuries(1, 1, 2000, 12.0, Epoch2000DayNumber);
    const double t1900 = Centuries(1, 1, 2000, 12.0, Epoch1900DayNumber);
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
    auto s = StateFor(8, 15, 1987, 10, 30, 5, 30, 77, 13, true);
    ResultsPage page;
    ComputeAyanamsa(s, page);
    EXPECT_EQ(s.engine.AyanamsaText, "-23\u00B0 41' 5\"");
    EXPECT_EQ(page.lblAyanamsa, s.engine.AyanamsaText);
    EXPECT_NEAR(s.engine.AyanamsaShift, -23.684829, 5e-7);

    ComputeMoonNakshatra(s);
    EXPECT_NEAR(s.engine.BirthCenturies, -0.123813598, 5e-10);
    EXPECT_NEAR(s.engine.AyanamsaShift, -23.68387, 5e-6);
    EXPECT_NEAR(s.engine.BirthMoonLongitude, 14.69551, 5e-6);
    EXPECT_EQ(s.engine.MoonNakshatra, "Bharani");
    // The working values left behind are the second entry's.
    EXPECT_EQ(s.engine.UniversalHours, 5.0);
}

TEST(Entries, SwatiWorkedExample) {
    auto s = StateFor(1, 1, 2000, 12, 0, 0, 0, 0, 0, true);
    ResultsPage page;
    ComputeAyanamsa(s, page);
    EXPECT_EQ(page.lblAyanamsa, "-23\u00B0 51' 14\"");
    ComputeMoonNakshatra(s);
    EXPECT_EQ(s.engine.BirthCenturies, 0.0);
    EXPECT_NEAR(s.engine.AyanamsaShift, -23.85373, 5e-6);
    EXPECT_NEAR(s.engine.BirthMoonLongitude, 199.46238, 5e-6);
    EXPECT_EQ(s.engine.MoonNakshatra, "Swati");
}

TEST(Entries, SiderealLongitudeAlwaysGivesOneOfTheTwentySevenNames) {
    // Every 7 hours over the year range: the reduced sidereal longitude lies in
    // 0..360 and the name is never the empty slot.
    auto s = StateFor(1, 1, 1901, 0, 0, 0, 0, 0, 0, false);
    for (int y = 1901; y <= 2050; y += 3) {
        for (int h = 0; h < 24 * 40; h += 7) {
            s.birth.QueryYear = static_cast<std::int16_t>(y);
            s.birth.QueryDay = static_cast<std::int16_t>(1 + h / 24);
            s.birth.QueryHour = static_cast<std::int16_t>(h % 24);
            ComputeMoonNakshatra(s);
            // The reduction gives the very bits of adding or subtracting 360
            // one turn at a time.
            const double t = s.engine.BirthCenturies;
            double expected = Reduced(LunarLongitude(t)) + AyanamsaShift2000(t);
            if (expected < 0) expected += 360;
            ASSERT_EQ(s.engine.BirthMoonLongitude, expected);
            ASSERT_GE(s.engine.BirthMoonLongitude, 0.0);
            ASSERT_LT(s.engine.BirthMoonLongitude, 360.0);
            ASSERT_FALSE(s.engine.MoonNakshatra.empty());
        }
    }
}

TEST(Entries, ExtremeBirthRecordsFinishWithoutFault) {
    // No list offers such values, but the entries must stay defined for any
    // 16-bit record.
    const std::int16_t extremes[] = {-32768, -1, 0, 1, 32767};
    for (auto v : extremes) {
        CalculationState s;
        s.birth = BirthRecord{v, v, v, v, v, v, v, v, v, v, v, v < 0, false, v > 0};
        ResultsPage page;
        ComputeAyanamsa(s, page);
        ComputeMoonNakshatra(s);
        EXPECT_FALSE(page.lblAyanamsa.empty());
    }
}
