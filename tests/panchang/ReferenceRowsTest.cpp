// Our Sun and Moon theories against independent apparent longitudes of date
// computed with the Swiss Ephemeris (rows made by scripts/make-reference-rows).
// A slip in one row of the lunar tables moves the Moon by arcseconds at some
// moments and not at others; only many moments spread over the years catch it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "panchang/Moon.h"
#include "panchang/Sun.h"

using namespace velmora;

namespace {

struct ReferenceRow {
    double jde;
    double sun;
    double moon;
};

std::vector<ReferenceRow> ReadRows() {
    std::vector<ReferenceRow> rows;
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/sun-moon-reference.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceRow row{};
        char comma1 = 0;
        char comma2 = 0;
        fields >> row.jde >> comma1 >> row.sun >> comma2 >> row.moon;
        if (fields && comma1 == ',' && comma2 == ',') rows.push_back(row);
    }
    return rows;
}

// Difference a - b in arcseconds, taken the short way round the circle.
double ArcsecondsApart(double a, double b) {
    double diff = std::fmod(a - b, 360.0);
    if (diff > 180) diff -= 360;
    if (diff < -180) diff += 360;
    return diff * 3600;
}

}  // namespace

TEST(ReferenceRows, SunAndMoonAgreeWithAnIndependentEphemeris) {
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_GE(rows.size(), 300u) << "reference rows missing: run scripts/make-reference-rows";
    EXPECT_LE(rows.front().jde, 2415386.0);
    EXPECT_GE(rows.back().jde, 2469800.0);

    CalculationState state;
    double worstSun = 0;
    double worstMoon = 0;
    double worstSunJde = 0;
    double worstMoonJde = 0;
    double sumMoon = 0;
    double sumSquaresMoon = 0;
    double sumSquaresSun = 0;
    for (const ReferenceRow& row : rows) {
        const double sun = ArcsecondsApart(SunLongitude(state, row.jde), row.sun);
        const double moon = ArcsecondsApart(MoonLongitude(state, row.jde), row.moon);
        sumMoon += moon;
        sumSquaresMoon += moon * moon;
        sumSquaresSun += sun * sun;
        if (std::fabs(sun) > std::fabs(worstSun)) {
            worstSun = sun;
            worstSunJde = row.jde;
        }
        if (std::fabs(moon) > std::fabs(worstMoon)) {
            worstMoon = moon;
            worstMoonJde = row.jde;
        }
        EXPECT_LE(std::fabs(sun), 15.0) << "Sun at JDE " << row.jde;
        EXPECT_LE(std::fabs(moon), 6.0) << "Moon at JDE " << row.jde;
    }
    const double count = static_cast<double>(rows.size());
    const double rmsSun = std::sqrt(sumSquaresSun / count);
    const double rmsMoon = std::sqrt(sumSquaresMoon / count);
    std::printf("reference rows: %zu; Sun worst %+.2f\" at JDE %.6f, rms %.2f\"; Moon worst %+.2f\" at JDE %.6f, "
                "rms %.2f\", mean %+.2f\"\n",
                rows.size(), worstSun, worstSunJde, rmsSun, worstMoon, worstMoonJde, rmsMoon, sumMoon / count);
    // The typical error is far below the worst one; a slipped row of a few
    // tenths of an arcsecond shows here first.
    EXPECT_LE(rmsSun, 5.0);
    EXPECT_LE(rmsMoon, 1.6);
}
