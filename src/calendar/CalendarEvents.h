#pragma once

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/Observances.h"

// The year's observances as calendar events, ready for a calendar file: the
// observance days as all-day events, sankrantis and new and full moons as
// moments in UTC. Titles use the program's own tithi names with the English
// beside them. Nothing here reads a clock: the same query gives the same
// events, identifiers included.
namespace velmora {

// A moment in UTC to the second.
struct UtcTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const UtcTime&) const = default;
    bool operator<(const UtcTime& other) const {
        return std::tie(year, month, day, hour, minute, second) <
               std::tie(other.year, other.month, other.day, other.hour, other.minute, other.second);
    }
};

// A Julian day (UT) as UTC to the nearest second (UT1 and UTC differ by less
// than a second). Nothing for a Julian day that is not finite or lies outside
// the years 1..9999.
std::optional<UtcTime> UtcFromJulianDay(double jd);

// The civil date `days` after `date` (negative: before).
CalendarDate AddDays(const CalendarDate& date, int days);
// Number of days in a month of the Gregorian calendar (0 for a month outside 1..12).
int DaysInMonth(int year, int month);
// Weekday of a Gregorian date: 0 Sunday .. 6 Saturday.
int WeekdayOf(const CalendarDate& date);

struct CalendarEvent {
    std::string uid;
    std::string summary;
    std::string description;
    std::string category;
    bool allDay = true;
    CalendarDate date;  // all-day events: the day
    UtcTime moment;  // timed events: the moment
};

struct CalendarFeed {
    std::string name;  // the calendar's name, e.g. "Velmora observances 2026, New Delhi"
    UtcTime stamp;     // DTSTAMP of every event: derived from the query, never the clock
    std::vector<CalendarEvent> events;
};

// A sankranti: the sidereal Sun entering a sign.
struct SankrantiEvent {
    std::string sign;  // "Makara", "Mesha" ...
    double moment = 0; // JD (UT)
};

// The clock offset in minutes east of UTC in force at a moment (JD UT), or
// nothing when it is not known.
using OffsetAt = std::function<std::optional<int>(double jd)>;

// "Ekadasi (Shukla)", "Poornami – full moon", "Ammavasai – new moon",
// "Chathurthi (Krishna) – Sankashti Chaturthi", "Triodasi (Shukla) – Pradosh".
std::string ObservanceTitle(Observance observance);

// A local time as "2026-01-13 15:17:02 +05:30" (the offset from `offset`;
// UTC with "+00:00" when it is not known). Empty for a moment that cannot be
// shown.
std::string EventTimeText(double jd, const OffsetAt& offset);

// Letters and digits of `text` in lower case, anything else one hyphen:
// "New Delhi, India" gives "new-delhi-india".
std::string Slug(const std::string& text);

// Sorts events by their start (an all-day event starts at the day's
// midnight), then by identifier.
void SortEvents(std::vector<CalendarEvent>& events);

// The identifier of an event: `base` with the place's key and the program's
// domain.
std::string EventUid(const std::string& base, const std::string& placeKey);

// The events of a year: the kept observance days, the sankrantis and the new
// and full moons, sorted by their start and then by identifier. `placeKey`
// makes the identifiers of one place differ from another's.
std::vector<CalendarEvent> ObservanceEvents(const std::vector<ObservanceEntry>& observances,
                                            const std::vector<SankrantiEvent>& sankrantis,
                                            const std::vector<MoonPhaseMoment>& phases,
                                            const std::string& placeKey, const OffsetAt& offset);

}  // namespace velmora
