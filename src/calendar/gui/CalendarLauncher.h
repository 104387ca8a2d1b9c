#pragma once

#include <optional>

#include "calendar/MonthGrid.h"
#include "calendar/gui/frmCalendar.h"
#include "input/InputForm.h"
#include "places/Place.h"

// Between the month calendar and the input window: the place and date a
// calendar opens on, the month computed on the place's clock, and the form of
// the moment a date of the calendar opens.
namespace velmora {

// The month's days on the place's clock: its zone from the time-zone
// database, or its fixed offset. An empty grid when the zone is unknown.
MonthGrid ComputeCalendarMonth(int year, int month, const CalendarPlace& place);

// The place of the input window: the place chosen from the gazetteer while
// the boxes still hold it (`chosen`), else the typed coordinates with the
// zone boxes (direction from the longitude, DST one hour ahead). Boxes that
// hold no number count as 0.
CalendarPlace CalendarPlaceOfForm(const InputForm& form, const std::optional<Place>& chosen);

// The date of the input window's lists (1 January 1901 when they hold none).
CalendarDate CalendarDateOfForm(const InputForm& form);

// The form for a day of the calendar: the date, the minute just after its
// sunrise (noon where the Sun does not rise), and, when the calendar's place
// is not the form's (`samePlace` false), the place's boxes and its zone on
// that date. The name and anything else stay.
InputForm FormForCalendarDay(InputForm form, const CalendarDate& date, const CalendarPlace& place, bool samePlace);

// Opens the calendar window on `date` at `place`, sized for the screen.
frmCalendar* OpenCalendarWindow(WindowServices& services, const CalendarDate& date, const CalendarPlace& place,
                                frmCalendar::OpenDay openDay);

}  // namespace velmora
