#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "links/OfferBanner.h"

namespace velmora {
namespace {

TEST(OfferBanner, NumberRoundsHalvesToEven) {
    struct Row {
        double u;
        int n;
    };
    // 1 + 6u: exact halves at u = k/12 for odd k go to the even neighbour.
    const Row rows[] = {
        {0.0, 1},          {1.0 / 12.0, 2},  // 1.5 -> 2
        {3.0 / 12.0, 2},                     // 2.5 -> 2
        {5.0 / 12.0, 4},                     // 3.5 -> 4
        {7.0 / 12.0, 4},                     // 4.5 -> 4
        {9.0 / 12.0, 6},                     // 5.5 -> 6
        {11.0 / 12.0, 6},                    // 6.5 -> 6
        {0.5, 4},          {0.0833, 1},     {0.0834, 2},
        {0.9167, 7},       {std::nextafter(1.0, 0.0), 7},
        {1.0 / 6.0, 2},    {2.0 / 6.0, 3},
    };
    for (const Row& r : rows) EXPECT_EQ(OfferBannerNumber(r.u), r.n) << "u = " << r.u;
}

TEST(OfferBanner, FractionsOutsideTheRangeDrawNothing) {
    for (double u : {-0.1, 1.0, 2.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(OfferBannerNumber(u), 0) << u;
        EXPECT_EQ(DrawOfferBanner([u] { return u; }), OfferBanner::None) << u;
    }
    EXPECT_EQ(DrawOfferBanner(UniformSource{}), OfferBanner::None);
}

TEST(OfferBanner, NumberChoosesTheBanner) {
    const std::array<OfferBanner, 9> expected = {
        OfferBanner::None,      OfferBanner::CoBrand, OfferBanner::FullBrand,
        OfferBanner::CoBrand,   OfferBanner::FullBrand, OfferBanner::CoBrand,
        OfferBanner::FullBrand, OfferBanner::None,    OfferBanner::None};
    for (int n = 0; n <= 8; ++n) EXPECT_EQ(OfferBannerForNumber(n), expected[static_cast<std::size_t>(n)]) << n;
    EXPECT_EQ(DrawOfferBanner([] { return 0.0; }), OfferBanner::CoBrand);      // 1
    EXPECT_EQ(DrawOfferBanner([] { return 0.2; }), OfferBanner::FullBrand);    // 2.2 -> 2
    EXPECT_EQ(DrawOfferBanner([] { return 0.99; }), OfferBanner::None);        // 6.94 -> 7
}

// With a fixed seed the counts are reproducible; the bounds are five standard
// deviations wide, so only a wrong rule fails. Expected shares: 1/12 for 1
// and 7, 1/6 for 2..6; so the co-brand banner comes 5/12 of the time, the
// fully-branded one 6/12 and nothing 1/12.
TEST(OfferBanner, SeededDrawsFollowTheShares) {
    std::mt19937_64 engine(20261207);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    constexpr int Draws = 120000;
    std::array<int, 8> count{};
    std::array<int, 3> banner{};
    for (int i = 0; i < Draws; ++i) {
        const double u = fraction(engine);
        const int n = OfferBannerNumber(u);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 7);
        ++count[static_cast<std::size_t>(n)];
        ++banner[static_cast<std::size_t>(OfferBannerForNumber(n))];
    }
    auto near = [](int observed, double share) {
        const double mean = Draws * share;
        const double sd = std::sqrt(Draws * share * (1.0 - share));
        return std::abs(observed - mean) < 5.0 * sd;
    };
    EXPECT_TRUE(near(count[1], 1.0 / 12.0)) << count[1];
    EXPECT_TRUE(near(count[7], 1.0 / 12.0)) << count[7];
    for (int n = 2; n <= 6; ++n) EXPECT_TRUE(near(count[static_cast<std::size_t>(n)], 1.0 / 6.0)) << n;
    // Ends half as likely as the middle: the ratio is 0.5 within a few per cent.
    const double middle = (count[2] + count[3] + count[4] + count[5] + count[6]) / 5.0;
    EXPECT_NEAR(count[1] / middle, 0.5, 0.03);
    EXPECT_NEAR(count[7] / middle, 0.5, 0.03);
    EXPECT_TRUE(near(banner[static_cast<std::size_t>(OfferBanner::CoBrand)], 5.0 / 12.0));
    EXPECT_TRUE(near(banner[static_cast<std::size_t>(OfferBanner::FullBrand)], 6.0 / 12.0));
    EXPECT_TRUE(near(banner[static_cast<std::size_t>(OfferBanner::None)], 1.0 / 12.0));
}

}  // namespace
}  // namespace velmora
