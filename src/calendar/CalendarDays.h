#pragma once

#include <optional>
#include <vector>

#include "astronomy/RiseSet.h"
#include "calendar/CalendarEvents.h"
#include "calendar/MonthGrid.h"
#include "calendar/Observances.h"
#include "day/DayZone.h"
#include "day/HinduDay.h"

// A run of Hindu days at one place, with the observances, sankrantis and new
// and full moons read off them: what the month grid, the calendar file and the
// report tool's --month and --year show.
namespace velmora {

// What the observance rules read of a Hindu day: its sunrise (or its start
// where the Sun does not rise), its end and its tithis.
ObservanceDay ObservanceDayOf(const HinduDay& day);

struct CalendarSpan {
    std::vector<HinduDay> days;                // the dates asked for, in order (a date whose day fails is left out)
    std::vector<ObservanceEntry> observances;  // in date order; kept == false for a second sunrise
    std::vector<SankrantiEvent> sankrantis;    // the sidereal Sun entering a sign during one of the days
    std::vector<MoonPhaseMoment> phases;       // new and full moons during the days
};

// The Hindu days of `count` dates from `first` (the day before is computed
// too, to tell whether the first date's tithi held the sunrise before).
CalendarSpan ComputeCalendarSpan(const CalendarDate& first, int count, const Observer& place, const DayZone& zone);

// The month grid of a month from its days (`span` must hold the month's days).
MonthGrid MonthGridOf(int year, int month, const CalendarSpan& span, const DayZone& zone);

// The month grid of a month at a place, computed. A month outside 1..12
// gives an empty grid.
MonthGrid BuildMonthGrid(int year, int month, const Observer& place, const DayZone& zone);

// The clock offset (minutes east) of a zone at a moment, for event texts.
OffsetAt OffsetOf(const DayZone& zone);

// "Adhika Jyeshtha", "Vaishakha".
std::string MasaText(const LunarMonth& masa);

}  // namespace velmora
