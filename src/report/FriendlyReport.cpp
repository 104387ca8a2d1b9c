#include "report/FriendlyReport.h"

#include <string_view>
#include <utility>
#include <vector>

#include "places/Place.h"
#include "results/Report.h"
#include "results/ReportNames.h"
#include "shared/LineText.h"

namespace velmora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when `s` is `min`..`max` digits and nothing else.
bool Digits(std::string_view s, std::size_t min, std::size_t max) {
    if (s.size() < min || s.size() > max) return false;
    for (const char c : s) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// The value of a short run of digits (checked by Digits first).
int Number(std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : days[month - 1];
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The month of "8", "08", "August" or "august", or 0.
int MonthNumber(std::string_view text) {
    if (Digits(text, 1, 2)) {
        const int n = Number(text);
        return n >= 1 && n <= 12 ? n : 0;
    }
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        const std::string_view name = MonthNames[i];
        if (name.size() != text.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size(); ++k) same = same && Upper(name[k]) == Upper(text[k]);
        if (same) return static_cast<int>(i) + 1;
    }
    return 0;
}

struct Coordinate {
    std::string_view degrees, minutes;
    char hemisphere;  // upper case
};

// "28:36N": degrees of 1..maxDegreeDigits digits, a colon, minutes of one or
// two digits, the hemisphere letter (either case). Ranges are checked by the
// caller.
std::optional<Coordinate> SplitCoordinate(std::string_view v, std::size_t maxDegreeDigits, char first, char second) {
    if (v.empty()) return std::nullopt;
    const char letter = Upper(v.back());
    if (letter != first && letter != second) return std::nullopt;
    v.remove_suffix(1);
    const auto colon = v.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto degrees = v.substr(0, colon), minutes = v.substr(colon + 1);
    if (!Digits(degrees, 1, maxDegreeDigits) || !Digits(minutes, 1, 2)) return std::nullopt;
    return Coordinate{degrees, minutes, letter};
}

std::optional<Coordinate> CheckedCoordinate(std::string_view v, std::size_t maxDegreeDigits, int maxDegrees,
                                            char first, char second) {
    const auto c = SplitCoordinate(v, maxDegreeDigits, first, second);
    if (!c || Number(c->degrees) > maxDegrees || Number(c->minutes) > 59) return std::nullopt;
    return c;
}

// "H:MM" or "HH:MM" split at the colon, both parts digits; ranges by the caller.
std::optional<std::pair<int, int>> HoursMinutes(std::string_view v) {
    const auto colon = v.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto hours = v.substr(0, colon), minutes = v.substr(colon + 1);
    if (!Digits(hours, 1, 2) || !Digits(minutes, 2, 2)) return std::nullopt;
    return std::pair{Number(hours), Number(minutes)};
}

using Wrong = std::optional<std::string>;

constexpr std::string_view kDateExpected = "a real date from 1901-01-01 to 2050-12-31 written YYYY-MM-DD";

Wrong TakeName(std::string_view v, FriendlyOptions& o) {
    // The Name box takes letters and blanks and turns each letter into a capital.
    std::string name;
    for (const char c : v) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ')) {
            return std::string("letters A-Z and blanks only, as the Name box takes them");
        }
        name.push_back(Upper(c));
    }
    o.name = name;
    return std::nullopt;
}

Wrong TakeDate(std::string_view v, FriendlyOptions& o) {
    if (v.size() != 10 || v[4] != '-' || v[7] != '-' || !Digits(v.substr(0, 4), 4, 4) ||
        !Digits(v.substr(5, 2), 2, 2) || !Digits(v.substr(8, 2), 2, 2)) {
        return std::string(kDateExpected);
    }
    const int year = Number(v.substr(0, 4)), month = Number(v.substr(5, 2)), day = Number(v.substr(8, 2));
    if (year < FirstYear || year > LastYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::string(kDateExpected);
    }
    o.date = v;
    return std::nullopt;
}

