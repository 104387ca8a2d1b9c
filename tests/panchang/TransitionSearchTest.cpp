#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "panchang/Calendar.h"
#include "panchang/PanchangMoment.h"
#include "panchang/TransitionSearch.h"

using namespace velmora;
using velmora::testing::Elongation;
using velmora::testing::MomentAt;
using velmora::testing::MomentAtJde;
using velmora::testing::PanchangMoment;

namespace {

// Lunation number of the last new moon at or before jde, found by walking the
// series rather than by the search's own estimate.
double LastNewMoonNumber(double jde) {
    double k = std::floor((jde - 2415020.75933) / 29.53058868) + 2;
    while (NewMoonTime(jde, k) > jde) k -= 1;
    return k;
}

double ElongationAt(CalculationState& state, double jde) {
    const double sun = SunLongitude(state, jde);
    const double moon = MoonLongitude(state, jde);
    return Elongation(moon, sun);
}

}  // namespace

// ---- The two mended faults, at the moments where the literal rules fail ----

TEST(YogaSpan, DoesNotJumpAMonthInTheJanuaryAnomalyWindow) {
    // 2 January 1901 07:21 UT, longitude 0, zone 0. With the raw Sun longitude
    // jumping by a turn here, the span would read 27.01.1901.
    CalculationState state;
    const PanchangMoment m = MomentAt(state, 1, 2, 1901, 7 + 21.0 / 60);
    EXPECT_LT(m.yogaSum, 0);  // the unbounded sum is a large negative number
    EXPECT_EQ(YogaPeriodText(state, m.jde, m.yogaSum, 0), " 1.01.1901 15:57  to  2.01.1901 13:13");
}

TEST(TithiSpan, TakesTheNearerNewMoonWhereSeriesAndTheoriesDisagree) {
    CalculationState state;
    // 7 April 1978 15:16 UT: the theories already count Pratipad (tithi 0) while
    // the series puts the new moon two minutes later; the literal rule would
    // start the tithi at the new moon of 9 March.
    PanchangMoment m = MomentAt(state, 4, 7, 1978, 15 + 16.0 / 60);
    ASSERT_EQ(m.tithi, 0);
    EXPECT_EQ(ElongationPeriodText(state, m.jde, m.tithi, 0, 12), " 7.04.1978 15:18  to  8.04.1978 15:09");
    EXPECT_EQ(ElongationPeriodText(state, m.jde, m.halfTithi, 0, 6), " 7.04.1978 15:18  to  8.04.1978 03:08");

    // 11 October 1969 09:38 UT: the theories still count Ammavasai (tithi 29)
    // while the series has the new moon a minute before; the literal rule
    // would end it on 9 November.
    m = MomentAt(state, 10, 11, 1969, 9 + 38.0 / 60);
    ASSERT_EQ(m.tithi, 29);
    EXPECT_EQ(ElongationPeriodText(state, m.jde, m.tithi, 0, 12), "10.10.1969 09:57  to 11.10.1969 09:37");
    EXPECT_EQ(ElongationPeriodText(state, m.jde, m.halfTithi, 0, 6), "10.10.1969 21:52  to 11.10.1969 09:37");
}

// ---- New-moon series ----

TEST(NewMoonTime, LunationZeroIsTheFirstNewMoonOf1900) {
    const double jde = 2415020.5;
    const double t = NewMoonTime(jde, 0);
    EXPECT_NEAR(t, 2415020.75933, 0.6);  // mean time plus the periodic correction
    CalculationState state;
    EXPECT_NEAR(std::remainder(ElongationAt(state, t), 360), 0, 0.03);
    EXPECT_NEAR(NewMoonTime(jde, 1) - t, 29.53, 0.6);
}

// ---- Span text and boundaries of the elongation search ----

TEST(ElongationSpan, WritesStartToEndInLocalTime) {
    CalculationState state;
    const PanchangMoment m = MomentAt(state, 8, 15, 1987, 5.0);
    const PeriodMoments span = ElongationPeriodMoments(state, m.jde, m.tithi, 12);
    const std::string text = ElongationPeriodText(state, m.jde, m.tithi, 5.5, 12);
    CalculationState scratch;
    const std::string start = FormatJDTime(scratch, span.start + 5.5 / 24);
    const std::string end = FormatJDTime(scratch, span.end + 5.5 / 24);
    EXPECT_EQ(text, start + "  to " + end);
    EXPECT_EQ(text.size(), 16u + 5u + 16u);
    // The fields describe the end moment, the last one formatted.
    EXPECT_EQ(state.panchang.DateDay, scratch.panchang.DateDay);
    EXPECT_EQ(state.engine.UniversalHours, scratch.engine.UniversalHours);
}

TEST(ElongationSpan, FirstTithiAndKaranaStartAtTheSeriesNewMoon) {
    CalculationState state;
    const double k = 1000;
    const double newMoon = NewMoonTime(NewMoonTime(2415020, k), k);
    const double jde = newMoon + 0.2;  // a few hours after the new moon
    const PanchangMoment m = MomentAtJde(state, jde);
    ASSERT_EQ(m.tithi, 0);
    ASSERT_EQ(m.halfTithi, 0);
    for (double step : {12.0, 6.0}) {
        const PeriodMoments span = ElongationPeriodMoments(state, jde, 0, step);
        EXPECT_EQ(span.start, NewMoonTime(jde, k));
        EXPECT_NEAR(ElongationAt(state, span.end), step, 0.001);
        EXPECT_GT(span.end, jde);
    }
}

