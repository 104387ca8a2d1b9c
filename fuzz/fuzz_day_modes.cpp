// The report tool's day modes end to end: a command line built from the input
// (--day with --days, --month or, rarely, --year; --place or --lat, --lon,
// --zone and --dst; --json, --lang) is read as velmora-report reads it, and
// the days are computed and written as its main() does: the text, the JSON
// and the calendar file of the days. The JSON is parsed back and every span
// checked (each starts before it ends, each element's spans follow one
// another without a gap), and the calendar file is read back with libical.
//
// A crash, leak, hang or UB report is a finding; so is a message over more
// than one line, output that is not UTF-8, JSON that does not parse, a span
// that ends before it starts, two spans that do not meet, and a calendar file
// that libical reads with errors or with other events than were written.
//
// Speed: the gazetteer is opened once per process; the ranges are a day, a
// few days or a month, and a whole year only when the input asks for it in
// four bytes out of a thousand; the command line is checked before any day is
// computed.
#include <fuzzer/FuzzedDataProvider.h>
#include <libical/ical.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/CalendarDays.h"
#include "calendar/CalendarEvents.h"
#include "day/HinduDay.h"
#include "day/SolarCalendars.h"
#include "festivals/Festivals.h"
#include "places/lookup/SystemPlaces.h"
#include "report/CalendarReport.h"
#include "report/CommandLine.h"
#include "report/DayReport.h"
#include "results/ics/IcsFile.h"
#include "shared/VectorState.h"

namespace {

using Json = nlohmann::json;

[[noreturn]] void Finding(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "fuzz_day_modes: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

// Places whose days are out of the ordinary: the polar day and night, a date
// line crossing, half- and quarter-hour zones, half-hour daylight saving,
// the equator, and zones whose clocks changed in the years of the program.
constexpr const char* kPlaces[] = {
    "New Delhi", "Mumbai", "Kathmandu", "Colombo", "Singapore", "Tromso", "Longyearbyen",
    "Reykjavik", "Apia", "Kiritimati", "Lord Howe Island", "Honolulu", "Anchorage", "Ushuaia",
    "Quito", "London", "New York", "Chennai", "Kolkata", "Dhaka", "Karachi", "Moscow", "Nome",
    "Paris, TX", "Bombay", "Murmansk",
};

std::string Two(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string DateArgument(FuzzedDataProvider& in, bool withDay) {
    if (in.ConsumeIntegralInRange<int>(0, 31) == 0) return in.ConsumeRandomLengthString(12);
    // Mostly the program's years, now and then their edges.
    int year = 1901 + in.ConsumeIntegralInRange<int>(0, 149);
    switch (in.ConsumeIntegralInRange<int>(0, 15)) {
        case 0: year = 1901; break;
        case 1: year = 2050; break;
        case 2: year = in.ConsumeIntegralInRange<int>(0, 9999); break;
        default: break;
    }
    const int month = in.ConsumeIntegralInRange<int>(1, 12);
    std::string text = std::to_string(year) + "-" + Two(month);
    if (withDay) text += "-" + Two(in.ConsumeIntegralInRange<int>(1, 31));
    return text;
}

std::string Angle(FuzzedDataProvider& in, int maxDegrees, const char* hemispheres) {
    if (in.ConsumeIntegralInRange<int>(0, 31) == 0) return in.ConsumeRandomLengthString(10);
    return std::to_string(in.ConsumeIntegralInRange<int>(0, maxDegrees)) + ":" +
           Two(in.ConsumeIntegralInRange<int>(0, 59)) + hemispheres[in.ConsumeBool() ? 1 : 0];
}

// The arguments that follow the program's name.
std::vector<std::string> Arguments(FuzzedDataProvider& in) {
    std::vector<std::string> args;
    const int mode = in.ConsumeIntegralInRange<int>(0, 999);
    if (mode < 4) {
        args = {"--year", DateArgument(in, false).substr(0, 4), in.ConsumeBool() ? "--json" : "--ics"};
        if (args.back() == "--ics") args.emplace_back("-");
    } else if (mode < 150) {
        args = {"--month", DateArgument(in, false)};
    } else {
        args = {"--day", DateArgument(in, true)};
        if (mode < 300) {
            // A few days; a month's worth at most.
            args.emplace_back("--days");
            args.push_back(in.ConsumeIntegralInRange<int>(0, 15) == 0 ? in.ConsumeRandomLengthString(6)
                                                                        : std::to_string(in.ConsumeIntegralInRange<int>(1, 31)));
        }
    }
    if (mode >= 4 && in.ConsumeBool()) args.emplace_back("--json");
    if (in.ConsumeBool()) {
        args.emplace_back("--place");
        if (in.ConsumeIntegralInRange<int>(0, 7) == 0) {
            args.push_back(in.ConsumeRandomLengthString(24));
        } else {
            args.emplace_back(kPlaces[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kPlaces) - 1)]);
        }
    } else {
        args.insert(args.end(), {"--lat", Angle(in, 89, "NS"), "--lon", Angle(in, 179, "EW"), "--zone"});
        args.push_back(in.ConsumeIntegralInRange<int>(0, 31) == 0
                           ? in.ConsumeRandomLengthString(6)
                           : std::to_string(in.ConsumeIntegralInRange<int>(0, 14)) + ":" +
                                 Two(15 * in.ConsumeIntegralInRange<int>(0, 3)));
        if (in.ConsumeBool()) args.emplace_back("--dst");
    }
    if (in.ConsumeBool()) {
        constexpr const char* kLanguages[] = {"en", "hi", "ta"};
        args.emplace_back("--lang");
        args.emplace_back(kLanguages[in.ConsumeIntegralInRange<int>(0, 2)]);
    }
    // Now and then an option more, anything at all.
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) args.push_back(in.ConsumeRandomLengthString(12));
    return args;
}

