#pragma once

#include <string>

#include "calendar/CalendarEvents.h"
#include "calendar/MonthGrid.h"
#include "names/Language.h"

// The month grid and the calendar file's events in another language: every
// text the calendar computes in English (tithi, paksha, nakshatra, lunar
// months, years, observance titles, sankrantis, the moon's phases) in the
// names of `language`. Numbers, dates, times, keys and identifiers stay as
// they are; for English everything comes back unchanged.
namespace velmora {

MonthGrid LocalizedGrid(MonthGrid grid, Language language);

// "December 2026", "दिसंबर 2026", "டிசம்பர் 2026".
std::string LocalizedMonthTitle(int year, int month, Language language);

// The short weekday name, 0 Sunday .. 6 Saturday ("Sun", "रवि", "ஞா").
std::string LocalizedWeekdayShort(int weekday, Language language);

// An observance title, a sankranti or a moon phase's words as the calendar
// writes them ("Ekadasi (Shukla)", "Makara Sankranti", "full moon 14:03").
std::string LocalizedCalendarText(const std::string& text, Language language);

// The feed's name and every event's summary and description; uid, category,
// dates and moments unchanged.
CalendarFeed LocalizedFeed(CalendarFeed feed, Language language);

}  // namespace velmora