Wrong TakeDay(std::string_view v, FriendlyOptions& o) {
    // A whole date asks for the Hindu day of that date.
    if (v.size() == 10 && v[4] == '-') {
        FriendlyOptions dated;
        if (TakeDate(v, dated)) return std::string(kDateExpected) + " (the Hindu day), or a day of the month, 1 to 31";
        o.hinduDay = v;
        return std::nullopt;
    }
    if (!Digits(v, 1, 2) || Number(v) < 1 || Number(v) > 31) {
        return std::string("a day of the month, 1 to 31, or a date YYYY-MM-DD (the Hindu day of that date)");
    }
    o.day = v;
    return std::nullopt;
}

Wrong TakeDays(std::string_view v, FriendlyOptions& o) {
    if (!Digits(v, 1, 4) || Number(v) < 1 || Number(v) > 3660) return std::string("a number of days, 1 to 3660");
    o.days = Number(v);
    return std::nullopt;
}

Wrong TakeJson(std::string_view, FriendlyOptions& o) {
    o.json = true;
    return std::nullopt;
}

Wrong TakeMonth(std::string_view v, FriendlyOptions& o) {
    // A year and a month ask for the month calendar.
    if (v.size() == 7 && v[4] == '-') {
        if (!Digits(v.substr(0, 4), 4, 4) || !Digits(v.substr(5, 2), 2, 2) || Number(v.substr(0, 4)) < FirstYear ||
            Number(v.substr(0, 4)) > LastYear || Number(v.substr(5, 2)) < 1 || Number(v.substr(5, 2)) > 12) {
            return std::string("YYYY-MM, 1901-01 to 2050-12 (the month calendar), or a month, 1 to 12 or January "
                               "to December");
        }
        o.calendarMonth = v;
        return std::nullopt;
    }
    if (MonthNumber(v) == 0) {
        return std::string("a month, 1 to 12 or January to December, or YYYY-MM (the month calendar)");
    }
    o.month = v;
    return std::nullopt;
}

Wrong TakeYear(std::string_view v, FriendlyOptions& o) {
    if (!Digits(v, 4, 4) || Number(v) < FirstYear || Number(v) > LastYear) {
        return std::string("a year from 1901 to 2050");
    }
    o.year = v;
    return std::nullopt;
}

Wrong TakeFestivals(std::string_view v, FriendlyOptions& o) {
    if (!Digits(v, 4, 4) || Number(v) < FirstYear || Number(v) > LastYear) {
        return std::string("a year from 1901 to 2050");
    }
    o.festivals = v;
    return std::nullopt;
}

Wrong TakeTime(std::string_view v, FriendlyOptions& o) {
    const auto t = HoursMinutes(v);
    if (!t || t->first > 23 || t->second > 59) {
        return std::string("a clock time HH:MM, hours 0 to 23 and minutes 00 to 59");
    }
    o.time = v;
    return std::nullopt;
}

// A place name: whatever a text box holds, but on one line, refused where
// --place refuses it.
Wrong TakeText(std::string_view v, std::string& field) {
    if (const std::string problem = OneLineTextProblem(v); !problem.empty()) {
        return "one line of text, UTF-8 without control characters; this one " + problem;
    }
    field = v;
    return std::nullopt;
}

Wrong TakeLat(std::string_view v, FriendlyOptions& o) {
    if (!CheckedCoordinate(v, 2, 89, 'N', 'S')) {
        return std::string("DEG:MIN followed by N or S, degrees 0 to 89 and minutes 0 to 59, e.g. 28:36N");
    }
    o.lat = v;
    return std::nullopt;
}

Wrong TakeLon(std::string_view v, FriendlyOptions& o) {
    if (!CheckedCoordinate(v, 3, 179, 'E', 'W')) {
        return std::string("DEG:MIN followed by E or W, degrees 0 to 179 and minutes 0 to 59, e.g. 77:13E");
    }
    o.lon = v;
    return std::nullopt;
}

Wrong TakeZone(std::string_view v, FriendlyOptions& o) {
    const auto z = HoursMinutes(v);
    if (!z || z->first > 14 || z->second > 59) {
        return std::string(
            "H:MM, hours 0 to 14 and minutes 00 to 59, without a sign (the direction follows --lon), e.g. 5:30");
    }
    o.zone = v;
    return std::nullopt;
}

Wrong TakePlace(std::string_view v, FriendlyOptions& o) {
    const ParsedPlaceText parsed = ParsePlaceText(v);
    if (!parsed.problem.empty()) {
        return "a city, \"city, state\", \"city, country\" or \"city, state, country\"; " + parsed.problem;
    }
    o.place = v;
    return std::nullopt;
}

