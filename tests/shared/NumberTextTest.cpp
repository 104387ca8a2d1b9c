#include <gtest/gtest.h>

#include <cmath>

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
