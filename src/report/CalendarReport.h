#pragma once

#include <string>

#include "calendar/CalendarDays.h"
#include "calendar/CalendarEvents.h"
#include "day/DayZone.h"
#include "names/Language.h"

// The calendar modes of velmora-report: --month YYYY-MM (the month's days
// and observances, readable or one JSON object) and --year YYYY (the year's
// observances as an iCalendar file or one JSON object).
namespace velmora {

// The month as one JSON object (with a newline): month, latitude, longitude,
// zone, lunar_months, years, days (each shaped like the --day --json object),
// observances, sankrantis, moon_phases.
// The "name" and "title" values follow `language`; keys and every other value do not.
std::string MonthJson(int year, int month, const CalendarSpan& span, const DayZone& zone,
                      Language language = Language::English);

// The month as a readable table, one date a line.
std::string MonthText(int year, int month, const CalendarSpan& span, const DayZone& zone,
                      const std::string& placeLabel, Language language = Language::English);

// The year's observances, sankrantis and new and full moons as one JSON
// object (with a newline).
std::string YearJson(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                     Language language = Language::English);

// The calendar file's events of the year. `placeLabel` names the calendar;
// its letters and digits keep one place's identifiers apart from another's.
CalendarFeed YearFeed(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                      Language language = Language::English);

}  // namespace velmora