TEST(ElongationSpan, LastTithiAndKaranaEndAtTheNextSeriesNewMoon) {
    CalculationState state;
    const double k = 1500;
    const double newMoon = NewMoonTime(NewMoonTime(2415020, k), k);
    const double jde = newMoon - 0.2;
    const PanchangMoment m = MomentAtJde(state, jde);
    ASSERT_EQ(m.tithi, 29);
    ASSERT_EQ(m.halfTithi, 59);
    for (const auto& [n, step] : {std::pair{29, 12.0}, std::pair{59, 6.0}}) {
        const PeriodMoments span = ElongationPeriodMoments(state, jde, n, step);
        EXPECT_EQ(span.end, NewMoonTime(jde, k));
        EXPECT_NEAR(ElongationAt(state, span.start), 360 - step, 0.001);
        EXPECT_LT(span.start, jde);
    }
}

TEST(ElongationSpan, CorrectsTheLunationEstimateShortlyBeforeANewMoon) {
    // Less than a day before some new moons the estimate already counts the
    // coming lunation; the end of the last tithi must still be that new moon,
    // not the one a month later.
    CalculationState state;
    int corrected = 0;
    for (double k = 12; k < 1850 && corrected < 5; k += 1) {
        const double jde = NewMoonTime(NewMoonTime(2415020, k), k) - 0.5;
        const double estimate = std::floor(12.3685 * ((jde - 2415020) / 365.25));
        if (estimate != k) continue;  // here the estimate is right already
        ++corrected;
        ASSERT_EQ(LastNewMoonNumber(jde), k - 1);
        const PeriodMoments span = ElongationPeriodMoments(state, jde, 29, 12);
        EXPECT_EQ(span.end, NewMoonTime(jde, k)) << "lunation " << k;
        EXPECT_LT(span.start, jde);
    }
    EXPECT_EQ(corrected, 5);
}

TEST(ElongationSpan, ReachesABoundaryMoreThan180DegreesAwayTheShortWay) {
    // At an elongation near 30 degrees, ask for tithi 20 (240 to 252 degrees):
    // 210 degrees ahead is 150 degrees behind, in the previous lunation.
    CalculationState state;
    const double k = 800;
    const double jde = NewMoonTime(NewMoonTime(2415020, k), k) + 2.5;
    ASSERT_NEAR(ElongationAt(state, jde), 30, 6);
    const PeriodMoments span = ElongationPeriodMoments(state, jde, 20, 12);
    EXPECT_NEAR(ElongationAt(state, span.start), 240, 0.001);
    EXPECT_NEAR(ElongationAt(state, span.end), 252, 0.001);
    EXPECT_LT(span.start, jde);
    EXPECT_GT(span.start, jde - 15);
    EXPECT_GT(span.end, span.start);
}

TEST(ElongationSpan, AMomentOnABoundaryStartsThere) {
    CalculationState state;
    const PanchangMoment m = MomentAt(state, 3, 3, 2003, 3.0);
    const PeriodMoments first = ElongationPeriodMoments(state, m.jde, m.tithi, 12);
    // Ask again exactly at the start found: the start is that moment to within
    // the search's 0.001 degree.
    const PeriodMoments again = ElongationPeriodMoments(state, first.start, m.tithi, 12);
    EXPECT_NEAR(again.start, first.start, 0.001 / 10);
    EXPECT_NEAR(again.end, first.end, 0.001 / 10);
}

// ---- Yoga search ----

TEST(YogaSpan, ContainsTheMomentAndHitsBothBoundaries) {
    CalculationState state;
    const PanchangMoment m = MomentAt(state, 6, 21, 2044, 18.5);
    const double b0 = std::floor(6 * m.yogaSum / 80) * 80 / 6;
    const PeriodMoments span = YogaPeriodMoments(state, m.jde, m.yogaSum);
    EXPECT_LE(span.start, m.jde);
    EXPECT_GE(span.end, m.jde);
    for (const auto& [moment, boundary] : {std::pair{span.start, b0}, std::pair{span.end, b0 + 80.0 / 6}}) {
        const PanchangMoment at = MomentAtJde(state, moment);
        EXPECT_NEAR(at.yogaSum, boundary, 0.001 + 1e-9 * std::fabs(boundary));
    }
}

// ---- Inputs no search can use ----

TEST(SpanSearches, ReturnAnEmptyTextForMomentsThatAreNoNumbers) {
    CalculationState state;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ElongationPeriodText(state, nan, 3, 0, 12), "");
    EXPECT_EQ(ElongationPeriodText(state, inf, 3, 0, 12), "");
    EXPECT_EQ(ElongationPeriodText(state, 2451545, 3, nan, 12), "");
    EXPECT_EQ(YogaPeriodText(state, nan, -522417, 0), "");
    EXPECT_EQ(YogaPeriodText(state, 2451545, nan, 0), "");
    EXPECT_EQ(YogaPeriodText(state, 2451545, -522417, inf), "");
}

TEST(SpanSearches, EndForAnyIndexOrStep) {
    // Out-of-range indexes, steps and far moments still finish (the iteration
    // guard), with finite moments.
    CalculationState state;
    const double jde = 2451545;
    for (int n : {-1, 30, 59, 1000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        for (double step : {12.0, 6.0, 0.0, -12.0}) {
            const PeriodMoments span = ElongationPeriodMoments(state, jde, n, step);
            EXPECT_TRUE(std::isfinite(span.start) && std::isfinite(span.end)) << n << " " << step;
        }
    }
    EXPECT_FALSE(ElongationPeriodText(state, 2415020 + 36525 * 30, 5, 0, 12).empty());
    // A sum a billion turns away cannot be reached in the evaluations allowed:
    // the search stops, and the moment it stopped at is beyond any calendar.
    EXPECT_EQ(YogaPeriodText(state, 2451545, 1e12, 0), "");
    EXPECT_EQ(YogaPeriodText(state, 2451545, -1e12, 0), "");
}