bool Utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            if (c == 0) return false;
            ++i;
            continue;
        }
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
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

void CheckMessage(const std::string& message) {
    if (message.empty() || message.find('\n') != std::string::npos) Finding("a message that is not one line", message);
}

// "2026-03-03T06:44:22+05:30" (the offset may have seconds) as seconds on
// one universal scale; nothing for any other shape.
std::optional<long long> Instant(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    const std::string& t = value.get_ref<const std::string&>();
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, oh = 0, om = 0, os = 0;
    char sign = 0;
    int used = 0;
    if (std::sscanf(t.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d%n", &y, &mo, &d, &h, &mi, &s, &sign, &oh, &om, &used) != 9) {
        return std::nullopt;
    }
    if (static_cast<std::size_t>(used) != t.size()) {
        if (std::sscanf(t.c_str() + used, ":%2d", &os) != 1 || t.size() != static_cast<std::size_t>(used) + 3) {
            return std::nullopt;
        }
    }
    if ((sign != '+' && sign != '-') || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) {
        return std::nullopt;
    }
    // Days from civil (proleptic Gregorian).
    const int yy = y - (mo <= 2 ? 1 : 0);
    const int era = (yy >= 0 ? yy : yy - 399) / 400;
    const int yoe = yy - era * 400;
    const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = era * 146097LL + doe - 719468;
    const long long offset = (sign == '-' ? -1 : 1) * (oh * 3600LL + om * 60LL + os);
    return days * 86400 + h * 3600 + mi * 60 + s - offset;
}

long long NeedInstant(const Json& value, const std::string& where) {
    const auto instant = Instant(value);
    if (!instant) Finding("a time that is not a clock time with its offset", where + " " + value.dump());
    return *instant;
}

void CheckSpan(const Json& span, const std::string& where) {
    if (span.is_null()) return;
    if (!span.is_object() || !span.contains("start") || !span.contains("end")) Finding("not a span", where);
    if (NeedInstant(span["start"], where) >= NeedInstant(span["end"], where)) {
        Finding("a span that does not start before it ends", where + " " + span.dump());
    }
}

// Spans one after another: each begins where the one before ends.
void CheckRun(const Json& spans, const std::string& where) {
    if (!spans.is_array()) Finding("not a list of spans", where);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        CheckSpan(spans[i], where);
        if (i > 0 && NeedInstant(spans[i - 1]["end"], where) != NeedInstant(spans[i]["start"], where)) {
            Finding("two spans that do not meet", where + " " + spans[i - 1].dump() + " " + spans[i].dump());
        }
    }
}

