// The day on clocks that jump: a date the zone skips (Pacific/Apia went from
// 29 to 31 December 2011), a clock that jumps over midnight, offsets with
// seconds (Madras time, +05:21:10, before Indian standard time) and the clock
// rounded to the minute as a month prints it. Rising times from swetest 2.10
// (-rise, upper limb, standard refraction).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "astronomy/Calendar.h"
#include "calendar/CalendarDays.h"
#include "day/HinduDay.h"

namespace velmora {
namespace {

constexpr double kSecond = 1.0 / 86400;

double Ut(int y, int mo, int d, int h, int mi, double s) {
    return JulianDayFromDate(mo, d, y) + (h + mi / 60.0 + s / 3600) / 24;
}

// A clock that jumps by a whole day at one moment (UT), as the zone database
// has it: Apia −10 to +14 at 2011-12-30 10:00 UT; Kwajalein −12 to +12 at
// 1993-08-21 12:00 UT.
class JumpingZone final : public DayZone {
public:
    JumpingZone(double before, double after, double at) : before_(before), after_(after), at_(at) {}
    double OffsetHours(double jdUt) const override { return jdUt < at_ ? before_ : after_; }
    std::string Name() const override { return "jumping"; }

private:
    double before_, after_, at_;
};

const Observer kApia{-13.83333, -171.76666, 0};

TEST(SkippedDate, TheDayBeforeRunsToTheNextSunriseOnTheClock) {
    const JumpingZone apia(-10, 14, Ut(2011, 12, 30, 10, 0, 0));
    EXPECT_TRUE(DateOnClock(2011, 12, 29, apia));
    EXPECT_FALSE(DateOnClock(2011, 12, 30, apia));
    EXPECT_TRUE(DateOnClock(2011, 12, 31, apia));
    // The skipped date begins and ends at the jump; the next date at its midnight.
    EXPECT_NEAR(LocalMidnight(2011, 12, 30, apia), Ut(2011, 12, 30, 10, 0, 0), 0.01 * kSecond);
    EXPECT_EQ(LocalMidnight(2011, 12, 31, apia), Ut(2011, 12, 30, 10, 0, 0));

    HinduDays days(kApia, apia);
    const std::optional<HinduDay> before = days.Day(2011, 12, 29);
    ASSERT_TRUE(before && before->sunrise && before->nextSunrise && before->sunset);
    // swetest: rise 29.12.2011 17:01:02.9 UT, set 30.12.2011 05:57:15.1 UT,
    // rise 30.12.2011 17:01:36.5 UT (31 December 07:01 on the clock).
    EXPECT_NEAR(*before->sunrise, Ut(2011, 12, 29, 17, 1, 2.9), 30 * kSecond);
    EXPECT_NEAR(*before->sunset, Ut(2011, 12, 30, 5, 57, 15.1), 30 * kSecond);
    EXPECT_NEAR(*before->nextSunrise, Ut(2011, 12, 30, 17, 1, 36.5), 30 * kSecond);
    EXPECT_NE(before->note.find("2011-12-30, is not on this clock"), std::string::npos) << before->note;
    EXPECT_FALSE(before->tithi.empty());

    EXPECT_FALSE(days.Day(2011, 12, 30));
    EXPECT_TRUE(days.Skipped(2011, 12, 30));
    EXPECT_EQ(days.Trouble(2011, 12, 30),
              "2011-12-30 is not on this clock: the zone skips it, going from 2011-12-29 straight to 2011-12-31.");
    EXPECT_EQ(days.Trouble(2011, 12, 29), "");

    const std::optional<HinduDay> after = days.Day(2011, 12, 31);
    ASSERT_TRUE(after && after->sunrise);
    EXPECT_EQ(after->startJdUt, before->endJdUt);
    EXPECT_EQ(LocalTimeText(*after->sunrise, apia).substr(0, 16), "2011-12-31T07:01");
    ASSERT_TRUE(after->previousSunset);
    EXPECT_EQ(*after->previousSunset, *before->sunset);

    // A moment of the skipped stretch's night belongs to the day of the 29th.
    const std::optional<HinduDay> holding = HinduDayHolding(Ut(2011, 12, 30, 12, 0, 0), kApia, apia);
    ASSERT_TRUE(holding);
    EXPECT_EQ(holding->day, 29);
}

// One date's trouble never loses the month: December 2011 at Apia has 30
// days and one date with its reason, and the observances run on across it.
TEST(SkippedDate, TheMonthKeepsItsOtherDays) {
    const JumpingZone apia(-10, 14, Ut(2011, 12, 30, 10, 0, 0));
    const CalendarSpan span = ComputeCalendarSpan({2011, 12, 1}, 31, kApia, apia);
    EXPECT_EQ(span.days.size(), 30u);
    ASSERT_EQ(span.troubles.size(), 1u);
    EXPECT_EQ(span.troubles[0].date, (CalendarDate{2011, 12, 30}));
    for (std::size_t i = 1; i < span.days.size(); ++i) EXPECT_EQ(span.days[i].startJdUt, span.days[i - 1].endJdUt);
    const MonthGrid grid = MonthGridOf(2011, 12, span, apia);
    const MonthCell* skipped = CellOf(grid, {2011, 12, 30});
    ASSERT_NE(skipped, nullptr);
    EXPECT_FALSE(skipped->computed);
    EXPECT_TRUE(CellOf(grid, {2011, 12, 31})->computed);
    // The first of January 1995 at Kanton follows a skipped 31 December.
    const JumpingZone kanton(-11, 13, Ut(1994, 12, 31, 11, 0, 0));
    const CalendarSpan year = ComputeCalendarSpan({1994, 12, 1}, 62, Observer{-2.8, -171.7, 0}, kanton);
    EXPECT_EQ(year.days.size(), 61u);
    ASSERT_EQ(year.troubles.size(), 1u);
    EXPECT_EQ(year.troubles[0].date, (CalendarDate{1994, 12, 31}));
    // Kwajalein skipped 21 August 1993 (−12 to +12).
    const JumpingZone kwajalein(-12, 12, Ut(1993, 8, 21, 12, 0, 0));
    EXPECT_FALSE(DateOnClock(1993, 8, 21, kwajalein));
    const std::optional<HinduDay> last = ComputeHinduDay(1993, 8, 20, Observer{9.1, 167.3, 0}, kwajalein);
    ASSERT_TRUE(last && last->nextSunrise);
    EXPECT_EQ(LocalTimeText(*last->nextSunrise, kwajalein).substr(0, 10), "1993-08-22");
}

// A clock that goes forward at midnight: the date begins when it jumps, and
// the day before ends at that date's sunrise as usual. A clock that goes
// back over midnight: the date begins at its first midnight.
TEST(DayClock, MidnightsAClockJumpsOverOrRepeats) {
    const double jump = Ut(2026, 10, 4, 3, 0, 0);  // 00:00 at −3 becomes 01:00 at −2
    const JumpingZone forward(-3, -2, jump);
    EXPECT_NEAR(LocalMidnight(2026, 10, 4, forward), jump, 0.01 * kSecond);
    EXPECT_TRUE(DateOnClock(2026, 10, 3, forward));
    EXPECT_TRUE(DateOnClock(2026, 10, 4, forward));
    EXPECT_NEAR((LocalMidnight(2026, 10, 5, forward) - LocalMidnight(2026, 10, 4, forward)) * 24, 23, 1e-6);
    const JumpingZone back(-2, -3, Ut(2026, 2, 22, 2, 30, 0));  // 00:30 at −2 becomes 23:30 at −3
    EXPECT_NEAR(LocalMidnight(2026, 2, 22, back), Ut(2026, 2, 22, 2, 0, 0), 1e-9);
    EXPECT_NEAR((LocalMidnight(2026, 2, 23, back) - LocalMidnight(2026, 2, 22, back)) * 24, 25, 1e-6);
    // A zone with no offset has no midnight and no day.
    EXPECT_TRUE(std::isnan(LocalMidnight(2026, 1, 1, FixedZone(std::nan("")))));
    EXPECT_FALSE(DateOnClock(2026, 1, 1, FixedZone(std::nan(""))));
    const FixedZone noOffset(std::nan(""));  // the days keep a reference to their zone
    HinduDays none(kApia, noOffset);
    EXPECT_EQ(none.Trouble(2026, 1, 1), "The zone gives no usable clock offset on 2026-01-01.");
    EXPECT_NE(none.Trouble(2026, 2, 30).find("no date"), std::string::npos);
}

// Offsets with seconds are shown with them, and the clock reading is the
// moment plus that very offset; the minute is rounded, not truncated.
TEST(DayClock, OffsetSecondsAndRoundedMinutes) {
    const double madras = 5 + 21.0 / 60 + 10.0 / 3600;  // +05:21:10 until 1906 (tz database)
    EXPECT_EQ(OffsetText(madras), "+05:21:10");
    EXPECT_EQ(OffsetText(-(9 + 59.0 / 60 + 4.0 / 3600)), "-09:59:04");
    EXPECT_EQ(OffsetText(5.5), "+05:30");
    const double moment = Ut(1902, 3, 1, 0, 45, 0);
    EXPECT_EQ(LocalTimeText(moment, madras), "1902-03-01T06:06:10+05:21:10");
    struct Row {
        double jdUt;
        double offset;
        const char* minute;
    };
    const Row rows[] = {
        {Ut(2026, 5, 2, 0, 36, 52), 5.5, "2026-05-02T06:07"},    // 06:06:52 is 06:07
        {Ut(2026, 5, 2, 0, 36, 29.4), 5.5, "2026-05-02T06:06"},  // 06:06:29.4 stays 06:06
        {Ut(2026, 5, 2, 18, 29, 31), 5.5, "2026-05-03T00:00"},   // 23:59:31 carries into the next date
        {moment, madras, "1902-03-01T06:06"},                    // 06:06:10 on Madras time
        {Ut(1902, 3, 1, 0, 45, 20), madras, "1902-03-01T06:07"},  // 06:06:30
    };
    for (const Row& row : rows) EXPECT_EQ(LocalMinuteText(row.jdUt, FixedZone(row.offset)), row.minute) << row.minute;
    EXPECT_EQ(LocalMinuteText(std::nan(""), FixedZone(5.5)), "");
    // The month grid's cells round the same way (swetest: Pune's typed
    // coordinates rise at 00:36:56.3 UT on 2 May 2026 and set at 13:26:47.6
    // UT on 3 May).
    const MonthGrid may = BuildMonthGrid(2026, 5, Observer{18.516667, 73.85, 0}, FixedZone(5.5));
    ASSERT_NE(CellOf(may, {2026, 5, 2}), nullptr);
    EXPECT_EQ(CellOf(may, {2026, 5, 2})->sunrise, "06:07");
    EXPECT_EQ(CellOf(may, {2026, 5, 3})->sunset, "18:57");
    // A month's line: the clock of its own date, or the date with it.
    const FixedZone ist(5.5);
    EXPECT_EQ(ClockTextOnDate(Ut(2026, 5, 16, 20, 1, 0), ist, {2026, 5, 16}), "17 May 01:31");
    EXPECT_EQ(ClockTextOnDate(Ut(2026, 5, 16, 10, 1, 0), ist, {2026, 5, 16}), "15:31");
}

}  // namespace
}  // namespace velmora
