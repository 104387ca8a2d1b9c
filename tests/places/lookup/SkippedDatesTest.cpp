// The Hindu day on the real zone database's clocks around every date a zone
// skipped (the zone database: Pacific/Apia and Pacific/Fakaofo went from 29 to
// 31 December 2011, Pacific/Kanton and Pacific/Kiritimati from 30 December
// 1994 to 1 January 1995, Pacific/Kwajalein from 20 to 22 August 1993): the day
// before a skipped date runs to the next sunrise on the clock, the skipped
// date says why it has no day, and the month and year around it keep every
// other day. Sunrises from swetest 2.10 (-rise, upper limb, standard
// refraction) at the atolls' coordinates.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "astronomy/Calendar.h"
#include "calendar/CalendarDays.h"
#include "day/HinduDay.h"
#include "places/lookup/ZoneClock.h"

namespace velmora {
namespace {

constexpr double kSecond = 1.0 / 86400;

struct Skip {
    const char* zone;
    Observer place;
    CalendarDate before;   // the last date before the skip
    CalendarDate skipped;
    CalendarDate after;
    double nextSunriseUt;  // swetest: the first sunrise of `after`, JD (UT)
};

double Ut(int y, int mo, int d, int h, int mi, double s) {
    return JulianDayFromDate(mo, d, y) + (h + mi / 60.0 + s / 3600) / 24;
}

TEST(SkippedDates, EveryWholeDaySkipOfTheZoneDatabase) {
    const Skip skips[] = {
        {"Pacific/Apia", {-13.83333, -171.76666, 0}, {2011, 12, 29}, {2011, 12, 30}, {2011, 12, 31},
         Ut(2011, 12, 30, 17, 1, 36.5)},
        {"Pacific/Fakaofo", {-9.3653, -171.2150, 0}, {2011, 12, 29}, {2011, 12, 30}, {2011, 12, 31},
         Ut(2011, 12, 30, 17, 7, 28.6)},
        {"Pacific/Kanton", {-2.8106, -171.6757, 0}, {1994, 12, 30}, {1994, 12, 31}, {1995, 1, 1},
         Ut(1994, 12, 31, 17, 21, 21.5)},
        {"Pacific/Kiritimati", {1.8721, -157.4278, 0}, {1994, 12, 30}, {1994, 12, 31}, {1995, 1, 1},
         Ut(1994, 12, 31, 16, 32, 20.4)},
        {"Pacific/Kwajalein", {9.0915, 167.3288, 0}, {1993, 8, 20}, {1993, 8, 21}, {1993, 8, 22},
         Ut(1993, 8, 21, 18, 42, 34.4)},
    };
    for (const Skip& s : skips) {
        SCOPED_TRACE(s.zone);
        const std::unique_ptr<DayZone> zone = ZoneClock(s.zone);
        ASSERT_TRUE(zone);
        EXPECT_FALSE(DateOnClock(s.skipped.year, s.skipped.month, s.skipped.day, *zone));
        HinduDays days(s.place, *zone);
        const std::optional<HinduDay> before = days.Day(s.before.year, s.before.month, s.before.day);
        ASSERT_TRUE(before);
        ASSERT_TRUE(before->nextSunrise);
        EXPECT_NEAR(*before->nextSunrise, s.nextSunriseUt, 30 * kSecond);
        EXPECT_NE(before->note.find("is not on this clock"), std::string::npos) << before->note;
        EXPECT_FALSE(days.Day(s.skipped.year, s.skipped.month, s.skipped.day));
        EXPECT_NE(days.Trouble(s.skipped.year, s.skipped.month, s.skipped.day).find("the zone skips it"),
                  std::string::npos);
        const std::optional<HinduDay> after = days.Day(s.after.year, s.after.month, s.after.day);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->startJdUt, before->endJdUt);
        // The week around the skip: six days and the one date with its reason.
        const CalendarSpan week = ComputeCalendarSpan(AddDays(s.skipped, -3), 7, s.place, *zone);
        EXPECT_EQ(week.days.size(), 6u);
        ASSERT_EQ(week.troubles.size(), 1u);
        EXPECT_EQ(week.troubles[0].date, s.skipped);
        for (std::size_t i = 1; i < week.days.size(); ++i) {
            EXPECT_EQ(week.days[i].startJdUt, week.days[i - 1].endJdUt);
        }
    }
}

}  // namespace
}  // namespace velmora
