// The calendar file's writer with any place label and any events: either the
// year's feed as the report tool makes it (YearFeed, from observances,
// sankrantis, new and full moons and festivals with moments anywhere and a
// place label of any bytes, on a fixed clock of any offset), or a feed of
// events made up whole. The text is read back with libical.
//
// A crash, leak, hang or UB report is a finding; so is a file libical reads
// with errors, other events than were written, an identifier of the
// program's that holds more than letters, digits, '-', '.' and '@', and a name,
// title, description or category that reads back other than written when it
// is text a calendar can hold (UTF-8 without control characters but the line
// feed).
#include <fuzzer/FuzzedDataProvider.h>
#include <libical/ical.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarDays.h"
#include "calendar/CalendarEvents.h"
#include "day/DayZone.h"
#include "report/CalendarReport.h"
#include "results/ics/IcsFile.h"

namespace {

[[noreturn]] void Finding(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "fuzz_calendar_file: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

// UTF-8 whose characters a TEXT value may hold: no control character but
// the line feed and the tab.
bool CalendarText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if ((c & 0xE0) == 0xC0) { more = 1; min = 0x80; code = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { more = 2; min = 0x800; code = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { more = 3; min = 0x10000; code = c & 0x07; }
        else return false;
        if (i + more >= text.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || (code >= 0x80 && code < 0xA0)) {
            return false;
        }
        i += more + 1;
    }
    return true;
}

std::string Text(FuzzedDataProvider& in, std::size_t most) {
    constexpr const char* kSamples[] = {
        "New Delhi, India", "Paris, TX", "Tromsø", "São Paulo", "Zürich; Genève\\", "नई दिल्ली", "சென்னை",
        "Line one\nline two", "a,b;c\\d:e\"f", "Poornami – full moon", "",
    };
    if (in.ConsumeIntegralInRange<int>(0, 3) == 0) {
        return kSamples[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSamples) - 1)];
    }
    return in.ConsumeRandomLengthString(most);
}

// A Julian day: mostly within the years of the program, now and then anywhere.
double Moment(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 15)) {
        case 0: return std::numeric_limits<double>::quiet_NaN();
        case 1: return std::numeric_limits<double>::infinity();
        case 2: return in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : 2378496.5 + in.ConsumeFloatingPointInRange<double>(0, 146097);  // 1800..2200
        default: return 2415385.5 + in.ConsumeFloatingPointInRange<double>(0, 54790);  // 1901..2050
    }
}

velmora::CalendarDate Date(FuzzedDataProvider& in, int year) {
    const int month = in.ConsumeIntegralInRange<int>(1, 12);
    return {year, month, in.ConsumeIntegralInRange<int>(1, velmora::DaysInMonth(year, month))};
}

