#pragma once

#include <optional>
#include <vector>

#include "astronomy/RiseSet.h"
#include "calendar/CalendarEvents.h"
#include "calendar/MonthGrid.h"
#include "calendar/Observances.h"
#include "day/DayZone.h"
#include "day/HinduDay.h"
#include "festivals/Festivals.h"

// A run of Hindu days at one place, with the observances, sankrantis and new
// and full moons read off them: what the month grid, the calendar file and the
// report tool's --month and --year show.
namespace velmora {

// What the observance rules read of a Hindu day: its sunrise (or its start
// where the Sun does not rise), its end and its tithis.
ObservanceDay ObservanceDayOf(const HinduDay& day);

// A date of the range that has no Hindu day, and why (a date the zone's clock
// skips: the day before it runs to the next sunrise on the clock).
struct DateTrouble {
    CalendarDate date;
    std::string text;
};

struct CalendarSpan {
    std::vector<HinduDay> days;                // the dates asked for, in order (a date whose day fails is left out)
    std::vector<DateTrouble> troubles;         // the dates left out, in order, each with its reason
    std::vector<ObservanceEntry> observances;  // in date order; kept == false for a second sunrise
    // Events from the sunrise of the day before the first date (its night
    // belongs to the first date) to the last day's end, in time order. A
    // consumer keeps those whose moment's local date it shows: an event
    // between midnight and sunrise is on the civil date after its Hindu day.
    std::vector<SankrantiEvent> sankrantis;    // the sidereal Sun entering a sign
    std::vector<MoonPhaseMoment> phases;       // new and full moons
    std::optional<HinduDay> dayBefore;         // the day before the first date (for its eclipses)
    std::vector<FestivalDay> festivals;        // the festivals dated in the days asked for, in date order
};

// The Hindu days of `count` dates from `first` (the day before is computed
// too, to tell whether the first date's tithi held the sunrise before, and a
// few days either side for the festivals' rules), computed together
// (HinduDays). A date without a day is listed in `troubles` and the rest go
// on; a date the clock skips does not break the run of days (the day before
// it ends where the day after it begins).
CalendarSpan ComputeCalendarSpan(const CalendarDate& first, int count, const Observer& place, const DayZone& zone);

// The month grid of a month from its days (`span` must hold the month's days).
MonthGrid MonthGridOf(int year, int month, const CalendarSpan& span, const DayZone& zone);

// The month grid of a month at a place, computed. A month outside 1..12
// gives an empty grid.
MonthGrid BuildMonthGrid(int year, int month, const Observer& place, const DayZone& zone);

// The clock offset (minutes east) of a zone at a moment, for event texts.
OffsetAt OffsetOf(const DayZone& zone);

// A moment's clock time for a date's line or cell, rounded to the minute:
// "01:31" when it falls on that date, "17 May 01:31" when on another (an
// event after midnight belongs to the Hindu day of the date before).
std::string ClockTextOnDate(double jdUt, const DayZone& zone, const CalendarDate& date);

// The date of a moment (UT Julian day) on the zone's clock: the civil date an
// event belongs to. Nothing for a moment no calendar can show.
std::optional<CalendarDate> LocalDateOf(double jdUt, const DayZone& zone);


// "Adhika Jyeshtha", "Vaishakha".
std::string MasaText(const LunarMonth& masa);

// An observance as the month shows it: "Shukla Ekadashi (Kamada Ekadashi)"
// for an Ekadashi, whose name comes from the lunar month (`masa`, of the day
// it is kept on), the observance's name otherwise.
std::string ObservanceText(const ObservanceEntry& entry, const std::optional<LunarMonth>& masa);

}  // namespace velmora
