#pragma once

#include <string>

// The clock a day is shown on.
//
// Design: the day's computation asks the zone for its offset at each moment
// it shows (a universal time), so that a day on which the clocks change shows
// every moment on the clock then in force (23- and 25-hour days). The core
// knows only this interface; the time-zone database lives with the callers
// (the report tool and the windows read it through Qt). A zone typed as hours
// and minutes is a FixedZone: one offset for every moment.
namespace velmora {

class DayZone {
public:
    virtual ~DayZone() = default;
    // Local clock minus universal time, hours, at a moment (Julian day, UT).
    virtual double OffsetHours(double jdUt) const = 0;
    // The zone's name as shown: an IANA name, or the offset ("+05:30").
    virtual std::string Name() const = 0;
};

// One offset for all moments.
class FixedZone final : public DayZone {
public:
    explicit FixedZone(double offsetHours) : offsetHours_(offsetHours) {}
    double OffsetHours(double) const override { return offsetHours_; }
    std::string Name() const override;

private:
    double offsetHours_;
};

// An offset as ISO 8601 text, "+05:30", "-03:00", "+00:00", with its seconds
// when it has any (a local mean time: "+05:21:10"); an offset that is no
// finite number of hours, or beyond ±18 h, is "+00:00".
std::string OffsetText(double offsetHours);

// The UT Julian day of local midnight at the start of a civil date on the
// zone's clock (the offset taken at that moment, so a change at midnight
// counts). Where the clock jumps over midnight (forward at midnight, or past
// a whole date), the moment of the jump: a date the zone skips begins and
// ends there. After the clock goes back over midnight, the first midnight.
// Days past a month's end roll over into the next month.
double LocalMidnight(int year, int month, int day, const DayZone& zone);

// Whether a civil date is on the zone's clock at all: false for a date the
// zone skips (Pacific/Apia went from 29 to 31 December 2011).
bool DateOnClock(int year, int month, int day, const DayZone& zone);

// A moment as local clock text to the second with its offset,
// "2026-12-07T07:00:41+05:30"; the moment is rounded to the nearest second.
// The offset keeps its seconds when it has any ("+05:21:10"), and the clock
// reading is the moment plus that very offset.
// Empty when the moment or offset is no finite number or lies outside the
// years 1..9999.
std::string LocalTimeText(double jdUt, const DayZone& zone);

// The same with an offset given directly.
std::string LocalTimeText(double jdUt, double offsetHours);

// The local date and clock rounded to the nearest minute, "2026-12-07T07:01"
// for 07:00:41 (rounding can carry into the next date). Empty as for
// LocalTimeText.
std::string LocalMinuteText(double jdUt, const DayZone& zone);

}  // namespace velmora