// A name as the program's tables hold them: text, not empty, without blanks
// around it; `fallback` for anything else.
std::string Plain(const std::string& text, const char* fallback) {
    const bool plain = !text.empty() && CalendarText(text) && text.front() != ' ' && text.back() != ' ' &&
                       text.front() != '\t' && text.back() != '\t';
    return plain ? text : fallback;
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// libical's reader drops the blanks around a value, which the format
// allows: the program's own values never begin or end with one, made-up ones
// may.
void ExpectSame(std::string written, const char* read, const char* what, bool madeByTheProgram) {
    if (!CalendarText(written)) return;  // not text a calendar can hold: any reading will do
    if (!madeByTheProgram) {
        written.erase(0, written.find_first_not_of(" \t"));
        written.erase(written.find_last_not_of(" \t") + 1);
    }
    if (read == nullptr ? !written.empty() : written != read) {
        Finding("a value reads back otherwise", std::string(what) + ": \"" + written + "\" read as \"" +
                                                     (read == nullptr ? "(none)" : read) + "\"");
    }
}

bool IdentifierShaped(const std::string& uid) {
    if (uid.empty()) return false;
    for (const char c : uid) {
        const bool fine = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '.' || c == '@';
        if (!fine) return false;
    }
    return true;
}

void Check(const velmora::CalendarFeed& feed, bool madeByTheProgram) {
    const std::string text = velmora::ICalendarText(feed);
    std::unique_ptr<icalcomponent, ComponentDeleter> parsed(icalparser_parse_string(text.c_str()));
    if (!parsed || icalcomponent_isa(parsed.get()) != ICAL_VCALENDAR_COMPONENT) Finding("a file libical cannot read", text);
    // Text a calendar cannot hold (control characters, bytes that are not
    // UTF-8) is the caller's to keep out: libical drops some of it and a
    // value left empty is an error when read. The program's own texts are
    // never empty and hold none of it.
    const auto filled = [](const std::string& value) { return value.find_first_not_of(" \t") != std::string::npos; };
    // Written and not left empty by the reader's dropping of blanks.
    const auto fine = [&](const std::string& value, bool optional) {
        return CalendarText(value) && (filled(value) || (optional && value.empty()));
    };
    bool holdable = fine(feed.name, true);
    for (const velmora::CalendarEvent& event : feed.events) {
        holdable = holdable && fine(event.uid, false) && fine(event.summary, false) && fine(event.description, true) &&
                   fine(event.category, true);
    }
    if (holdable && icalcomponent_count_errors(parsed.get()) != 0) Finding("a file libical reads with errors", text);
    if (CalendarText(feed.name) && feed.name.find_first_not_of(" \t") != std::string::npos) {
        icalproperty* name = icalcomponent_get_first_property(parsed.get(), ICAL_X_PROPERTY);
        while (name != nullptr && std::string_view(icalproperty_get_x_name(name)) != "X-WR-CALNAME") {
            name = icalcomponent_get_next_property(parsed.get(), ICAL_X_PROPERTY);
        }
        if (name == nullptr) Finding("the calendar's name is lost", feed.name);
        ExpectSame(feed.name, icalproperty_get_x(name), "the calendar's name", madeByTheProgram);
    }
    std::size_t index = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(parsed.get(), ICAL_VEVENT_COMPONENT), ++index) {
        if (index >= feed.events.size()) Finding("more events than written", text);
        const velmora::CalendarEvent& written = feed.events[index];
        ExpectSame(written.uid, icalcomponent_get_uid(event), "identifier", madeByTheProgram);
        ExpectSame(written.summary, icalcomponent_get_summary(event), "title", madeByTheProgram);
        ExpectSame(written.description, icalcomponent_get_description(event), "description", madeByTheProgram);
        // A list of categories: a comma begins the next. The program's own
        // categories are one each; a made-up one with a comma is a list.
        if (!written.category.empty() && (madeByTheProgram || written.category.find(',') == std::string::npos)) {
            icalproperty* category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
            ExpectSame(written.category, category ? icalproperty_get_categories(category) : nullptr, "category",
                       madeByTheProgram);
        }
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (written.allDay) {
            if (!start.is_date || start.year != written.date.year || start.month != written.date.month ||
                start.day != written.date.day) {
                Finding("an all-day event on another date", written.uid);
            }
        } else if (start.is_date || start.year != written.moment.year || start.month != written.moment.month ||
                   start.day != written.moment.day || start.hour != written.moment.hour ||
                   start.minute != written.moment.minute || start.second != written.moment.second) {
            Finding("an event at another moment", written.uid);
        }
        if (madeByTheProgram) {
            if (!IdentifierShaped(written.uid)) Finding("an identifier of other characters", written.uid);
        }
    }
    if (index != feed.events.size()) Finding("fewer events than written", text);
}