void CheckList(const Json& spans, const std::string& where) {
    if (!spans.is_array()) Finding("not a list of spans", where);
    for (const Json& span : spans) CheckSpan(span, where);
}

void CheckDay(const Json& day) {
    if (!day.is_object()) Finding("a day that is not an object");
    if (day.contains("trouble")) {
        if (!day["trouble"].is_string() || day.size() != 2) Finding("a date without a day, badly said", day.dump());
        return;
    }
    const std::string date = day.value("date", "");
    for (const char* element : {"tithi", "nakshatra", "yoga", "karana"}) CheckRun(day[element], date + " " + element);
    for (const char* part : {"rahu_kalam", "yamaganda", "gulika_kalam", "abhijit_muhurta", "brahma_muhurta"}) {
        CheckSpan(day[part], date + " " + part);
    }
    if (!day["day_start"].is_null() || !day["day_end"].is_null()) {
        if (NeedInstant(day["day_start"], date) >= NeedInstant(day["day_end"], date)) Finding("a day that ends before it starts", date);
    }
    if (day.contains("choghadiya")) {
        CheckRun(day["choghadiya"]["day"], date + " choghadiya");
        CheckRun(day["choghadiya"]["night"], date + " choghadiya at night");
    }
    if (day.contains("gowri")) {
        CheckRun(day["gowri"]["day"], date + " gowri");
        CheckRun(day["gowri"]["night"], date + " gowri at night");
    }
    if (day.contains("hora")) CheckRun(day["hora"], date + " hora");
    for (const char* part : {"durmuhurta", "varjyam", "amrit_kalam"}) {
        if (day.contains(part)) CheckList(day[part], date + " " + part);
    }
    for (const Json& eclipse : day["eclipses"]) {
        if (eclipse.contains("sutak")) CheckSpan(eclipse["sutak"], date + " sutak");
    }
}

Json Parse(const std::string& text, const char* what) {
    Json parsed = Json::parse(text, nullptr, false);
    if (parsed.is_discarded()) Finding("JSON that does not parse", what);
    return parsed;
}

void CheckText(const std::string& text, const char* what) {
    if (text.empty() || !Utf8(text)) Finding("text that is empty or not UTF-8", what);
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// The calendar file of the events, read back with libical: one event for
// each written, with its identifier and title, and no error.
void CheckCalendarFile(const velmora::CalendarFeed& feed) {
    const std::string text = velmora::ICalendarText(feed);
    if (!Utf8(text)) Finding("a calendar file that is not UTF-8");
    std::unique_ptr<icalcomponent, ComponentDeleter> parsed(icalparser_parse_string(text.c_str()));
    if (!parsed || icalcomponent_isa(parsed.get()) != ICAL_VCALENDAR_COMPONENT) Finding("a calendar file libical cannot read");
    if (icalcomponent_count_errors(parsed.get()) != 0) Finding("a calendar file with errors", text);
    std::size_t index = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(parsed.get(), ICAL_VEVENT_COMPONENT), ++index) {
        if (index >= feed.events.size()) Finding("a calendar file with more events than written");
        const char* uid = icalcomponent_get_uid(event);
        const char* summary = icalcomponent_get_summary(event);
        if (uid == nullptr || feed.events[index].uid != uid) Finding("an event's identifier changed", feed.events[index].uid);
        if (summary == nullptr || feed.events[index].summary != summary) Finding("an event's title changed", feed.events[index].summary);
    }
    if (index != feed.events.size()) Finding("a calendar file with fewer events than written");
}

