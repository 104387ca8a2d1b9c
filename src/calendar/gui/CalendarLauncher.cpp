#include "calendar/gui/CalendarLauncher.h"

#include <algorithm>
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
    Place gazetteer;
    gazetteer.name = place.city;
    gazetteer.state = place.state;
    gazetteer.country = place.country;
    gazetteer.zoneId = place.zoneId;
    gazetteer.latitude = place.latitude;
    gazetteer.longitude = place.longitude;
    ClockOnDate clock;
    if (!place.zoneId.empty()) {
        if (const auto onDate = ClockOnLocalDate(place.zoneId, LocalMoment{date.year, date.month, date.day, hour, minute})) {
            clock = *onDate;
        }
    } else {
        clock.offsetSeconds = static_cast<int>(std::lround(place.offsetHours * 3600));
        clock.standardSeconds = clock.offsetSeconds;
    }
    ApplyPlaceEntries(PlaceEntriesFor(gazetteer, clock), form);
    return form;
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
