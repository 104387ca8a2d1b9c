#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "input/InputForm.h"
#include "panchang/Vara.h"

namespace velmora {
namespace {

InputForm FormFor(int year, int month, int day) {
    InputForm form;
    form.cboMonth = month - 1;
    form.cboDate = ListFind(InputList::Date, std::to_string(day));
    form.cboYear = ListFind(InputList::Year, std::to_string(year));
    return form;
}

struct VaraCase {
    int year, month, day;
    int vara;
    const char* day_name;
    const char* lord;
    const char* alternate;
};

class VaraDateTest : public ::testing::TestWithParam<VaraCase> {};

TEST_P(VaraDateTest, WeekdayAndRow) {
    const VaraCase& c = GetParam();
    EXPECT_EQ(GregorianWeekday(c.year, c.month, c.day), std::optional<int>(c.vara));
    CalculationState state;
    ResultsPage page;
    ReportVara(FormFor(c.year, c.month, c.day), state, page);
    EXPECT_EQ(state.panchang.VaraNumber, std::optional<int>(c.vara));
    EXPECT_EQ(page.lblDay, c.day_name);
    EXPECT_EQ(page.lblLord, c.lord);
    EXPECT_EQ(page.lblAlternateName, c.alternate);
    EXPECT_FALSE(page.txtMoreAboutDayOfBirth.empty());
}

INSTANTIATE_TEST_SUITE_P(Vara, VaraDateTest,
                         ::testing::Values(VaraCase{1984, 3, 5, 2, "Monday", "Moon", "Soma Vara"},
                                           VaraCase{1901, 1, 1, 3, "Tuesday", "Mars", "Mangala Vara"},
                                           VaraCase{2050, 12, 31, 7, "Saturday", "Saturn", "Shani Vara"},
                                           VaraCase{2000, 2, 29, 3, "Tuesday", "Mars", "Mangala Vara"},
                                           VaraCase{1987, 8, 15, 7, "Saturday", "Saturn", "Shani Vara"},
                                           VaraCase{1969, 7, 20, 1, "Sunday", "Sun", "Ravi Vara"},
                                           VaraCase{2026, 12, 10, 5, "Thursday", "Jupiter", "Guru Vara"},
                                           VaraCase{1999, 12, 31, 6, "Friday", "Venus", "Shukra Vara"},
                                           VaraCase{2024, 1, 3, 4, "Wednesday", "Mercury", "Budha Vara"}));

TEST(VaraTest, ConsecutiveDaysAdvanceByOne) {
    // Across month, year and leap-day boundaries over the whole year range.
    int expected = *GregorianWeekday(1901, 1, 1);
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                const std::optional<int> w = GregorianWeekday(y, m, d);
                if (!w) continue;
                ASSERT_EQ(*w, expected) << y << "-" << m << "-" << d;
                expected = expected % 7 + 1;
            }
        }
    }
}

TEST(VaraTest, ImpossibleDatesHaveNoWeekday) {
    EXPECT_FALSE(GregorianWeekday(1901, 2, 29));
    EXPECT_FALSE(GregorianWeekday(2100, 2, 29));
    EXPECT_TRUE(GregorianWeekday(2000, 2, 29));
    EXPECT_FALSE(GregorianWeekday(1984, 4, 31));
    EXPECT_FALSE(GregorianWeekday(1984, 13, 1));
    EXPECT_FALSE(GregorianWeekday(1984, 1, 0));
    EXPECT_EQ(GregorianWeekday(1899, 12, 30), std::optional<int>(7));
}

TEST(VaraTest, NoMonthChosenIsTheEmptyDateSaturday) {
    InputForm form = FormFor(1984, 3, 5);
    form.cboMonth = -1;
    EXPECT_EQ(VaraNumberOf(form), std::optional<int>(7));
    CalculationState state;
    state.panchang.VaraNumber = 2;
    ResultsPage page;
    ReportVara(form, state, page);
    EXPECT_EQ(state.panchang.VaraNumber, std::optional<int>(7));
    EXPECT_EQ(page.lblDay, "Saturday");
}

TEST(VaraTest, ImpossibleDateKeepsThePreviousRunsVara) {
    CalculationState state;
    ResultsPage first;
    ReportVara(FormFor(1984, 3, 5), state, first);  // Monday
    ASSERT_EQ(state.panchang.VaraNumber, std::optional<int>(2));

    ResultsPage fresh;
    ReportVara(FormFor(1985, 2, 30), state, fresh);
    EXPECT_EQ(state.panchang.VaraNumber, std::optional<int>(2));
    EXPECT_EQ(fresh.lblDay, "Monday");
    EXPECT_EQ(fresh.lblLord, "Moon");
    EXPECT_EQ(fresh.lblAlternateName, "Soma Vara");

    // No day chosen: the day text is empty, not a number.
    InputForm noDay = FormFor(1990, 1, 1);
    noDay.cboDate = -1;
    ResultsPage again;
    ReportVara(noDay, state, again);
    EXPECT_EQ(again.lblDay, "Monday");
}

TEST(VaraTest, ImpossibleDateBeforeAnyRunWritesNothing) {
    CalculationState state;
    ResultsPage page;
    const ResultsPage design;
    InputForm noYear = FormFor(1990, 1, 1);
    noYear.cboYear = -1;
    ReportVara(noYear, state, page);
    EXPECT_FALSE(state.panchang.VaraNumber);
    ReportVara(FormFor(1987, 4, 31), state, page);
    EXPECT_FALSE(state.panchang.VaraNumber);
    EXPECT_EQ(page.lblDay, design.lblDay);
    EXPECT_EQ(page.lblLord, design.lblLord);
    EXPECT_EQ(page.lblAlternateName, design.lblAlternateName);
    EXPECT_EQ(page.txtMoreAboutDayOfBirth, design.txtMoreAboutDayOfBirth);
}

}  // namespace
}  // namespace velmora