// How many runs got how far, said at the end when FUZZ_DAY_MODES_COUNTS is
// set: a long run's runs mean little unless most of them compute days.
struct Counts {
    long long runs = 0, refused = 0, noSite = 0, days = 0, months = 0, years = 0;
    ~Counts() {
        if (std::getenv("FUZZ_DAY_MODES_COUNTS") == nullptr) return;
        std::fprintf(stderr,
                     "fuzz_day_modes: %lld runs: %lld command lines refused, %lld without a place or zone, "
                     "%lld of days, %lld months, %lld years computed\n",
                     runs, refused, noSite, days, months, years);
    }
};
Counts counts;

const velmora::PlaceDirectory* Places() {
    static const std::unique_ptr<velmora::PlaceDirectory> directory = velmora::OpenPlaceDirectory();
    return directory.get();
}

// --day YYYY-MM-DD [--days N] as RunDayMode of the report tool's main().
void RunDays(const velmora::FriendlyOptions& options) {
    const velmora::DaySite site = velmora::DaySiteFromOptions(options, Places());
    if (!site.failure.empty()) {
        ++counts.noSite;
        return CheckMessage(site.failure);
    }
    ++counts.days;
    velmora::ClearUpperVectorState();
    const std::vector<velmora::CivilDate> dates = velmora::DatesFromOptions(options);
    if (dates.empty() || dates.size() > 31) Finding("not the dates asked for", std::to_string(dates.size()));
    velmora::HinduDays days(site.observer, *site.zone);
    velmora::SolarMonthCache solar(site.observer, *site.zone);
    const velmora::CalendarDate from{dates.front().year, dates.front().month, dates.front().day};
    const velmora::CalendarDate to{dates.back().year, dates.back().month, dates.back().day};
    std::vector<velmora::HinduDay> around;
    const auto number = [](const velmora::CalendarDate& d) { return d.year * 10000 + d.month * 100 + d.day; };
    const velmora::CalendarDate last = velmora::AddDays(to, velmora::FestivalContextDays);
    for (velmora::CalendarDate date = velmora::AddDays(from, -velmora::FestivalContextDays); number(date) <= number(last);
         date = velmora::AddDays(date, 1)) {
        if (std::optional<velmora::HinduDay> day = days.Day(date.year, date.month, date.day)) around.push_back(std::move(*day));
    }
    const std::vector<velmora::FestivalDay> festivals = velmora::FestivalsBetween(around, from, to, *site.zone);
    for (const velmora::CivilDate& date : dates) {
        const std::optional<velmora::HinduDay> day = days.Day(date.year, date.month, date.day);
        if (!day) {
            const std::string trouble = days.Trouble(date.year, date.month, date.day);
            if (!trouble.empty()) CheckMessage(trouble);
            CheckDay(Parse(velmora::DayTroubleJsonLine(date, trouble), "a date without a day"));
            CheckText(velmora::DayTroubleText(date, trouble), "a date without a day");
            continue;
        }
        const std::string line = velmora::DayJsonLine(*day, *site.zone, options.language, festivals, &solar);
        if (line.empty() || line.back() != '\n' || line.find('\n') != line.size() - 1) Finding("a day that is not one line");
        const Json parsed = Parse(line, "--day --json");
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", date.year, date.month, date.day);
        if (parsed.value("date", "") != expected) Finding("the day of another date", expected);
        CheckDay(parsed);
        CheckText(velmora::DayText(*day, *site.zone, options.language, festivals, &solar), "--day");
    }
}