Wrong TakeChart(std::string_view, FriendlyOptions& o) {
    o.chart = true;
    return std::nullopt;
}

Wrong TakeNode(std::string_view v, FriendlyOptions& o) {
    if (v != "mean" && v != "true") return std::string("mean or true");
    o.trueNode = v == "true";
    return std::nullopt;
}

Wrong TakeDst(std::string_view, FriendlyOptions& o) {
    o.dst = true;
    return std::nullopt;
}

// A file to write: its name is bytes, taken as they are (a name that is not
// UTF-8 is written under exactly that name, as the shell gave it), any but
// the controls that would break a message line. Empty names nothing.
bool FileNameBytes(std::string_view v) {
    if (v.empty()) return false;
    for (const char c : v) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

Wrong TakePdf(std::string_view v, FriendlyOptions& o) {
    if (!FileNameBytes(v)) return std::string("the name of the PDF file to write, without control characters");
    o.pdf = v;
    return std::nullopt;
}

Wrong TakeIcs(std::string_view v, FriendlyOptions& o) {
    if (!FileNameBytes(v)) return std::string("the name of the calendar file to write, without control characters");
    o.ics = v;
    return std::nullopt;
}

Wrong TakePaper(std::string_view v, FriendlyOptions& o) {
    std::string paper;
    for (const char c : v) paper.push_back(Upper(c));
    if (paper != "A4" && paper != "LETTER") return std::string("A4 or Letter");
    o.paper = paper == "A4" ? "A4" : "Letter";
    return std::nullopt;
}

std::optional<std::string> TakeLang(std::string_view value, FriendlyOptions& o) {
    const std::optional<Language> language = LanguageFromCode(value);
    if (!language) return std::string("en, hi or ta");
    o.language = *language;
    return std::nullopt;
}

constexpr FriendlyOption kOptions[] = {
    {"name", "NAME", "The name: letters and blanks; written in capitals, as the window does.", TakeName},
    {"date", "YYYY-MM-DD", "The date, 1901-01-01 to 2050-12-31.", TakeDate},
    {"day", "1..31|YYYY-MM-DD",
     "The day of the month, instead of --date; or a date: the Hindu day of that date (sunrise to sunrise) "
     "for --place or --lat, --lon and --zone [--dst].",
     TakeDay},
    {"days", "N", "With --day YYYY-MM-DD: N days from that date (one report each).", TakeDays},
    {"json", "",
     "With --day YYYY-MM-DD: each day as one JSON object on one line; with --month YYYY-MM or --year YYYY: "
     "the month's days and observances, or the year's observances, as one JSON object.",
     TakeJson},
    {"month", "1..12|January..|YYYY-MM",
     "The month, instead of --date; or YYYY-MM: the month calendar (each date's tithi and nakshatra at sunrise, "
     "sunrise and sunset, observances) for --place or --lat, --lon and --zone [--dst].",
     TakeMonth},
    {"year", "1901..2050",
     "The year, instead of --date; with --ics or --json: the year's observances, sankrantis and new and full "
     "moons.",
     TakeYear},
    {"ics", "FILE", "With --year YYYY: write the year's observances as an iCalendar file (RFC 5545) to FILE.",
     TakeIcs},
    {"festivals", "YYYY",
     "The year's festivals, each with its date and the rule that gives it, and the year's eclipses with their "
     "local times, for --place or --lat, --lon and --zone [--dst]; with --json as one JSON object.",
     TakeFestivals},
    {"time", "HH:MM", "The local clock time, 0:00 to 23:59.", TakeTime},
    {"city", "CITY", "The city.", [](std::string_view v, FriendlyOptions& o) { return TakeText(v, o.city); }},
    {"state", "STATE", "The state.", [](std::string_view v, FriendlyOptions& o) { return TakeText(v, o.state); }},
    {"country", "COUNTRY", "The country.",
     [](std::string_view v, FriendlyOptions& o) { return TakeText(v, o.country); }},
    {"lat", "DEG:MIN{N|S}", "The latitude, e.g. 28:36N.", TakeLat},
    {"lon", "DEG:MIN{E|W}", "The longitude, e.g. 77:13E.", TakeLon},
    {"zone", "H:MM", "The time zone's size, e.g. 5:30; its direction follows the longitude.", TakeZone},
    {"dst", "", "Daylight saving time is in force.", TakeDst},
    {"place", "TEXT",
     "Looks up \"city[, state or country]\" or \"city, state, country\" offline (\"Paris, TX\", \"Bombay\"); "
     "options given beside it win.",
     TakePlace},
    {"pdf", "FILE", "Write the printed report, one page, as a PDF to FILE instead of the text (- for standard output).", TakePdf},
    {"chart", "",
     "The birth chart after the report: the grahas and the lagna (sidereal, Lahiri), their navamsas and the "
     "Vimshottari dasha; with --pdf a Chart page after the report; with --json or --jsonl a \"chart\" object "
     "beside the results.",
     TakeChart},
    {"node", "mean|true", "With --chart: Rahu as the Moon's mean node (the default) or its true node.", TakeNode},
    {"paper", "A4|Letter", "The paper of --pdf (default: Letter where the locale measures in inches).",
     TakePaper},
    {"lang", "en|hi|ta",
     "The language of the names and texts: English (the default), Hindi or Tamil. JSON keys stay as they are; "
     "JSON \"name\" and \"title\" values follow it.",
     TakeLang},
};

}  // namespace

