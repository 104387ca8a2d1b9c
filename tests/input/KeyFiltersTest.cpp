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
