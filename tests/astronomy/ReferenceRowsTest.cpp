// Our Sun and Moon theories against independent apparent longitudes of date
// computed with the Swiss Ephemeris (rows made by scripts/make-reference-rows).
// A slip in one row of the lunar tables moves the Moon by arcseconds at some
// moments and not at others; only many moments spread over the years catch it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astronomy/ApparentSun.h"
#include "astronomy/Moon.h"
#include "astronomy/Sun.h"
#include "engine/LunarLongitude.h"

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

    double worstSun = 0;
    double worstMoon = 0;
    double worstSunJde = 0;
    double worstMoonJde = 0;
    double sumMoon = 0;
    double sumSquaresMoon = 0;
    double sumSquaresSun = 0;
    for (const ReferenceRow& row : rows) {
        const double sun = ArcsecondsApart(SunLongitude(row.jde).longitude, row.sun);
        const double moon = ArcsecondsApart(MoonLongitude(row.jde).longitude, row.moon);
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

TEST(ReferenceRows, NoLunarSeriesRowLeavesItsOwnPeriodInTheMoonsError) {
    // A row with a slipped sign, digit or multiplier leaves its own argument's
    // sine in the error against the independent ephemeris, with the size of
    // the slip (twice the coefficient for a sign). Project the Moon's error,
    // freed of its mean and drift, on each row's argument: the theory itself
    // leaves at most about 0.15" on any of them, a slip of 0.3" or more stands out.
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_GE(rows.size(), 1000u) << "too few reference rows to separate the periods";
    const double n = static_cast<double>(rows.size());
    std::vector<double> error;
    double meanJde = 0;
    double meanError = 0;
    for (const ReferenceRow& row : rows) {
        error.push_back(ArcsecondsApart(MoonLongitude(row.jde).longitude, row.moon));
        meanJde += row.jde / n;
        meanError += error.back() / n;
    }
    double slopeNumerator = 0;
    double slopeDenominator = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        slopeNumerator += (rows[i].jde - meanJde) * (error[i] - meanError);
        slopeDenominator += (rows[i].jde - meanJde) * (rows[i].jde - meanJde);
    }
    const double slope = slopeNumerator / slopeDenominator;
    for (std::size_t i = 0; i < rows.size(); ++i) error[i] -= meanError + slope * (rows[i].jde - meanJde);

    // Mean arguments of a modern lunar theory (J2000 epoch), good to well under
    // a degree over these years, which is all a projection needs. Radians.
    struct Arguments {
        double l, ms, f, d;
    };
    std::vector<Arguments> arguments;
    for (const ReferenceRow& row : rows) {
        const double t = (row.jde - 2451545) / 36525;
        const double radians = 3.14159265358979323846 / 180;
        arguments.push_back({(134.9633964 + 477198.8675055 * t) * radians, (357.5291092 + 35999.0502909 * t) * radians,
                             (93.2720950 + 483202.0175233 * t) * radians, (297.8501921 + 445267.1114034 * t) * radians});
    }

    double worst = 0;
    const auto check = [&](std::span<const LunarSeriesTerm> series, const char* name) {
        ASSERT_FALSE(series.empty());
        for (std::size_t r = 0; r < series.size(); ++r) {
            const LunarSeriesTerm& term = series[r];
            double sinPart = 0;
            double cosPart = 0;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const Arguments& a = arguments[i];
                const double x = term.l * a.l + term.ms * a.ms + term.f * a.f + term.d * a.d;
                sinPart += error[i] * std::sin(x);
                cosPart += error[i] * std::cos(x);
            }
            const double amplitude = 2 * std::hypot(sinPart, cosPart) / n;
            worst = std::max(worst, amplitude);
            EXPECT_LT(amplitude, 0.3) << name << " row " << r << " (" << term.l << ", " << term.ms << ", " << term.f
                                      << ", " << term.d << ", " << term.arcsec << "\")";
        }
    };
    EXPECT_EQ(MoonMainSeries().size(), 93u);
    EXPECT_EQ(MoonSupplementarySeries().size(), 27u);
    check(MoonMainSeries(), "main series");
    check(MoonSupplementarySeries(), "supplementary series");
    std::printf("largest error amplitude on a series row's period: %.3f\"\n", worst);
}

