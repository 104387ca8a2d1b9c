// The calendar file's name from the place as typed: up to its first comma,
// without the characters libical would leave unescaped, and without blanks
// around it, which a calendar reading the file drops (libical reads
// "X-WR-CALNAME:… Pune " back as "… Pune").
#include <gtest/gtest.h>

#include <string>

#include "day/DayZone.h"
#include "report/CalendarReport.h"

namespace velmora {
namespace {

TEST(CalendarFeedName, IsTheYearAndThePlaceUpToItsCommaWithoutBlanksAround) {
    const struct {
        const char* label;
        const char* name;
    } cases[] = {
        {"New Delhi", "Velmora observances 2026 – New Delhi"},
        {"Pune, Maharashtra", "Velmora observances 2026 – Pune"},
        {" New Delhi ", "Velmora observances 2026 – New Delhi"},
        {"\tPune , Maharashtra", "Velmora observances 2026 – Pune"},
        {"Paris;TX\\", "Velmora observances 2026 – ParisTX"},
        {"28:36N 77:12E +05:30", "Velmora observances 2026 – 28:36N 77:12E +05:30"},
        {"  , India", "Velmora observances 2026"},
        {"", "Velmora observances 2026"},
    };
    const FixedZone zone(5.5);
    for (const auto& c : cases) {
        EXPECT_EQ(YearFeed(2026, CalendarSpan{}, zone, c.label).name, c.name) << '"' << c.label << '"';
    }
}

}  // namespace
}  // namespace velmora
