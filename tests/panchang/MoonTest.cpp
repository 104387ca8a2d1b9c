#include <gtest/gtest.h>

#include <cmath>

#include "panchang/Moon.h"
#include "panchang/Sun.h"

using namespace velmora;

TEST(MoonLongitude, MatchesAKnownApparentLongitude) {
    // 1992 April 12.0 TT: apparent longitude 133.167265 deg (a full lunar theory).
    CalculationState state;
    const double moon = MoonLongitude(state, 2448724.5);
    EXPECT_NEAR((moon - 133.167265) * 3600, 0, 6);
}

TEST(MoonLongitude, ReducedValueIsTheRawOneInZeroTo360) {
    CalculationState state;
    for (double jde = 2415385.5; jde < 2470172.5; jde += 97.3) {
        const double moon = MoonLongitude(state, jde);
        EXPECT_EQ(moon, Normalize360(state.panchang.MoonLongitudeRaw));
        EXPECT_GE(moon, 0);
        EXPECT_LE(moon, 360);
    }
}

TEST(MoonLongitude, RawValueIsContinuousAlsoWhereTheReducedOneWraps) {
    // Every 20 minutes over a few months: the raw value grows by about half a
    // degree an hour, while the reduced one falls back through 360 each month.
    CalculationState state;
    double start = 2451545.0;
    MoonLongitude(state, start);
    double previousRaw = state.panchang.MoonLongitudeRaw;
    double previousReduced = Normalize360(previousRaw);
    int wraps = 0;
    for (int i = 1; i <= 3 * 30 * 72; ++i) {
        const double jde = start + i / 72.0;
        const double moon = MoonLongitude(state, jde);
        const double step = state.panchang.MoonLongitudeRaw - previousRaw;
        ASSERT_GT(step, 11.5 / 72) << std::fixed << jde;
        ASSERT_LT(step, 15.5 / 72) << std::fixed << jde;
        if (moon < previousReduced) ++wraps;
        previousRaw = state.panchang.MoonLongitudeRaw;
        previousReduced = moon;
    }
    EXPECT_GE(wraps, 3);
}

TEST(MoonLongitude, DailyMotionIsTheRateOfTheRawLongitude) {
    // The motion series is its own short theory; it follows the derivative of
    // the longitude series to a few hundredths of a degree per day.
    CalculationState state;
    for (double jde = 2415385.5; jde < 2470172.5; jde += 211.7) {
        MoonLongitude(state, jde + 0.01);
        const double ahead = state.panchang.MoonLongitudeRaw;
        MoonLongitude(state, jde - 0.01);
        const double behind = state.panchang.MoonLongitudeRaw;
        MoonLongitude(state, jde);
        const double motion = state.panchang.MoonDailyMotion;
        EXPECT_GT(motion, 11.7);
        EXPECT_LT(motion, 15.4);
        EXPECT_NEAR(motion, (ahead - behind) / 0.02, 0.05) << std::fixed << jde;
    }
}