// The year's feed as the report tool makes it, from made-up days' events.
void YearFeedOf(FuzzedDataProvider& in) {
    const int year = 1901 + in.ConsumeIntegralInRange<int>(0, 149);
    double offset = in.ConsumeIntegralInRange<int>(-14 * 4, 14 * 4) / 4.0;
    if (in.ConsumeIntegralInRange<int>(0, 31) == 0) offset = in.ConsumeFloatingPoint<double>();
    const velmora::FixedZone zone(offset);
    const std::string label = Text(in, 48);
    velmora::CalendarSpan span;
    // The festivals name their key and name by view: the texts live here.
    std::vector<std::string> festivalTexts;
    const int observances = in.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < observances; ++i) {
        velmora::ObservanceEntry entry;
        entry.date = Date(in, in.ConsumeIntegralInRange<int>(year - 1, year + 1));
        entry.observance = velmora::AllObservances[in.ConsumeIntegralInRange<std::size_t>(0, std::size(velmora::AllObservances) - 1)];
        entry.tithi.number = in.ConsumeIntegralInRange<int>(in.ConsumeBool() ? -3 : 1, 30);
        entry.tithi.start = Moment(in);
        entry.tithi.end = in.ConsumeBool() ? entry.tithi.start + in.ConsumeFloatingPointInRange<double>(0.5, 1.2) : Moment(in);
        entry.how = in.ConsumeBool() ? velmora::TithiOnDay::AtSunrise : velmora::TithiOnDay::Kshaya;
        entry.kept = in.ConsumeIntegralInRange<int>(0, 7) != 0;
        span.observances.push_back(entry);
    }
    constexpr const char* kSigns[] = {"Mesha", "Vrishabha", "Mithuna", "Karka", "Simha", "Kanya",
                                      "Tula", "Vrischika", "Dhanu", "Makara", "Kumbha", "Meena"};
    const int sankrantis = in.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < sankrantis; ++i) {
        velmora::SankrantiEvent event;
        // From the program's table of signs: a name, never empty.
        event.sign = in.ConsumeIntegralInRange<int>(0, 7) == 0 ? Plain(Text(in, 16), "Makara")
                                                                : kSigns[in.ConsumeIntegralInRange<int>(0, 11)];
        event.moment = Moment(in);
        span.sankrantis.push_back(event);
    }
    const int phases = in.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < phases; ++i) {
        span.phases.push_back({in.ConsumeBool() ? velmora::MoonPhase::New : velmora::MoonPhase::Full, Moment(in)});
    }
    const int festivals = in.ConsumeIntegralInRange<int>(0, 3);
    festivalTexts.reserve(2 * festivals);
    for (int i = 0; i < festivals; ++i) {
        velmora::FestivalDay festival;
        // Keys come from the program's table: lower-case words joined by hyphens.
        const std::string key = velmora::Slug(Text(in, 16));
        festivalTexts.push_back(key.empty() ? "diwali" : key);
        festival.key = festivalTexts.back();
        // The names come from the program's table: never empty.
        festivalTexts.push_back(Plain(Text(in, 24), "Diwali"));
        festival.name = festivalTexts.back();
        festival.date = Date(in, in.ConsumeIntegralInRange<int>(year - 1, year + 1));
        festival.rule = Text(in, 64);
        span.festivals.push_back(festival);
    }
    constexpr velmora::Language kLanguages[] = {velmora::Language::English, velmora::Language::Hindi, velmora::Language::Tamil};
    const velmora::Language language = kLanguages[in.ConsumeIntegralInRange<int>(0, 2)];
    Check(velmora::YearFeed(year, span, zone, label, language), true);
}

// A feed made up whole: any texts, dates of the years 1800..2200.
void MadeUpFeed(FuzzedDataProvider& in) {
    velmora::CalendarFeed feed;
    feed.name = Text(in, 48);
    // The stamp is the start of the year asked for, one of the program's.
    feed.stamp = {in.ConsumeIntegralInRange<int>(1901, 2050), 1, 1, 0, 0, 0};
    const int events = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < events; ++i) {
        velmora::CalendarEvent event;
        event.uid = Text(in, 32);
        event.summary = Text(in, 48);
        event.description = Text(in, 200);
        event.category = Text(in, 16);
        event.allDay = in.ConsumeBool();
        const int year = in.ConsumeIntegralInRange<int>(1800, 2200);
        event.date = Date(in, year);
        const velmora::CalendarDate day = Date(in, year);
        event.moment = {day.year, day.month, day.day, in.ConsumeIntegralInRange<int>(0, 23),
                        in.ConsumeIntegralInRange<int>(0, 59), in.ConsumeIntegralInRange<int>(0, 59)};
        feed.events.push_back(event);
    }
    Check(feed, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        YearFeedOf(in);
    } else {
        MadeUpFeed(in);
    }
    return 0;
}
