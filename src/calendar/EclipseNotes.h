#pragma once

#include <string>
#include <vector>

#include "astronomy/Eclipses.h"
#include "calendar/CalendarEvents.h"
#include "day/DayZone.h"

// How an eclipse (grahan) reads in the day, the month and the calendar file:
// its title, its local contact times, and its calendar event. The times are
// the place's clock (DayZone); a contact while the body is below the horizon
// says so, and an eclipse that cannot be seen from the place says that
// instead of its times.
namespace velmora {

// "Total lunar eclipse (Chandra Grahan)", "Partial solar eclipse (Surya
// Grahan)": the kind seen at the place (a total solar eclipse seen as a
// partial one from the place is a partial one there).
std::string EclipseTitle(const Eclipse& e);

// Short, for a month box: "Chandra Grahan" or "Surya Grahan", with "(not
// visible)" when the place does not see it.
std::string EclipseBoxText(const Eclipse& e);

// "visible", "not visible from here (below the horizon)" or "not visible from
// here (outside the Moon's shadow)".
std::string EclipseVisibilityText(const Eclipse& e);

// Readable lines: the visibility and magnitude, each contact with its clock
// time ("partial eclipse begins 18:14:05, Moon below the horizon"), and the
// sutak. Empty for nothing to say.
std::vector<std::string> EclipseLines(const Eclipse& e, const DayZone& zone);

// One line: "Total lunar eclipse (Chandra Grahan), visible in part: partial
// eclipse ends 18:47:21 … penumbral eclipse ends 19:53:10; greatest 17:03:48;
// sutak from 00:20:11": the first and last contacts seen above the horizon
// ("in part" when a contact is below it), the greatest eclipse, the sutak; or
// the title and why it is not visible.
std::string EclipseSummary(const Eclipse& e, const DayZone& zone);

// The summaries of a day's eclipses joined by "; " (empty for none).
std::string EclipsesLine(const std::vector<Eclipse>& eclipses, const DayZone& zone);

// The eclipses of a civil year at a place, those whose greatest moment at the
// place falls in the year on the zone's clock, in order.
std::vector<Eclipse> EclipsesOfYear(int year, const Observer& place, const DayZone& zone);

// The eclipses as a readable table under the heading "Eclipses": one line
// each with its local date, title and summary. "Eclipses: none" for none.
std::string EclipsesTable(const std::vector<Eclipse>& eclipses, const DayZone& zone);

// The eclipse as a timed calendar event at its greatest moment at the place,
// with a stable identifier for the place and the lines above as its
// description.
CalendarEvent EclipseEvent(const Eclipse& e, const DayZone& zone, const std::string& placeKey);

}  // namespace velmora
