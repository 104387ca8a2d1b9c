// Eclipses in the day, the month and their texts, at New Delhi (IST) and
// London (BST in August): the day an almanac prints each on, the visibility,
// the sutak, and nothing on the days around.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calendar/CalendarDays.h"
#include "calendar/EclipseNotes.h"
#include "day/HinduDay.h"

using namespace velmora;

namespace {

const Observer kNewDelhi{28.6139, 77.2090, 216};
const Observer kLondon{51.5074, -0.1278, 11};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

// Published for India: the total lunar eclipse of 3 March 2026 rises over
// New Delhi in its partial phase (the Moon rises about 18:20 IST; the partial
// phase ends 18:47 IST, the penumbral 19:53 IST): a lunar eclipse, visible in
// part, on 3 March and on neither day beside it.
TEST(DayEclipses, LunarEclipseOfMarch2026InItsDayAtNewDelhi) {
    const FixedZone ist(5.5);
    for (const int date : {2, 4}) {
        const std::optional<HinduDay> day = ComputeHinduDay(2026, 3, date, kNewDelhi, ist);
        ASSERT_TRUE(day.has_value());
        EXPECT_TRUE(day->eclipses.empty()) << "2026-03-0" << date;
    }
    const std::optional<HinduDay> day = ComputeHinduDay(2026, 3, 3, kNewDelhi, ist);
    ASSERT_TRUE(day.has_value());
    ASSERT_EQ(day->eclipses.size(), 1u);
    const Eclipse& e = day->eclipses[0];
    EXPECT_EQ(e.kind, EclipseKind::TotalLunar);
    EXPECT_TRUE(e.visible);
    const std::string line = EclipseSummary(e, ist);
    EXPECT_TRUE(Contains(line, "Total lunar eclipse (Chandra Grahan), visible in part: partial eclipse ends 18:47:"))
        << line;
    EXPECT_TRUE(Contains(line, "penumbral eclipse ends 19:53:")) << line;
    EXPECT_TRUE(Contains(line, "greatest 17:03:")) << line;
    // Sutak from 9 hours before the umbra's first contact (15:20 IST): 06:20.
    EXPECT_TRUE(Contains(line, "sutak from 06:20:")) << line;
}

// London, 12 August 2026 (BST): the partial eclipse from 18:17 to 20:06,
// greatest 19:13 (timeanddate), sutak from 06:17.
TEST(DayEclipses, SolarEclipseOfAugust2026InItsDayAtLondon) {
    const FixedZone bst(1);
    const std::optional<HinduDay> day = ComputeHinduDay(2026, 8, 12, kLondon, bst);
    ASSERT_TRUE(day.has_value());
    ASSERT_EQ(day->eclipses.size(), 1u);
    const std::string line = EclipseSummary(day->eclipses[0], bst);
    EXPECT_EQ(line.substr(0, line.find(':')), "Partial solar eclipse (Surya Grahan), visible");
    EXPECT_TRUE(Contains(line, "partial eclipse begins 18:17:")) << line;
    EXPECT_TRUE(Contains(line, "partial eclipse ends 20:06:")) << line;
    EXPECT_TRUE(Contains(line, "greatest 19:13:")) << line;
    EXPECT_TRUE(Contains(line, "sutak from 06:17:")) << line;
    const std::vector<std::string> lines = EclipseLines(day->eclipses[0], bst);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_TRUE(Contains(lines[0], "91 % of the Sun covered")) << lines[0];
}

// The month boxes: March 2026 at New Delhi shows the lunar eclipse on the 3rd
// with its greatest moment; August 2026 shows the solar one on the 12th as
// not visible (the Sun has set in India) and the partial lunar one on the
// 28th as not visible (the Moon has set).
TEST(DayEclipses, MonthBoxesAtNewDelhi) {
    const FixedZone ist(5.5);
    const MonthGrid march = BuildMonthGrid(2026, 3, kNewDelhi, ist);
    const MonthGrid august = BuildMonthGrid(2026, 8, kNewDelhi, ist);
    int shown = 0;
    for (const MonthGrid* grid : {&march, &august}) {
        for (const auto& week : grid->weeks) {
            for (const MonthCell& cell : week) {
                if (!cell.inMonth) continue;
                const std::string text = cell.eclipses.empty() ? "" : cell.eclipses.front();
                const int on = cell.date.month * 100 + cell.date.day;
                if (on == 303) {
                    EXPECT_EQ(text, "Chandra Grahan 17:04") << "greatest at 11:33:48 UT, 17:03:48 rounded to the minute";
                } else if (on == 812) {
                    EXPECT_EQ(text, "Surya Grahan (not visible)");
                } else if (on == 828) {
                    EXPECT_EQ(text, "Chandra Grahan (not visible)");
                } else {
                    EXPECT_TRUE(cell.eclipses.empty()) << cell.date.month << "-" << cell.date.day;
                }
                shown += cell.eclipses.empty() ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(shown, 3);
}

// The year's list for a festivals table: the four eclipses of 2026 seen from
// London on its winter clock, dated by the clock, the lunar eclipse of 3
// March not seen (the Moon is below the horizon there).
TEST(DayEclipses, YearTableAtLondon) {
    const FixedZone gmt(0);
    const std::vector<Eclipse> year = EclipsesOfYear(2026, kLondon, gmt);
    ASSERT_EQ(year.size(), 4u);
    const std::string table = EclipsesTable(year, gmt);
    EXPECT_TRUE(Contains(table, "2026-02-17  Annular solar eclipse (Surya Grahan), not visible from here (outside"))
        << table;
    EXPECT_TRUE(Contains(table, "2026-03-03  Total lunar eclipse (Chandra Grahan), not visible from here (below"))
        << table;
    EXPECT_TRUE(Contains(table, "2026-08-12  Partial solar eclipse (Surya Grahan), visible: partial eclipse begins 17:17:"))
        << table;
    EXPECT_TRUE(Contains(table, "2026-08-28  Partial lunar eclipse (Chandra Grahan), visible in part"))
        << table;
    EXPECT_EQ(EclipsesTable({}, gmt), "Eclipses: none\n");
    EXPECT_TRUE(EclipsesOfYear(2026, Observer{std::nan(""), 0, 0}, gmt).empty());
}
