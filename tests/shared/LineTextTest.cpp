// One-line text: what is refused, and how a refused value is quoted back.
#include <gtest/gtest.h>

#include <string>

#include "shared/LineText.h"

namespace velmora {
namespace {

TEST(OneLineTextProblem, RefusesC0DelAndC1ControlsAndBrokenUtf8) {
    EXPECT_EQ(OneLineTextProblem(""), "");
    EXPECT_EQ(OneLineTextProblem("K\u00F6ln, Nordrhein-Westfalen"), "");
    EXPECT_EQ(OneLineTextProblem("\u6771\u4EAC \xF0\x9F\x8C\x8D"), "");
    EXPECT_EQ(OneLineTextProblem("\u00A0~ "), "");  // the neighbours of the control ranges are text
    EXPECT_EQ(OneLineTextProblem(std::string("a\0b", 3)), "holds a control character (U+0000)");
    EXPECT_EQ(OneLineTextProblem("Pune\tIndia"), "holds a control character (U+0009)");
    EXPECT_EQ(OneLineTextProblem("Pune\n"), "holds a control character (U+000A)");
    EXPECT_EQ(OneLineTextProblem("\x1F"), "holds a control character (U+001F)");
    EXPECT_EQ(OneLineTextProblem("\x7F"), "holds a control character (U+007F)");
    EXPECT_EQ(OneLineTextProblem("Pune\xC2\x80"), "holds a control character (U+0080)");
    EXPECT_EQ(OneLineTextProblem("\xC2\x85"), "holds a control character (U+0085)");
    EXPECT_EQ(OneLineTextProblem("\xC2\x9F!"), "holds a control character (U+009F)");
    // A C1 byte on its own is no UTF-8 at all; neither are overlong forms,
    // surrogates, code points past U+10FFFF or a sequence cut short.
    for (const char* bad : {"\x85", "\xC1\x85", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF"}) {
        EXPECT_EQ(OneLineTextProblem(bad), "is not UTF-8 text") << bad;
        EXPECT_FALSE(IsUtf8(bad));
    }
    EXPECT_TRUE(IsUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
}

TEST(ExcerptForMessage, EscapesControlsAndStrayBytesAndCutsLongValues) {
    EXPECT_EQ(ExcerptForMessage("Pune"), "\"Pune\"");
    EXPECT_EQ(ExcerptForMessage("a\"b\\c\n\t\x01\x7F"), "\"a\\\"b\\\\c\\n\\t\\u0001\\u007F\"");
    EXPECT_EQ(ExcerptForMessage("Pune\xC2\x85India"), "\"Pune\\u0085India\"");
    EXPECT_EQ(ExcerptForMessage("S\u00E3o\xFF\xC3"), "\"S\u00E3o\\xFF\\xC3\"");
    EXPECT_EQ(ExcerptForMessage("abcdef", 6), "\"abcdef\"");
    EXPECT_EQ(ExcerptForMessage("abcdefg", 6), "\"abcdef...\" (7 bytes)");
    // Characters, not bytes, are counted: a cut never splits one.
    EXPECT_EQ(ExcerptForMessage("\u00E4\u00E4\u00E4", 2), "\"\u00E4\u00E4...\" (6 bytes)");
    const std::string huge(131000, '\x85');
    const std::string excerpt = ExcerptForMessage(huge);
    EXPECT_LE(excerpt.size(), 200u);
    EXPECT_EQ(excerpt.substr(excerpt.size() - 15), " (131000 bytes)");
}


TEST(OneLineTextProblem, RefusesLineSeparatorsAndDirectionControls) {
    EXPECT_EQ(OneLineTextProblem("a\u2028b"), "holds a line or paragraph separator (U+2028)");
    EXPECT_EQ(OneLineTextProblem("a\u2029"), "holds a line or paragraph separator (U+2029)");
    for (const char* bad : {"\u202A", "\u202B", "\u202C", "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069"}) {
        EXPECT_EQ(OneLineTextProblem(bad).rfind("holds a text direction control (U+20", 0), 0u) << bad;
        EXPECT_EQ(ExcerptForMessage(bad).substr(0, 5), "\"\\u20") << bad;
    }
    for (const char* good : {"\u2027", "\u202F", "\u2065", "\u206A", "\u200E"}) EXPECT_EQ(OneLineTextProblem(good), "") << good;
    EXPECT_EQ(ExcerptForMessage("Pune\u2028\u202EaidnI"), "\"Pune\\u2028\\u202EaidnI\"");
}

}  // namespace
}  // namespace velmora
