#pragma once

#include <memory>
#include <optional>
#include <string>

#include "calendar/MonthGrid.h"
#include "calendar/gui/frmCalendar.h"
#include "day/DayZone.h"
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

// Whether the form holds a place: a city, or a coordinate typed.
bool FormHoldsPlace(const InputForm& form);

// The date a calendar opened from the input window shows: the form's date,
// or `today` (the machine's local date) when the form is as a fresh window
// has it, on 1 January 1901 with no place.
CalendarDate CalendarOpeningDate(const InputForm& form, const CalendarDate& today);

// The main city of a zone of the time-zone database: the most populous place
// of the gazetteer named as the zone's last part ("Europe/Madrid": Madrid,
// "America/Argentina/Buenos_Aires": Buenos Aires) that keeps that zone.
// Nothing for a zone without a city ("Etc/UTC") or not in the gazetteer.
std::optional<CalendarPlace> MainCityOfZone(const PlaceDirectory& places, const std::string& zoneId);

// The form for a day of the calendar: the date, the minute just after its
// sunrise (noon where the Sun does not rise), and, when the calendar's place
// is not the form's (`samePlace` false), the place's boxes and its zone on
// that date. The name and anything else stay.
InputForm FormForCalendarDay(InputForm form, const CalendarDate& date, const CalendarPlace& place, bool samePlace);

// A date of the calendar as the results window shows it, without touching
// what the user typed in the input window: the form of its moment (as
// FormForCalendarDay, `blankName` when the typed name is blank),
// the place's own clock from the time-zone database for the Day tab (null for
// a place given as an offset: the form's boxes hold it), and the note the Day
// tab gives about the boxes' clock (empty when they hold the place's clock).
struct CalendarDayRun {
    InputForm form;
    std::shared_ptr<const DayZone> clock;
    std::string note;
};
CalendarDayRun CalendarDayFor(const InputForm& typed, const CalendarDate& date, const CalendarPlace& place,
                              bool samePlace, const std::string& blankName = "CALENDAR DAY");

// Opens the calendar window on `date` at `place`, sized for the screen.
frmCalendar* OpenCalendarWindow(WindowServices& services, const CalendarDate& date, const CalendarPlace& place,
                                frmCalendar::OpenDay openDay);

}  // namespace velmora
