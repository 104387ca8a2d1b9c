#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "shared/NumberText.h"

using namespace velmora;

TEST(TextToInt16, AcceptsTheGrammarAndIgnoresBlanksOnly) {
    EXPECT_EQ(TextToInt16("42"), 42);
    EXPECT_EQ(TextToInt16("  42  "), 42);
    EXPECT_EQ(TextToInt16("+7"), 7);
    EXPECT_EQ(TextToInt16("-7"), -7);
    EXPECT_EQ(TextToInt16("5."), 5);
    EXPECT_EQ(TextToInt16(".5"), 0);
    EXPECT_EQ(TextToInt16("1e2"), 100);
    EXPECT_EQ(TextToInt16("1E+2"), 100);
    EXPECT_EQ(TextToInt16("250e-1"), 25);
    for (const char* bad : {"", "   ", "\t5", "5\t", "abc", "5a", "1e", "e5", ".", "+", "-", "1.2.3", "--1",
                            "1 2", "0x10", "inf", "nan", "1,5"}) {
        EXPECT_FALSE(TextToInt16(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(TextToInt16, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(TextToInt16("5.5"), 6);
    EXPECT_EQ(TextToInt16("4.5"), 4);
    EXPECT_EQ(TextToInt16("-5.5"), -6);
    EXPECT_EQ(TextToInt16("2.5000001"), 3);
    EXPECT_EQ(TextToInt16("32767"), 32767);
    EXPECT_EQ(TextToInt16("-32768"), -32768);
    EXPECT_EQ(TextToInt16("-32768.5"), -32768);
    EXPECT_FALSE(TextToInt16("32767.5").has_value());
    EXPECT_FALSE(TextToInt16("32768").has_value());
    EXPECT_FALSE(TextToInt16("-32769").has_value());
    EXPECT_FALSE(TextToInt16("1e400").has_value());
    EXPECT_EQ(TextToInt16("1e-400"), 0);
}

TEST(TextToDouble, KeepsTheFraction) {
    EXPECT_EQ(TextToDouble(" 5.25 "), 5.25);
    EXPECT_EQ(TextToDouble("-0.5"), -0.5);
    EXPECT_FALSE(TextToDouble("1e999").has_value());
    EXPECT_FALSE(TextToDouble("").has_value());
}

TEST(LeadingNumber, ReadsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(LeadingNumber("179"), 179.0);
    EXPECT_EQ(LeadingNumber("  12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("-5x"), -5.0);
    EXPECT_EQ(LeadingNumber("1.5.7"), 1.5);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("1e5"), 1.0);
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
}

TEST(TrimBlanks, RemovesSpacesOnly) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimBlanks("   "), "");
}

// Around the smallest and largest doubles: a number too small reads as zero,
// however it is written; only one too large is no number.
TEST(TextToDouble, UnderflowReadsAsZeroOverflowIsNoNumber) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(TextToDouble("4.9406564584124654e-324"), smallest);
    EXPECT_EQ(TextToDouble("2.4703282292062328e-324"), smallest);  // just above half of it: rounds up
    EXPECT_EQ(TextToDouble("2.4703282292062327e-324"), 0.0);       // just below half: rounds to zero
    EXPECT_EQ(TextToDouble("1e-324"), 0.0);
    EXPECT_EQ(TextToDouble("1e-400"), 0.0);
    EXPECT_EQ(TextToDouble("-1e-400"), 0.0);
    EXPECT_EQ(TextToDouble("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(TextToDouble("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(TextToDouble("0." + std::string(400, '0') + "1E+5"), 0.0);
    EXPECT_EQ(TextToDouble(std::string(5000, '0') + "." + std::string(5000, '0') + "7"), 0.0);
    EXPECT_EQ(TextToDouble(" 0." + std::string(400, '0') + "1 "), 0.0);
    // Long digit strings that are no extreme at all.
    EXPECT_EQ(TextToDouble("0." + std::string(400, '0') + "1e401"), 1.0);
    EXPECT_EQ(TextToDouble(std::string(400, '0') + "12.5"), 12.5);
    EXPECT_EQ(TextToDouble("1" + std::string(300, '0') + "e-300"), 1.0);
    EXPECT_EQ(TextToDouble("12." + std::string(1000, '0')), 12.0);
    // Too large, however written.
    EXPECT_EQ(TextToDouble("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_FALSE(TextToDouble("1.7976931348623159e308").has_value());
    EXPECT_FALSE(TextToDouble("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(TextToDouble("0.001e99999999999999999999999").has_value());
    EXPECT_FALSE(TextToDouble("-1e400").has_value());
    // The integer boxes read an underflow as 0 too.
    EXPECT_EQ(TextToInt16("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(TextToInt16("-1e-400"), 0);
}

TEST(LeadingNumber, UnderflowIsZeroOverflowInfinite) {
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1 E"), 0.0);
    EXPECT_EQ(LeadingNumber("-0." + std::string(400, '0') + "1x"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(322, '0') + "5"), 5 * std::pow(10.0, -323));
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9') + ".5")));
}
