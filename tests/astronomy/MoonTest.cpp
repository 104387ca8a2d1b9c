#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/Moon.h"
#include "astronomy/Sun.h"

using namespace velmora;

TEST(MoonLongitude, MatchesAKnownApparentLongitude) {
    // 1992 April 12.0 TT: apparent longitude 133.167265 deg (a full lunar theory).
    EXPECT_NEAR((MoonLongitude(2448724.5).longitude - 133.167265) * 3600, 0, 6);
}

TEST(MoonLongitude, ReducedValueIsTheRawOneInZeroTo360) {
    for (double jde = 2415385.5; jde < 2470172.5; jde += 97.3) {
        const MoonPosition moon = MoonLongitude(jde);
        EXPECT_EQ(moon.longitude, Normalize360(moon.raw));
        EXPECT_GE(moon.longitude, 0);
        EXPECT_LE(moon.longitude, 360);
        // The nutation handed in is the one it would compute itself.
        const MoonPosition same = MoonLongitude(jde, NutationInLongitude(jde));
        EXPECT_EQ(same.raw, moon.raw);
        EXPECT_EQ(same.dailyMotion, moon.dailyMotion);
    }
}

TEST(MoonLongitude, RawValueIsContinuousAlsoWhereTheReducedOneWraps) {
    // Every 20 minutes over a few months: the raw value grows by about half a
    // degree an hour, while the reduced one falls back through 360 each month.
    const double start = 2451545.0;
    MoonPosition previous = MoonLongitude(start);
    int wraps = 0;
    for (int i = 1; i <= 3 * 30 * 72; ++i) {
        const double jde = start + i / 72.0;
        const MoonPosition moon = MoonLongitude(jde);
        const double step = moon.raw - previous.raw;
        ASSERT_GT(step, 11.5 / 72) << std::fixed << jde;
        ASSERT_LT(step, 15.5 / 72) << std::fixed << jde;
        if (moon.longitude < previous.longitude) ++wraps;
        previous = moon;
    }
    EXPECT_GE(wraps, 3);
}

TEST(MoonLongitude, DailyMotionIsTheRateOfTheRawLongitude) {
    // The motion series is its own short theory; it follows the derivative of
    // the longitude series to a few hundredths of a degree per day.
    for (double jde = 2415385.5; jde < 2470172.5; jde += 211.7) {
        const double ahead = MoonLongitude(jde + 0.01).raw;
        const double behind = MoonLongitude(jde - 0.01).raw;
        const double motion = MoonLongitude(jde).dailyMotion;
        EXPECT_GT(motion, 11.7);
        EXPECT_LT(motion, 15.4);
        EXPECT_NEAR(motion, (ahead - behind) / 0.02, 0.05) << std::fixed << jde;
    }
}
