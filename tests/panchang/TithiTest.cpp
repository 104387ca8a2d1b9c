#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"

namespace velmora {
namespace {

struct TithiCase {
    const char* label;
    double moon;
    double sun;
    int index;
    const char* name;
    const char* phase;
    const char* number;
    const char* lord;
};

void PrintTo(const TithiCase& c, std::ostream* os) { *os << c.label; }

class TithiIndexTest : public ::testing::TestWithParam<TithiCase> {};

TEST_P(TithiIndexTest, IndexAndRow) {
    const TithiCase& c = GetParam();
    const std::optional<int> index = TithiIndexOf(c.moon, c.sun);
    ASSERT_TRUE(index);
    EXPECT_EQ(*index, c.index);
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*index)].name, c.name);
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*index)].phase, c.phase);
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*index)].number, c.number);
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*index)].lord, c.lord);
}

INSTANTIATE_TEST_SUITE_P(
    Tithi, TithiIndexTest,
    ::testing::Values(TithiCase{"moon100_sun90", 100, 90, 0, "Pratipad", "Shukla", "16", "Agni"},
                      TithiCase{"moon5_sun350_wraps", 5, 350, 1, "Dwithiai", "Shukla", "17", "Brahma"},
                      TithiCase{"moon_equals_sun", 123.4, 123.4, 0, "Pratipad", "Shukla", "16", "Agni"},
                      TithiCase{"elongation_179_99", 200 + 179.99, 200, 14, "Poornami", "Shukla", "30", "Moon"},
                      TithiCase{"elongation_180", 190, 10, 15, "Pratipad", "Krishna", "1", "Agni"},
                      TithiCase{"elongation_359_99", 359.99, 0, 29, "Ammavasai", "Krishna", "15", "Pitara"},
                      TithiCase{"just_below_12", 11.999, 0, 0, "Pratipad", "Shukla", "16", "Agni"},
                      TithiCase{"exactly_12", 12, 0, 1, "Dwithiai", "Shukla", "17", "Brahma"},
                      TithiCase{"sun_360_moon_0_is_full_turn_back", 0.5, 360, 0, "Pratipad", "Shukla", "16",
                                "Agni"}),
    [](const ::testing::TestParamInfo<TithiCase>& info) { return std::string(info.param.label); });

TEST(TithiTest, Elongation180IsAuspiciousKrishnaPratipad) {
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*TithiIndexOf(190, 10))].type, "Auspicious");
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*TithiIndexOf(100, 90))].type, "In-Auspicious");
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*TithiIndexOf(100, 90))].group, "Nanda");
    EXPECT_EQ(TithiTable[static_cast<std::size_t>(*TithiIndexOf(359.99, 0))].nature, "This is a day to perform austere rituals.");
}

// A Moon at exactly 360 with a Sun at exactly 0 is the one pair of reduced
// longitudes that reaches index 30: the empty name row, beyond every other
// tithi table.
TEST(TithiTest, MoonAt360SunAt0GivesIndex30) {
    ASSERT_EQ(TithiIndexOf(360, 0), std::optional<int>(30));
    EXPECT_EQ(TithiNameOf(30), std::optional<std::string_view>(""));
    EXPECT_FALSE(TithiRowOf(30));
    EXPECT_EQ(HalfTithiOf(360, 0), std::optional<int>(60));
}

TEST(TithiTest, NonFiniteOrOutOfRangeGivesNoIndex) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(TithiIndexOf(nan, 10));
    EXPECT_FALSE(TithiIndexOf(10, nan));
    EXPECT_FALSE(TithiIndexOf(inf, 10));
    EXPECT_FALSE(TithiIndexOf(1e300, 0));
    EXPECT_FALSE(TithiIndexOf(800, 0));  // would be 66: not a tithi
    EXPECT_FALSE(HalfTithiOf(nan, 0));
    EXPECT_FALSE(HalfTithiOf(500, 0));
}

// Every whole-degree elongation lands in the tithi of its 12-degree band, and
// the half-tithi is always twice the tithi or one more.
TEST(TithiTest, BandsAcrossTheWholeCircle) {
    for (int sun = 0; sun < 360; sun += 37) {
        for (int e = 0; e < 360; ++e) {
            const double moon = std::fmod(static_cast<double>(sun + e), 360.0);
            const std::optional<int> t = TithiIndexOf(moon, sun);
            const std::optional<int> h = HalfTithiOf(moon, sun);
            ASSERT_TRUE(t && h);
            EXPECT_EQ(*t, e / 12) << "sun " << sun << " elongation " << e;
            EXPECT_EQ(*h, e / 6) << "sun " << sun << " elongation " << e;
        }
    }
}

}  // namespace
}  // namespace velmora
