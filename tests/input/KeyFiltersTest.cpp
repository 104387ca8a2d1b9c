#include <gtest/gtest.h>

#include <string>

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

TEST(KeyFilters, BoundariesOfTheRanges) {
    // The codes just outside each range are the likely slips.
    EXPECT_EQ(FilterDigitKey('/', true).key, 0);
    EXPECT_EQ(FilterDigitKey(':', true).key, 0);
    EXPECT_EQ(FilterNameKey('@').key, 0);
    EXPECT_EQ(FilterNameKey('[').key, 0);
    EXPECT_EQ(FilterNameKey('`').key, 0);
    EXPECT_EQ(FilterNameKey('{').key, 0);
    EXPECT_EQ(FilterNameKey('a').key, 'A');
    EXPECT_EQ(FilterNameKey('z').key, 'Z');
    // A code outside 16 bits is not a letter whose low byte happens to match.
    EXPECT_EQ(FilterNameKey(0x10000 + 'a').key, 0);
    EXPECT_EQ(FilterDigitKey(0x10000 + '5', false).key, 0);
    EXPECT_EQ(FilterDigitKey(-1, false).key, 0);
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

TEST(KeyFilters, TypingThroughTheFilters) {
    // What a box ends up holding when a string is typed key by key.
    auto type = [](KeyFilter filter, const std::string& keys, int* refusals) {
        std::string text;
        for (unsigned char c : keys) {
            const KeyFilterResult r = ApplyKeyFilter(filter, c);
            if (r.refusal) ++*refusals;
            if (r.key != 0) text.push_back(static_cast<char>(r.key));
        }
        return text;
    };
    int refusals = 0;
    EXPECT_EQ(type(KeyFilter::Letters, "asha rani", &refusals), "ASHA RANI");
    EXPECT_EQ(refusals, 0);
    EXPECT_EQ(type(KeyFilter::Letters, "o'neil-2", &refusals), "ONEIL");
    EXPECT_EQ(refusals, 3);
    refusals = 0;
    EXPECT_EQ(type(KeyFilter::DigitsAndMinus, "-5.5", &refusals), "-55");
    EXPECT_EQ(refusals, 1);
    refusals = 0;
    EXPECT_EQ(type(KeyFilter::Digits, "-30", &refusals), "30");
    EXPECT_EQ(refusals, 1);
}