// --month YYYY-MM and --year YYYY as RunCalendarMode of the report tool's main().
void RunCalendar(const velmora::FriendlyOptions& options, bool wholeYear) {
    const int year = std::stoi(wholeYear ? options.year : options.calendarMonth.substr(0, 4));
    const int month = wholeYear ? 0 : std::stoi(options.calendarMonth.substr(5, 2));
    velmora::FriendlyOptions dayOptions = options;
    char first[16];
    std::snprintf(first, sizeof first, "%04d-%02d-01", year, wholeYear ? 1 : month);
    dayOptions.hinduDay = first;
    const velmora::DaySite site = velmora::DaySiteFromOptions(dayOptions, Places());
    if (!site.failure.empty()) {
        ++counts.noSite;
        return CheckMessage(site.failure);
    }
    ++(wholeYear ? counts.years : counts.months);
    velmora::ClearUpperVectorState();
    const std::string label = options.place.empty() ? options.lat + " " + options.lon : options.place;
    const std::string fileLabel = options.place.empty() ? label + " " + site.zone->Name() : label;
    const int count = wholeYear ? (velmora::DaysInMonth(year, 2) == 29 ? 366 : 365) : velmora::DaysInMonth(year, month);
    const velmora::CalendarSpan span =
        velmora::ComputeCalendarSpan({year, wholeYear ? 1 : month, 1}, count, site.observer, *site.zone);
    for (const velmora::DateTrouble& trouble : span.troubles) CheckMessage(trouble.text);
    if (span.days.empty()) return;
    // The calendar file of the days computed (the report tool writes a
    // year's; a month's has the same events, fewer of them).
    const std::string key = options.place.empty() ? std::string() : velmora::FoundPlaceKey(site.observer, *site.zone);
    CheckCalendarFile(velmora::YearFeed(year, span, *site.zone, fileLabel, options.language, key));
    if (wholeYear) {
        const Json parsed = Parse(velmora::YearJson(year, span, *site.zone, fileLabel, options.language), "--year --json");
        for (const Json& entry : parsed["observances"]) CheckSpan(entry["tithi"], "observance's tithi");
        return;
    }
    const Json parsed = Parse(velmora::MonthJson(year, month, span, *site.zone, options.language), "--month --json");
    if (!parsed["days"].is_array() || parsed["days"].size() != static_cast<std::size_t>(count) - span.troubles.size()) {
        Finding("a month without its days", options.calendarMonth);
    }
    for (const Json& day : parsed["days"]) CheckDay(day);
    for (const Json& entry : parsed["observances"]) CheckSpan(entry["tithi"], "observance's tithi");
    for (const char* events : {"sankrantis", "moon_phases"}) {
        for (const Json& event : parsed[events]) {
            // The local moment and the universal one are the same instant.
            const std::string utc = event.value("utc", "");
            if (utc.size() != 20 || utc.back() != 'Z') Finding("a universal time that is not one", utc);
            if (NeedInstant(event["moment"], events) != NeedInstant(utc.substr(0, 19) + "+00:00", events)) {
                Finding("a moment and its universal time apart", event.dump());
            }
        }
    }
    CheckText(velmora::MonthText(year, month, span, *site.zone, label, options.language), "--month");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Places();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ++counts.runs;
    const std::vector<std::string> args = Arguments(in);
    const auto parsed = velmora::ParseCommandLine(args);
    if (const auto* wrong = std::get_if<std::string>(&parsed)) {
        ++counts.refused;
        CheckMessage(*wrong);
        return 0;
    }
    const velmora::CommandLine& line = std::get<velmora::CommandLine>(parsed);
    switch (line.mode) {
        case velmora::CommandLine::Mode::Day: RunDays(line.options); break;
        case velmora::CommandLine::Mode::Month: RunCalendar(line.options, false); break;
        case velmora::CommandLine::Mode::Year: RunCalendar(line.options, true); break;
        default: break;
    }
    return 0;
}
