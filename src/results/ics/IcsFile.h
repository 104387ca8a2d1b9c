#pragma once

#include <string>

#include "calendar/CalendarEvents.h"

// The calendar file (iCalendar, RFC 5545) of a feed of events, written with
// libical. The text depends on the feed alone: the same feed gives the same
// bytes, so importing the file again updates the events instead of adding
// them twice.
namespace velmora {

// The iCalendar text of the feed (CRLF line ends, long lines folded).
std::string ICalendarText(const CalendarFeed& feed);

// Writes the feed's iCalendar text to `path` as the printed report's PDF is
// written (SafeReplace.h: never half a file; a pipe or device written in
// place), or to the standard output for "-". Returns an empty text, or a
// message that names the file and the reason.
std::string WriteICalendarFile(const CalendarFeed& feed, const std::string& path);

}  // namespace velmora
