// The chart's longitudes against the Swiss Ephemeris (swetest, Lahiri):
// 500 births 1901–2050 at places from 60° S to 66° N, half of them with the
// true node (tests/data/chart-reference.csv, made by
// tests/chart/make-reference-rows). Each point's error is printed as p50, p95
// and worst, so that drift shows even while the test passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astronomy/Calendar.h"
#include "chart/Chart.h"
#include "chart/ChartNames.h"

namespace velmora {
namespace {

struct ReferenceRow {
    double jdUt, lat, lon;
    NodeKind node;
    std::array<double, 9> longitude;  // Su Mo Ma Me Ju Ve Sa Ra, then the lagna
    std::array<double, 8> speed;      // Su .. Ra, degrees a day
};

std::vector<ReferenceRow> ReadRows() {
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/chart-reference.csv");
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'j') continue;
        std::stringstream fields(line);
        std::vector<std::string> f;
        for (std::string cell; std::getline(fields, cell, ',');) f.push_back(cell);
        if (f.size() != 21) continue;
        ReferenceRow r{};
        r.jdUt = std::stod(f[0]);
        r.lat = std::stod(f[1]);
        r.lon = std::stod(f[2]);
        r.node = f[3] == "true" ? NodeKind::True : NodeKind::Mean;
        for (std::size_t i = 0; i < 9; ++i) r.longitude[i] = std::stod(f[4 + i]);
        for (std::size_t i = 0; i < 8; ++i) r.speed[i] = std::stod(f[13 + i]);
        rows.push_back(r);
    }
    return rows;
}

double ArcminutesApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 60; }

struct Goal {
    const char* name;
    double p95Arcmin;
    double worstArcmin;
};

TEST(ChartReference, EveryGrahaAndTheLagnaWithinAnArcminuteAtP95) {
    const std::vector<ReferenceRow> rows = ReadRows();
    ASSERT_EQ(rows.size(), 500u);
    // Saturn is the one exception to 1′ at p95: eraPlan94's theory itself is
    // off by up to about 45″ in Saturn's heliocentric longitude in these
    // years (measured against the same ephemeris), and seen from the Earth
    // near opposition that grows to the 1.2′–1.6′ the rows show.
    const std::array<Goal, 9> goals = {{{"Sun", 1, 2},
                                        {"Moon", 1, 2},
                                        {"Mars", 1, 2},
                                        {"Mercury", 1, 2},
                                        {"Jupiter", 1, 2},
                                        {"Venus", 1, 2},
                                        {"Saturn", 1.3, 2},
                                        {"Rahu", 1, 2},
                                        {"Lagna", 1, 2}}};
    std::array<std::vector<double>, 9> errors;
    int retrogradeChecked = 0;
    for (const ReferenceRow& r : rows) {
        const double dt = DeltaTHours(r.jdUt) * 3600;
        const std::optional<BirthChart> chart = ChartAt(r.jdUt, dt, r.lat, r.lon, 0, r.node);
        ASSERT_TRUE(chart);
        for (std::size_t g = 0; g < 8; ++g) {
            errors[g].push_back(ArcminutesApart(chart->grahas[g].longitude, r.longitude[g]));
            // The retrograde mark, away from the stations (where a planet's
            // motion is too slow for either ephemeris to tell).
            if (std::fabs(r.speed[g]) > 0.01) {
                EXPECT_EQ(chart->grahas[g].retrograde, r.speed[g] < 0) << GrahaNames[g].name << " at " << r.jdUt;
                ++retrogradeChecked;
            }
        }
        EXPECT_NEAR(std::fabs(std::remainder(chart->grahas[8].longitude - chart->grahas[7].longitude, 360.0)), 180, 1e-9);
        errors[8].push_back(ArcminutesApart(chart->lagna.longitude, r.longitude[8]));
    }
    EXPECT_GT(retrogradeChecked, 3500);
    for (std::size_t g = 0; g < 9; ++g) {
        std::vector<double> e = errors[g];
        std::sort(e.begin(), e.end());
        const double p50 = e[e.size() / 2];
        const double p95 = e[e.size() * 95 / 100];
        const double worst = e.back();
        std::printf("%-8s p50 %.3f′  p95 %.3f′  worst %.3f′\n", goals[g].name, p50, p95, worst);
        EXPECT_LE(p95, goals[g].p95Arcmin) << goals[g].name;
        EXPECT_LE(worst, goals[g].worstArcmin) << goals[g].name;
    }
}

// The nodes alone, each setting on its own rows: the mean node is a formula
// both sides share (to arcseconds), the true node follows the Moon's theory.
TEST(ChartReference, MeanAndTrueNodeEachOnTheirOwnRows) {
    double worstMean = 0, worstTrue = 0;
    int mean = 0, truth = 0;
    for (const ReferenceRow& r : ReadRows()) {
        const std::optional<BirthChart> chart =
            ChartAt(r.jdUt, DeltaTHours(r.jdUt) * 3600, r.lat, r.lon, 0, r.node);
        ASSERT_TRUE(chart);
        const double e = ArcminutesApart(chart->grahas[7].longitude, r.longitude[7]);
        if (r.node == NodeKind::Mean) {
            worstMean = std::max(worstMean, e);
            ++mean;
            EXPECT_TRUE(chart->grahas[7].retrograde);
        } else {
            worstTrue = std::max(worstTrue, e);
            ++truth;
        }
    }
    EXPECT_EQ(mean, 250);
    EXPECT_EQ(truth, 250);
    std::printf("mean node worst %.3f′, true node worst %.3f′\n", worstMean, worstTrue);
    EXPECT_LE(worstMean, 0.05);
    EXPECT_LE(worstTrue, 2.0);
}

}  // namespace
}  // namespace velmora
