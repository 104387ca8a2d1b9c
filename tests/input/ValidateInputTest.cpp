#include <gtest/gtest.h>

#include <string>

#include "input/InputForm.h"
#include "input/ValidateInput.h"

using namespace velmora;

namespace {

const char* const kName = "Please Enter Name";
const char* const kLonD = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
const char* const kLonM = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
const char* const kLatD = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
const char* const kLatM = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
const char* const kFebruary = "Please Enter Correct Date Or Month!";
const char* const kThirtyDays = "Please Enter Correct Date Or Month !";

InputForm Valid() {
    InputForm f;
    f.txtName = "ASHA";
    f.txtLonD = "77";
    f.txtLonM = "13";
    f.txtLatD = "28";
    f.txtLatM = "36";
    return f;
}

InputForm WithDate(int month, int day, int year) {
    InputForm f = Valid();
    f.cboMonth = month - 1;
    f.cboDate = day - 1;
    f.cboYear = ListFind(InputList::Year, std::to_string(year));
    return f;
}

}  // namespace

TEST(ValidateInput, ExactMessagesIconsAndFocus) {
    // The two minute messages carry a doubled blank; the two date messages
    // differ by the blank before "!".
    InputForm f = Valid();
    f.txtName = "";
    EXPECT_EQ(ValidateInput(f), (Refusal{kName, MessageIcon::Critical, "txtName"}));
    f = Valid();
    f.txtLonD = "180";
    EXPECT_EQ(ValidateInput(f), (Refusal{kLonD, MessageIcon::Critical, "txtLonD"}));
    f = Valid();
    f.txtLonM = "60";
    EXPECT_EQ(ValidateInput(f), (Refusal{kLonM, MessageIcon::Critical, "txtLonM"}));
    f = Valid();
    f.txtLatD = "90";
    EXPECT_EQ(ValidateInput(f), (Refusal{kLatD, MessageIcon::Critical, "txtLatD"}));
    f = Valid();
    f.txtLatM = "60";
    EXPECT_EQ(ValidateInput(f), (Refusal{kLatM, MessageIcon::Critical, "txtLatM"}));
    EXPECT_EQ(ValidateInput(WithDate(2, 30, 2000)), (Refusal{kFebruary, MessageIcon::Information, ""}));
    EXPECT_EQ(ValidateInput(WithDate(4, 31, 2000)), (Refusal{kThirtyDays, MessageIcon::Information, ""}));
    EXPECT_EQ(ValidateInput(Valid()), std::nullopt);
}

struct BoxCase {
    const char* box;  // which text box
    const char* text;
    const char* refusal;  // nullptr when it passes
};

class ValidateBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ValidateBoxTest, RefusesOrPasses) {
    const auto& c = GetParam();
    InputForm f = Valid();
    const std::string box = c.box;
    if (box == "txtName") f.txtName = c.text;
    if (box == "txtLonD") f.txtLonD = c.text;
    if (box == "txtLonM") f.txtLonM = c.text;
    if (box == "txtLatD") f.txtLatD = c.text;
    if (box == "txtLatM") f.txtLatM = c.text;
    const auto r = ValidateInput(f);
    if (c.refusal) {
        ASSERT_TRUE(r.has_value()) << box << " '" << c.text << "'";
        EXPECT_EQ(r->message, c.refusal);
    } else {
        EXPECT_FALSE(r.has_value()) << box << " '" << c.text << "': " << r->message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ValidateBoxTest,
    ::testing::Values(
        BoxCase{"txtName", "   ", kName}, BoxCase{"txtName", " A ", nullptr},
        // A tab is not a blank: the name is not empty.
        BoxCase{"txtName", "\t", nullptr},
        // Degrees: empty refuses; the leading number decides; no leading number reads 0.
        BoxCase{"txtLonD", "179", nullptr}, BoxCase{"txtLonD", "180", kLonD},
        BoxCase{"txtLonD", "", kLonD}, BoxCase{"txtLonD", "   ", kLonD},
        BoxCase{"txtLonD", "-1", kLonD}, BoxCase{"txtLonD", "-0", nullptr},
        BoxCase{"txtLonD", "12abc", nullptr}, BoxCase{"txtLonD", "abc", nullptr},
        BoxCase{"txtLonD", "179.5", kLonD}, BoxCase{"txtLonD", "1e9", nullptr},
        BoxCase{"txtLonD", " 179 ", nullptr},
        BoxCase{"txtLonD", "99999999999999999999999999999999999999999999999999999999999999"
                           "99999999999999999999999999999999999999999999999999999999999999"
                           "99999999999999999999999999999999999999999999999999999999999999"
                           "99999999999999999999999999999999999999999999999999999999999999"
                           "99999999999999999999999999999999999999999999999999999999999999",
                kLonD},
        BoxCase{"txtLatD", "89", nullptr}, BoxCase{"txtLatD", "90", kLatD},
        BoxCase{"txtLatD", "", kLatD}, BoxCase{"txtLatD", "x", nullptr},
        // Minutes: the whole text must be a number in 0..59.
        BoxCase{"txtLonM", "59", nullptr}, BoxCase{"txtLonM", "60", kLonM},
        BoxCase{"txtLonM", "", kLonM}, BoxCase{"txtLonM", "5x", kLonM},
        BoxCase{"txtLonM", "-1", kLonM}, BoxCase{"txtLonM", "0", nullptr},
        BoxCase{"txtLonM", "59.5", kLonM}, BoxCase{"txtLonM", "5e1", nullptr},
        BoxCase{"txtLatM", "59", nullptr}, BoxCase{"txtLatM", "60", kLatM},
        BoxCase{"txtLatM", "", kLatM}, BoxCase{"txtLatM", "--1", kLatM}));

struct DateCase {
    int month, day, year;
    const char* refusal;
};

class ValidateDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ValidateDateTest, RefusesOrPasses) {
    const auto& c = GetParam();
    const auto r = ValidateInput(WithDate(c.month, c.day, c.year));
    if (c.refusal) {
        ASSERT_TRUE(r.has_value()) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(r->message, c.refusal);
        EXPECT_EQ(r->icon, MessageIcon::Information);
        EXPECT_EQ(r->focus, "");
    } else {
        EXPECT_FALSE(r.has_value()) << c.day << "." << c.month << "." << c.year;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ValidateDateTest,
    ::testing::Values(DateCase{2, 29, 2000, nullptr}, DateCase{2, 29, 2048, nullptr},
                      DateCase{2, 29, 1904, nullptr}, DateCase{2, 29, 1901, kFebruary},
                      DateCase{2, 29, 2001, kFebruary}, DateCase{2, 28, 1901, nullptr},
                      DateCase{2, 30, 2000, kFebruary}, DateCase{2, 31, 2000, kFebruary},
                      DateCase{2, 31, 1999, kFebruary}, DateCase{4, 31, 1987, kThirtyDays},
                      DateCase{6, 31, 1987, kThirtyDays}, DateCase{9, 31, 1987, kThirtyDays},
                      DateCase{11, 31, 1987, kThirtyDays}, DateCase{4, 30, 1987, nullptr},
                      DateCase{5, 31, 1987, nullptr}, DateCase{12, 31, 2050, nullptr},
                      DateCase{1, 31, 1901, nullptr}, DateCase{7, 31, 1987, nullptr},
                      DateCase{8, 31, 1987, nullptr}));

TEST(ValidateInput, ChecksRunInTableOrder) {
    // Each form breaks every check from a given one on; the first broken one speaks.
    InputForm f = WithDate(2, 30, 2001);
    f.txtName = " ";
    f.txtLonD = "200";
    f.txtLonM = "";
    f.txtLatD = "100";
    f.txtLatM = "x";
    EXPECT_EQ(ValidateInput(f)->message, kName);
    f.txtName = "A";
    EXPECT_EQ(ValidateInput(f)->message, kLonD);
    f.txtLonD = "1";
    EXPECT_EQ(ValidateInput(f)->message, kLonM);
    f.txtLonM = "1";
    EXPECT_EQ(ValidateInput(f)->message, kLatD);
    f.txtLatD = "1";
    EXPECT_EQ(ValidateInput(f)->message, kLatM);
    f.txtLatM = "1";
    EXPECT_EQ(ValidateInput(f)->message, kFebruary);
}

TEST(ValidateInput, ListsWithNothingChosen) {
    // No chosen month or day gives no date to refuse; February without a year
    // cannot be checked and so counts as refused.
    InputForm f = Valid();
    f.cboMonth = -1;
    f.cboDate = -1;
    f.cboYear = -1;
    EXPECT_EQ(ValidateInput(f), std::nullopt);
    f.cboMonth = 1;
    f.cboDate = 0;
    EXPECT_EQ(ValidateInput(f)->message, kFebruary);
    f.cboYear = 99;  // 1999
    EXPECT_EQ(ValidateInput(f), std::nullopt);
    f.cboMonth = 3;
    f.cboDate = 30;
    f.cboYear = -1;
    EXPECT_EQ(ValidateInput(f)->message, kThirtyDays);
}