// The engine's short Moon (25 terms, no nutation) against the same rows: its
// time argument is taken as the rows' JDE. It is a nakshatra's Moon, good to a
// few hundredths of a degree; a slipped coefficient of its larger terms shows.
TEST(ReferenceRows, EngineMoonAgreesToItsSeriesAccuracy) {
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_GE(rows.size(), 300u);
    double worst = 0;
    double sumSquares = 0;
    for (const ReferenceRow& row : rows) {
        const double error = ArcsecondsApart(LunarLongitude((row.jde - 2451545) / 36525), row.moon) / 3600;
        worst = std::max(worst, std::fabs(error));
        sumSquares += error * error;
    }
    const double rms = std::sqrt(sumSquares / static_cast<double>(rows.size()));
    std::printf("engine Moon against the reference rows: worst %.4f deg, rms %.4f deg\n", worst, rms);
    EXPECT_LT(worst, 0.04);
    EXPECT_LT(rms, 0.008);
}

// Each small term of the Sun's theory (the perturbations by Venus, Jupiter and
// the Moon, and the long-period term) leaves nothing of its own period in the
// Sun's error against the rows: a coefficient off by a digit would.
TEST(ReferenceRows, SunTermsHaveTheirSize) {
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_GE(rows.size(), 1000u);
    const double n = static_cast<double>(rows.size());
    std::vector<double> error;
    double mean = 0;
    for (const ReferenceRow& row : rows) {
        error.push_back(ArcsecondsApart(SunLongitude(row.jde).longitude, row.sun));
        mean += error.back() / n;
    }
    for (double& e : error) e -= mean;
    // The arguments of the terms, degrees of T (Julian centuries from 1900),
    // with the size of each term in arcseconds.
    struct Term {
        const char* name;
        double a0, a1;
        double arcsec;
    };
    const Term terms[] = {
        {"Venus A", 153.23, 22518.7541, 0.00134 * 3600}, {"Venus B", 216.57, 45037.5082, 0.00154 * 3600},
        {"Jupiter C", 312.69, 32964.3577, 0.002 * 3600}, {"Moon D", 350.74, 445267.1142, 0.00179 * 3600},
        {"long-period", 231.19, 20.2, 6.4},
    };
    for (const Term& term : terms) {
        double sinPart = 0;
        double cosPart = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double t = (rows[i].jde - 2415020) / 36525;
            const double x = (term.a0 + term.a1 * t) * 3.14159265358979323846 / 180;
            sinPart += error[i] * std::sin(x);
            cosPart += error[i] * std::cos(x);
        }
        const double amplitude = 2 * std::hypot(sinPart, cosPart) / n;
        std::printf("Sun error on the period of %s: %.2f\" (term %.2f\")\n", term.name, amplitude, term.arcsec);
        // The theory leaves about a tenth of an arcsecond; a slipped sign or digit leaves more.
        EXPECT_LT(amplitude, 0.5) << term.name;
    }
}

// The apparent Sun of the solar calendar (ERFA, ApparentSun.h) against the same
// rows: within 0.5" everywhere (the Sun crosses 0.5" in 12 s).
TEST(ReferenceRows, ApparentSunOfTheSolarCalendarWithinHalfAnArcsecond) {
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_GE(rows.size(), 300u);
    double worst = 0;
    for (const ReferenceRow& row : rows) {
        const double off = std::fabs(ArcsecondsApart(ApparentSunLongitude(row.jde), row.sun));
        EXPECT_LE(off, 0.5) << "JDE " << row.jde;
        worst = std::max(worst, off);
    }
    std::printf("apparent Sun (ERFA) against the ephemeris: worst %.3f\"\n", worst);
}
