#include "calendar/gui/CalendarLauncher.h"

#include <algorithm>
#include <string>
#include <cmath>
#include <cstdio>
#include <memory>

#include "calendar/CalendarDays.h"
#include "day/DayZone.h"
#include "day/HinduDay.h"
#include "gui/ScreenFit.h"
#include "places/PlaceEntries.h"
#include "places/lookup/ZoneClock.h"
#include "places/lookup/ZoneOnDate.h"
#include "shared/NumberText.h"

namespace velmora {

namespace {

std::unique_ptr<DayZone> ZoneOf(const CalendarPlace& place) {
    if (!place.zoneId.empty()) return ZoneClock(place.zoneId);
    return std::make_unique<FixedZone>(place.offsetHours);
}

int Whole(const std::string& text) {
    const std::optional<std::int16_t> value = TextToInt16(text);
    return value ? *value : 0;
}

std::string Joined(const CalendarPlace& place) {
    std::string label;
    for (const std::string* part : {&place.city, &place.state, &place.country}) {
        if (!part->empty()) label += (label.empty() ? "" : ", ") + *part;
    }
    return label;
}

// A calendar's place as the gazetteer's, with the clock it kept at a local
// moment and what it writes into the input window's boxes.
struct PlaceOnDate {
    Place place;
    ClockOnDate clock;
    PlaceEntries entries;
};

PlaceOnDate PlaceEntriesOnDate(const CalendarPlace& place, const CalendarDate& date, int hour, int minute) {
    PlaceOnDate on;
    on.place.name = place.city;
    on.place.state = place.state;
    on.place.country = place.country;
    on.place.zoneId = place.zoneId;
    on.place.latitude = place.latitude;
    on.place.longitude = place.longitude;
    if (!place.zoneId.empty()) {
        if (const auto onDate = ClockOnLocalDate(place.zoneId, LocalMoment{date.year, date.month, date.day, hour, minute})) {
            on.clock = *onDate;
        }
    } else {
        on.clock.offsetSeconds = static_cast<int>(std::lround(place.offsetHours * 3600));
        on.clock.standardSeconds = on.clock.offsetSeconds;
    }
    on.entries = PlaceEntriesFor(on.place, on.clock);
    return on;
}

}  // namespace

MonthGrid ComputeCalendarMonth(int year, int month, const CalendarPlace& place) {
    const std::unique_ptr<DayZone> zone = ZoneOf(place);
    if (!zone) return {};
    return BuildMonthGrid(year, month, Observer{place.latitude, place.longitude, 0}, *zone);
}

CalendarPlace CalendarPlaceOfForm(const InputForm& form, const std::optional<Place>& chosen) {
    CalendarPlace place;
    place.city = form.txtMCity;
    place.state = form.txtMState;
    place.country = form.txtMCountry;
    if (chosen) {
        place.label = PlaceLabel(*chosen);
        place.latitude = chosen->latitude;
        place.longitude = chosen->longitude;
        place.zoneId = chosen->zoneId;
        return place;
    }
    const double lat = Whole(form.txtLatD) + Whole(form.txtLatM) / 60.0;
    const double lon = Whole(form.txtLonD) + Whole(form.txtLonM) / 60.0;
    place.latitude = form.optLat == 1 ? -lat : lat;
    place.longitude = form.optLong == 1 ? -lon : lon;
    // As the calculation reads the boxes: east of Greenwich (and not 0°00')
    // the clock is ahead; the DST box puts it one hour further.
    const bool east = form.optLong == 0 && lon != 0;
    const double size = Whole(form.txtZoneHour) + Whole(form.txtZoneMinute) / 60.0 + (form.chkDST != 0 ? 1 : 0);
    place.offsetHours = east ? size : -size;
    char text[64];
    std::snprintf(text, sizeof text, "%d:%02d%c %d:%02d%c", Whole(form.txtLatD), Whole(form.txtLatM),
                  form.optLat == 1 ? 'S' : 'N', Whole(form.txtLonD), Whole(form.txtLonM), form.optLong == 1 ? 'W' : 'E');
    place.label = Joined(place);
    if (place.label.empty()) place.label = text;
    return place;
}

CalendarDate CalendarDateOfForm(const InputForm& form) {
    const QueryDate date = ReadQueryDate(form);
    if (!date.year || !date.month || !date.day) return {frmCalendar::FirstYear, 1, 1};
    CalendarDate result{*date.year, *date.month, *date.day};
    if (result.month < 1 || result.month > 12 || result.day < 1 || result.year < frmCalendar::FirstYear ||
        result.year > frmCalendar::LastYear) {
        return {frmCalendar::FirstYear, 1, 1};
    }
    result.day = std::min(result.day, DaysInMonth(result.year, result.month));
    return result;
}

bool FormHoldsPlace(const InputForm& form) {
    for (const std::string* box : {&form.txtMCity, &form.txtLatD, &form.txtLatM, &form.txtLonD, &form.txtLonM}) {
        if (!TrimBlanks(*box).empty()) return true;
    }
    return false;
}

CalendarDate CalendarOpeningDate(const InputForm& form, const CalendarDate& today) {
    const CalendarDate entered = CalendarDateOfForm(form);
    const bool fresh = entered == CalendarDate{frmCalendar::FirstYear, 1, 1} && !FormHoldsPlace(form);
    if (!fresh) return entered;
    if (today.year < frmCalendar::FirstYear || today.year > frmCalendar::LastYear || today.month < 1 ||
        today.month > 12 || today.day < 1 || today.day > DaysInMonth(today.year, today.month)) {
        return entered;
    }
    return today;
}

std::optional<CalendarPlace> MainCityOfZone(const PlaceDirectory& places, const std::string& zoneId) {
    const std::size_t slash = zoneId.rfind('/');
    if (slash == std::string::npos || slash + 1 >= zoneId.size() || zoneId.rfind("Etc/", 0) == 0) return std::nullopt;
    std::string city = zoneId.substr(slash + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    const ParsedPlaceText parsed = ParsePlaceText(city);
    if (!parsed.problem.empty()) return std::nullopt;
    for (const Place& found : places.Find(parsed.query, 50)) {  // most populous first
        if (found.zoneId != zoneId) continue;
        CalendarPlace place;
        place.label = PlaceLabel(found);
        place.latitude = found.latitude;
        place.longitude = found.longitude;
        place.zoneId = found.zoneId;
        place.city = found.name;
        place.state = ShortStateName(found.state);
        place.country = found.country;
        return place;
    }
    return std::nullopt;
}

InputForm FormForCalendarDay(InputForm form, const CalendarDate& date, const CalendarPlace& place, bool samePlace) {
    form.cboMonth = date.month - 1;
    form.cboDate = date.day - 1;
    form.cboYear = ListFind(InputList::Year, std::to_string(date.year));
    int hour = 12;
    int minute = 0;
    if (const std::unique_ptr<DayZone> zone = ZoneOf(place)) {
        const std::optional<HinduDay> day =
            ComputeHinduDay(date.year, date.month, date.day, Observer{place.latitude, place.longitude, 0}, *zone);
        if (day && day->sunrise) {
            // The minute after sunrise: the window's time has no seconds, and
            // a moment before sunrise belongs to the day before.
            const double local = *day->sunrise + zone->OffsetHours(*day->sunrise) / 24 + 1.0 / 1440;
            const double fraction = local + 0.5 - std::floor(local + 0.5);
            const int minutes = static_cast<int>(fraction * 1440);
            hour = minutes / 60;
            minute = minutes % 60;
        }
    }
    form.cboHH = hour;
    form.cboMM = minute;
    if (samePlace) return form;
    ApplyPlaceEntries(PlaceEntriesOnDate(place, date, hour, minute).entries, form);
    return form;
}

CalendarDayRun CalendarDayFor(const InputForm& typed, const CalendarDate& date, const CalendarPlace& place,
                              bool samePlace, const std::string& blankName) {
    CalendarDayRun run;
    run.form = FormForCalendarDay(typed, date, place, samePlace);
    if (TrimBlanks(run.form.txtName).empty()) run.form.txtName = blankName;
    if (place.zoneId.empty()) return run;  // an offset: the boxes hold it as the cell has it
    run.clock = ZoneClock(place.zoneId);
    if (!run.clock) return run;
    const LocalMoment moment{date.year, date.month, date.day, run.form.cboHH, run.form.cboMM};
    const PlaceOnDate on = PlaceEntriesOnDate(place, date, run.form.cboHH, run.form.cboMM);
    if (samePlace) {
        // The zone on this date, which need not be the entered date's (the
        // place's own boxes otherwise stay as typed).
        run.form.txtZoneHour = on.entries.txtZoneHour;
        run.form.txtZoneMinute = on.entries.txtZoneMinute;
        run.form.chkDST = on.entries.chkDST;
    }
    std::string note = LocalTimeNote(on.clock, moment);
    for (const std::string& sentence : {ClockWarning(on.place, on.clock, moment, on.entries),
                                        DstBoxNote(on.place, on.clock, moment, on.entries)}) {
        if (!sentence.empty()) note += (note.empty() ? "" : "\n") + sentence;
    }
    if (!on.entries.zone.fits) {
        note = "The Day tab reads the clock of " + place.zoneId + " (" + UtcOffsetText(on.clock.offsetSeconds) +
               "), as the calendar does; the other tabs read the zone boxes.\n" + note;
    }
    run.note = note;
    return run;
}

frmCalendar* OpenCalendarWindow(WindowServices& services, const CalendarDate& date, const CalendarPlace& place,
                                frmCalendar::OpenDay openDay) {
    auto* window = new frmCalendar(services, ComputeCalendarMonth, std::move(openDay));
    window->ShowMonth(date, place);
    FitToScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
    window->View()->setFocus();
    return window;
}

}  // namespace velmora
