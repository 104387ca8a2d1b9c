#pragma once

#include <span>
#include <string>
#include <vector>

#include "calendar/CalendarDays.h"
#include "calendar/CalendarEvents.h"
#include "calendar/EclipseNotes.h"
#include "day/DayZone.h"
#include "names/Language.h"

// The calendar modes of velmora-report: --month YYYY-MM (the month's days
// and observances, readable or one JSON object) and --year YYYY (the year's
// observances as an iCalendar file or one JSON object).
namespace velmora {

// The month as one JSON object (with a newline): month, latitude, longitude,
// zone, lunar_months, years, days (each shaped like the --day --json object),
// observances, sankrantis, moon_phases, festivals ({"key","name","date","rule"}).
// The "name" and "title" values follow `language`; keys and every other value do not.
std::string MonthJson(int year, int month, const CalendarSpan& span, const DayZone& zone,
                      Language language = Language::English);

// The month as a readable table, one date a line.
std::string MonthText(int year, int month, const CalendarSpan& span, const DayZone& zone,
                      const std::string& placeLabel, Language language = Language::English);

// The year's observances, sankrantis, new and full moons and festivals
// ({"key","name","date","rule"}) as one JSON object (with a newline).
std::string YearJson(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                     Language language = Language::English);

// The calendar file's events of the year. `placeLabel` names the calendar;
// `placeKey` (when empty: the label's letters and digits) keeps one place's
// identifiers apart from another's.
CalendarFeed YearFeed(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                      Language language = Language::English, const std::string& placeKey = {});

// The key of a place found in the gazetteer, for the calendar file's
// identifiers: its coordinates to four decimals (some 10 m) and its zone, so
// that every name of one place ("Bombay", "Mumbai, India") gives the same
// identifiers, and importing the file again updates the events instead of
// adding them twice. "28.6139N 77.2090E Asia/Kolkata" gives
// "28-6139n-77-2090e-asia-kolkata".
std::string FoundPlaceKey(const Observer& place, const DayZone& zone);

// The festivals as JSON objects {"key","name","date","rule"}, in order.
std::string FestivalListJson(std::span<const FestivalDay> festivals);

// The --festivals YYYY mode: the year's festivals and eclipses as one JSON
// object (year, place, latitude, longitude, zone, festivals, and eclipses
// shaped as in --year --json), or as a readable table of the festivals
// followed by the table of the eclipses. The festivals' "name" values and the
// readable text follow `language`; the rules are English sentences, so the
// readable table of another language gives the names without them.
std::string FestivalsJson(int year, std::span<const FestivalDay> festivals, const std::vector<Eclipse>& eclipses,
                          const Observer& place, const DayZone& zone, const std::string& placeLabel,
                          Language language = Language::English);
std::string FestivalsText(int year, std::span<const FestivalDay> festivals, const std::vector<Eclipse>& eclipses,
                          const DayZone& zone, const std::string& placeLabel, Language language = Language::English);

}  // namespace velmora