std::span<const FriendlyOption> FriendlyOptionTable() { return kOptions; }

const FriendlyOption* FindFriendlyOption(std::string_view name) {
    for (const auto& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

std::optional<std::string> FormFromOptions(const FriendlyOptions& o, InputForm& form) {
    if (!o.paper.empty() && o.pdf.empty()) return std::string("--paper goes with --pdf");
    form.txtName = o.name;
    form.txtMCity = o.city;
    form.txtMState = o.state;
    form.txtMCountry = o.country;

    // The fresh window's date unless the options say otherwise.
    int year = FirstYear, month = 1, day = 1;
    if (!o.date.empty()) {
        if (!o.day.empty() || !o.month.empty() || !o.year.empty()) {
            return std::string("--date cannot be combined with --day, --month or --year");
        }
        const std::string_view d = o.date;
        year = Number(d.substr(0, 4));
        month = Number(d.substr(5, 2));
        day = Number(d.substr(8, 2));
    }
    if (!o.year.empty()) year = Number(o.year);
    if (!o.month.empty()) month = MonthNumber(o.month);
    if (!o.day.empty()) day = Number(o.day);
    if (year < FirstYear || year > LastYear || month < 1 || month > 12 || day < 1) {
        return std::string("the date options do not make a date");  // the table's checks prevent this
    }
    if (day > DaysInMonth(year, month)) {
        return "--day " + std::to_string(day) + ": " + std::string(MonthNames[month - 1]) + " " +
               std::to_string(year) + " has " + std::to_string(DaysInMonth(year, month)) + " days";
    }
    form.cboYear = year - FirstYear;
    form.cboMonth = month - 1;
    form.cboDate = day - 1;

    if (const auto t = HoursMinutes(o.time)) {
        form.cboHH = t->first;
        form.cboMM = t->second;
    }
    if (const auto c = SplitCoordinate(o.lat, 2, 'N', 'S')) {
        form.txtLatD = c->degrees;
        form.txtLatM = c->minutes;
        form.optLat = c->hemisphere == 'S' ? 1 : 0;
    }
    if (const auto c = SplitCoordinate(o.lon, 3, 'E', 'W')) {
        form.txtLonD = c->degrees;
        form.txtLonM = c->minutes;
        form.optLong = c->hemisphere == 'W' ? 1 : 0;
    }
    if (!o.zone.empty()) {
        const auto colon = o.zone.find(':');
        form.txtZoneHour = o.zone.substr(0, colon);
        form.txtZoneMinute = o.zone.substr(colon + 1);
    }
    form.chkDST = o.dst ? 1 : 0;
    return std::nullopt;
}

// The same text the results window's Copy puts on the clipboard.
std::string ReadableReport(const ResultsPage& page, const BirthRecord& birth, Language language) {
    return ReportPlainText(LocalizedReport(BuildReport(page, birth), language));
}

}  // namespace velmora
