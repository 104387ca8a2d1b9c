#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "input/InputForm.h"
#include "panchang/PanchangTables.h"
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
    EXPECT_EQ(VaraNumberOf(ReadQueryDate(FormFor(c.year, c.month, c.day))), std::optional<int>(c.vara));
    const std::optional<VaraRow> row = VaraRowOf(c.vara);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->lblDay, c.day_name);
    EXPECT_EQ(row->lblLord, c.lord);
    EXPECT_EQ(row->lblAlternateName, c.alternate);
    EXPECT_FALSE(row->txtMoreAboutDayOfBirth.empty());
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
    EXPECT_EQ(VaraNumberOf(ReadQueryDate(form)), std::optional<int>(7));
}

TEST(VaraTest, ImpossibleOrIncompleteDatesHaveNoVara) {
    EXPECT_FALSE(VaraNumberOf(ReadQueryDate(FormFor(1985, 2, 30))));
    InputForm noDay = FormFor(1990, 1, 1);
    noDay.cboDate = -1;
    EXPECT_FALSE(VaraNumberOf(ReadQueryDate(noDay)));
    InputForm noYear = FormFor(1990, 1, 1);
    noYear.cboYear = -1;
    EXPECT_FALSE(VaraNumberOf(ReadQueryDate(noYear)));
}

}  // namespace
}  // namespace velmora
