#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"

namespace velmora {
namespace {

// ---- karana -------------------------------------------------------------

struct KaranaCase {
    double elongationFrom;  // degrees, the band is [from, from + 6)
    int halfTithi;
    const char* name;
};

class KaranaBandTest : public ::testing::TestWithParam<KaranaCase> {};

// The start, middle and just-before-end of each band give the same half-tithi
// and karana.
TEST_P(KaranaBandTest, BandIsNamed) {
    const KaranaCase& c = GetParam();
    for (const double e : {c.elongationFrom, c.elongationFrom + 3, c.elongationFrom + 5.999}) {
        const double sun = 40;
        const double moon = std::fmod(sun + e, 360.0);
        const std::optional<int> h = HalfTithiOf(moon, sun);
        ASSERT_TRUE(h) << e;
        EXPECT_EQ(*h, c.halfTithi) << e;
        const std::optional<int> k = KaranaIndexOf(*h);
        ASSERT_TRUE(k) << e;
        EXPECT_EQ(KaranaNames[*k], c.name) << e;
    }
}

INSTANTIATE_TEST_SUITE_P(Karana, KaranaBandTest,
                         ::testing::Values(KaranaCase{0, 0, "Kimstughna"}, KaranaCase{6, 1, "Bava"},
                                           KaranaCase{12, 2, "Balava"}, KaranaCase{36, 6, "Vanija"},
                                           KaranaCase{42, 7, "Visti"}, KaranaCase{48, 8, "Bava"},
                                           KaranaCase{336, 56, "Visti"}, KaranaCase{342, 57, "Sakuna"},
                                           KaranaCase{348, 58, "Chatuspada"}, KaranaCase{354, 59, "Naga"}));

TEST(KaranaTest, MovableKaranasCycleBySeven) {
    const char* const cycle[7] = {"Bava", "Balava", "Kaulava", "Taitula", "Garija", "Vanija", "Visti"};
    for (int h = 1; h <= 56; ++h) {
        const std::optional<int> k = KaranaIndexOf(h);
        ASSERT_TRUE(k) << h;
        EXPECT_EQ(KaranaNames[*k], cycle[(h - 1) % 7]) << h;
    }
}

TEST(KaranaTest, MoonJustPastTheSunAcrossZero) {
    // Moon 3, Sun 357: the Moon is taken as 363, elongation 6, half-tithi 1.
    ASSERT_EQ(HalfTithiOf(3, 357), std::optional<int>(1));
    EXPECT_EQ(KaranaNames[*KaranaIndexOf(1)], "Bava");
}

TEST(KaranaTest, CornerAndInvalidHalfTithis) {
    // Moon 360 / Sun 0 gives half-tithi 60, which maps back onto Kimstughna.
    EXPECT_EQ(KaranaIndexOf(60), std::optional<int>(10));
    EXPECT_FALSE(KaranaIndexOf(-1));
}

// ---- yoga ---------------------------------------------------------------

// The stepping reduction as written, bounded; the direct remainder must agree
// with it to the bit.
double StepReduce(double p) {
    while (p < 0) p = p + 27;
    while (p > 27) p = p - 27;
    return p;
}

TEST(YogaTest, SumUsesTheTwoConstantsAsGiven) {
    EXPECT_EQ(YogaSumOf(0, 491143.076989739, 36976.912405792), 0.0);
    const double sum = YogaSumOf(-23.5, 500000.25, 40000.75);
    EXPECT_EQ(sum, (-23.5 + 500000.25 - 491143.076989739) + (-23.5 + 40000.75 - 36976.912405792));
    // Modulo 360 the constants add 0.010604469 degrees.
    EXPECT_NEAR(std::fmod(YogaSumOf(0, 1467.0 * 360, 0), 360.0), 0.010604469, 1e-8);
}

struct YogaCase {
    const char* label;
    double sum;  // unreduced sum, degrees
    double position;
    int index;
    const char* name;
};

void PrintTo(const YogaCase& c, std::ostream* os) { *os << c.label; }

class YogaPositionTest : public ::testing::TestWithParam<YogaCase> {};

TEST_P(YogaPositionTest, PositionIndexName) {
    const YogaCase& c = GetParam();
    const std::optional<double> p = YogaPositionOf(c.sum);
    ASSERT_TRUE(p);
    EXPECT_NEAR(*p, c.position, 1e-9);
    EXPECT_EQ(*p, StepReduce(c.sum * 6 / 80));
    const std::optional<int> index = YogaIndexOf(*p);
    ASSERT_TRUE(index);
    EXPECT_EQ(*index, c.index);
    EXPECT_EQ(YogaNames[*index], c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Yoga, YogaPositionTest,
    ::testing::Values(YogaCase{"sum_0_5", 0.5, 0.0375, 0, "Vishkambha"},
                      YogaCase{"sum_0_5_plus_turns", 0.5 + 360 * 1467, 0.0375, 0, "Vishkambha"},
                      YogaCase{"position_13_5", 180 + 360 * 1000, 13.5, 13, "Harshana"},
                      YogaCase{"position_26_99", 26.99 * 80 / 6, 26.99, 26, "Vaidhruthi"},
                      YogaCase{"negative_sum", -100, -7.5 + 27, 19, "Siva"},
                      YogaCase{"negative_many_turns", -360.0 * 50 + 0.5, 0.0375, 0, "Vishkambha"},
                      YogaCase{"exactly_27_stays", 360, 27, 27, ""},
                      YogaCase{"exactly_27_after_turns", 360.0 * 1500, 27, 27, ""},
                      YogaCase{"negative_multiple_lands_on_0", -360, 0, 0, "Vishkambha"}),
    [](const ::testing::TestParamInfo<YogaCase>& info) { return std::string(info.param.label); });

TEST(YogaTest, PositionOf13_5ReadsHarshanaText) {
    const std::optional<int> index = YogaIndexOf(*YogaPositionOf(180));
    ASSERT_TRUE(index);
    EXPECT_TRUE(YogaTexts[*index].starts_with("The yoga is Harshana"));
}

TEST(YogaTest, PositionExactly27ReadsEmptyNameAndNa) {
    const std::optional<int> index = YogaIndexOf(27);
    ASSERT_EQ(index, std::optional<int>(27));
    EXPECT_EQ(TableRow(YogaNames, *index), std::optional<std::string_view>(""));
    EXPECT_EQ(TableRow(YogaTexts, *index), std::optional<std::string_view>("NA"));
}

// The direct remainder against the stepping loop, bit for bit, over sums the
// years 1901..2050 produce (hundreds of thousands of degrees), negative sums
// and values near multiples of 27.
TEST(YogaTest, RemainderMatchesSteppingBitForBit) {
    double worst = 0;
    for (double sum = -20000; sum < 700000; sum += 97.3310129) {
        for (const double s : {sum, std::nextafter(sum, 1e9), std::nextafter(sum, -1e9)}) {
            const double direct = *YogaPositionOf(s);
            const double stepped = StepReduce(s * 6 / 80);
            worst = std::max(worst, std::fabs(direct - stepped));
            ASSERT_EQ(direct, stepped) << std::hexfloat << s;
        }
    }
    for (int k = -100; k <= 1600; ++k) {
        const double p = 27.0 * k;
        for (const double q : {p, std::nextafter(p, 1e9), std::nextafter(p, -1e9)}) {
            const double s = q * 80 / 6;
            ASSERT_EQ(*YogaPositionOf(s), StepReduce(s * 6 / 80)) << std::hexfloat << s;
        }
    }
    EXPECT_EQ(worst, 0.0);
}

TEST(YogaTest, NonFiniteSumOrOutOfRangePositionFails) {
    EXPECT_FALSE(YogaPositionOf(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(YogaPositionOf(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(YogaPositionOf(-std::numeric_limits<double>::infinity()));
    // Huge but finite sums reduce without looping for ever.
    const std::optional<double> huge = YogaPositionOf(1e300);
    ASSERT_TRUE(huge);
    EXPECT_GE(*huge, 0);
    EXPECT_LE(*huge, 27);
    EXPECT_FALSE(YogaIndexOf(28));
    EXPECT_FALSE(YogaIndexOf(-0.5));
    EXPECT_FALSE(YogaIndexOf(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace velmora
