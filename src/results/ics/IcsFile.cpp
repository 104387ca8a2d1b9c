#include "results/ics/IcsFile.h"

#include <libical/ical.h>

#include <memory>

#include "results/print/SafeReplace.h"
#include "shared/Version.h"

namespace velmora {

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

icaltimetype DateValue(const CalendarDate& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    value.is_date = 1;
    return value;
}

icaltimetype UtcValue(const UtcTime& moment) {
    icaltimetype value = icaltime_null_time();
    value.year = moment.year;
    value.month = moment.month;
    value.day = moment.day;
    value.hour = moment.hour;
    value.minute = moment.minute;
    value.second = moment.second;
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

icalproperty* XProperty(const char* name, const std::string& value) {
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    return property;
}

}  // namespace

std::string ICalendarText(const CalendarFeed& feed) {
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Velmora//Velmora " VELMORA_VERSION "//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    if (!feed.name.empty()) icalcomponent_add_property(calendar.get(), XProperty("X-WR-CALNAME", feed.name));

    const icaltimetype stamp = UtcValue(feed.stamp);
    for (const CalendarEvent& event : feed.events) {
        icalcomponent* item = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(item, icalproperty_new_uid(event.uid.c_str()));
        icalcomponent_add_property(item, icalproperty_new_dtstamp(stamp));
        if (event.allDay) {
            icalcomponent_add_property(item, icalproperty_new_dtstart(DateValue(event.date)));
            icalcomponent_add_property(item, icalproperty_new_dtend(DateValue(AddDays(event.date, 1))));
        } else {
            // A moment: it lasts no time at all (DURATION:PT0S). Without an
            // end, calendar programs draw it as an hour's meeting.
            icalcomponent_add_property(item, icalproperty_new_dtstart(UtcValue(event.moment)));
            icalcomponent_add_property(item, icalproperty_new_duration(icaldurationtype_null_duration()));
        }
        icalcomponent_add_property(item, icalproperty_new_summary(event.summary.c_str()));
        if (!event.description.empty()) {
            icalcomponent_add_property(item, icalproperty_new_description(event.description.c_str()));
        }
        if (!event.category.empty()) {
            icalcomponent_add_property(item, icalproperty_new_categories(event.category.c_str()));
        }
        icalcomponent_add_property(item, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), item);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

std::string WriteICalendarFile(const CalendarFeed& feed, const std::string& path) {
    const std::string text = ICalendarText(feed);
    const std::string failure = path == "-" ? WriteStandardOutput(text) : ReplaceFileContent(path, text);
    if (failure.empty()) return {};
    return "cannot write " + (path == "-" ? std::string("the standard output") : path) + ": " + failure;
}

}  // namespace velmora
