#include <gtest/gtest.h>

#include "input/KeyFilters.h"

using namespace velmora;

namespace {

const Refusal kNumbersOnly{"Only Numbers Are Accepted", MessageIcon::Critical, ""};
const Refusal kLettersOnly{"Please Enter only Letters", MessageIcon::Information, ""};

}  // namespace

// Every 16-bit code through the digit filter: exactly the digits and
// backspace pass unchanged (and "-" where the sign is allowed); every other
// code is discarded with the critical message.
TEST(KeyFilters, DigitFilterOverEveryCode) {
    for (bool allowMinus : {false, true}) {
        for (int key = 0; key <= 0xFFFF; ++key) {
            const bool passes = (key >= '0' && key <= '9') || key == 8 || (allowMinus && key == '-');
            const KeyFilterResult r = FilterDigitKey(key, allowMinus);
            if (passes) {
                ASSERT_EQ(r, (KeyFilterResult{key, std::nullopt})) << key << " minus " << allowMinus;
            } else {
                ASSERT_EQ(r, (KeyFilterResult{0, kNumbersOnly})) << key << " minus " << allowMinus;
            }
        }
    }
}

// Every 16-bit code through the name filter: letters, backspace, Enter and
// blank pass, lower case turned to capitals; the rest is refused.
TEST(KeyFilters, NameFilterOverEveryCode) {
    for (int key = 0; key <= 0xFFFF; ++key) {
        const KeyFilterResult r = FilterNameKey(key);
        if (key >= 'a' && key <= 'z') {
            ASSERT_EQ(r, (KeyFilterResult{key - 32, std::nullopt})) << key;
        } else if ((key >= 'A' && key <= 'Z') || key == 8 || key == 13 || key == 32) {
            ASSERT_EQ(r, (KeyFilterResult{key, std::nullopt})) << key;
        } else {
            ASSERT_EQ(r, (KeyFilterResult{0, kLettersOnly})) << key;
        }
    }
}

// A code outside 16 bits is not a key whose low bits happen to match.
TEST(KeyFilters, CodesOutside16BitsAreRefused) {
    for (int key : {-1, 0x10000 + '5', 0x10000 + 'a', 0x10000 + 8}) {
        EXPECT_EQ(FilterDigitKey(key, true), (KeyFilterResult{0, kNumbersOnly})) << key;
        EXPECT_EQ(FilterNameKey(key), (KeyFilterResult{0, kLettersOnly})) << key;
    }
}

TEST(KeyFilters, EachBoxHasItsFilter) {
    struct Case {
        const char* box;
        std::optional<KeyFilter> filter;
    };
    const Case cases[] = {
        {"txtName", KeyFilter::Letters},       {"txtLatD", KeyFilter::Digits},
        {"txtLatM", KeyFilter::Digits},        {"txtLonD", KeyFilter::Digits},
        {"txtLonM", KeyFilter::Digits},        {"txtZoneMinute", KeyFilter::Digits},
        {"txtZoneHour", KeyFilter::DigitsAndMinus}, {"txtMCity", std::nullopt},
        {"txtMState", std::nullopt},           {"txtMCountry", std::nullopt},
        {"txtname", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyFilterFor(c.box), c.filter) << c.box;
}

// Letters of other scripts typed into Name pass unchanged, as they do when
// pasted; the window says which codes are letters or marks. The ASCII rule
// does not move with that answer: a digit or a sign stays refused even when
// called a letter, and nothing beyond ASCII passes unless it is one.
TEST(KeyFilters, NameFilterTakesLettersOfEveryScript) {
    struct Case {
        int key;
        const char* what;
    };
    const Case letters[] = {
        {0x0906, "Devanagari AA (आ)"},  {0x0936, "Devanagari SHA (श)"}, {0x093E, "Devanagari sign AA, a mark"},
        {0x0B85, "Tamil A (அ)"},        {0x0BBE, "Tamil sign AA, a mark"}, {0x00E9, "Latin e acute"},
        {0x0416, "Cyrillic ZHE"},       {0x05D0, "Hebrew ALEF"},        {0x0627, "Arabic ALEF"},
        {0x4E2D, "CJK ideograph"},      {0xAC00, "Hangul GA"},          {0x0C05, "Telugu A"},
    };
    for (const Case& c : letters) {
        EXPECT_EQ(FilterNameKey(c.key, true), (KeyFilterResult{c.key, std::nullopt})) << c.what;
        EXPECT_EQ(ApplyKeyFilter(KeyFilter::Letters, c.key, true), (KeyFilterResult{c.key, std::nullopt})) << c.what;
        // Unknown to be a letter: refused as before.
        EXPECT_EQ(FilterNameKey(c.key, false), (KeyFilterResult{0, kLettersOnly})) << c.what;
        // The digit boxes never take it.
        EXPECT_EQ(ApplyKeyFilter(KeyFilter::Digits, c.key, true), (KeyFilterResult{0, kNumbersOnly})) << c.what;
    }
    for (int key : {int{'5'}, int{'-'}, int{'@'}, 9, 127}) {
        EXPECT_EQ(FilterNameKey(key, true), (KeyFilterResult{0, kLettersOnly})) << key;
    }
    EXPECT_EQ(FilterNameKey('q', true), (KeyFilterResult{'Q', std::nullopt}));
}
