#include "report/CommandLine.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string_view>

#include "astronomy/Calendar.h"
#include "shared/LineText.h"

namespace velmora {

namespace {

// A value quoted back in a message: short, escaped, on one line.
std::string Quoted(std::string_view text) { return ExcerptForMessage(text); }

// The Hindu day (--day YYYY-MM-DD) takes a place and the day options only.
std::optional<std::string> CheckDayMode(const std::vector<std::string_view>& given, CommandLine& line) {
    const FriendlyOptions& o = line.options;
    if (o.hinduDay.empty()) {
        if (o.json && !o.chart) return std::string("--json goes with --day YYYY-MM-DD (the Hindu day)");
        if (o.trueNode && !o.chart) return std::string("--node goes with --chart");
        if (o.days != 0) return std::string("--days goes with --day YYYY-MM-DD (the Hindu day)");
        return std::nullopt;
    }
    for (const std::string_view name : given) {
        if (name != "day" && name != "days" && name != "json" && name != "place" && name != "lat" &&
            name != "lon" && name != "zone" && name != "dst" && name != "lang") {
            std::string what = "--";
            what.append(name).append(" does not go with --day YYYY-MM-DD (the Hindu day takes --place, or --lat, "
                                     "--lon, --zone and --dst, and --days, --json)");
            return what;
        }
    }
    const bool typed = !o.lat.empty() || !o.lon.empty() || !o.zone.empty() || o.dst;
    if (!o.place.empty() && typed) {
        return std::string("--day YYYY-MM-DD takes either --place or --lat, --lon and --zone [--dst], not both");
    }
    if (o.place.empty() && (o.lat.empty() || o.lon.empty() || o.zone.empty())) {
        return std::string("--day YYYY-MM-DD needs --place, or --lat, --lon and --zone [--dst]");
    }
    // The run of days stays inside the dates --day takes: a run past the last
    // one is refused, as that date itself would be.
    if (o.days > 1 && o.hinduDay.size() == 10) {
        const auto number = [](std::string_view digits) {
            int n = 0;
            for (const char c : digits) n = n * 10 + (c - '0');
            return n;
        };
        const std::string_view d = o.hinduDay;
        const double first = JulianDayFromDate(number(d.substr(5, 2)), number(d.substr(8, 2)), number(d.substr(0, 4)));
        const long long left = std::llround(JulianDayFromDate(12, 31, 2050) - first) + 1;
        if (o.days > left) {
            return "--days " + std::to_string(o.days) + " from " + o.hinduDay +
                   " runs past 2050-12-31, the last date --day takes (at most " + std::to_string(left) +
                   (left == 1 ? " day" : " days") + " from that date)";
        }
    }
    line.mode = CommandLine::Mode::Day;
    return std::nullopt;
}

// True when `arg` is one of the tool's own options (with or without a
// value after "="), so that it is not taken as the value of the option before
// it: "--city --dst" is a mistake, "--city=--dst" is a city of that name.
bool IsToolOption(std::string_view arg) {
    if (arg == "--" || arg == "-h" || arg == "-v") return true;
    if (arg.substr(0, 2) != "--") return false;
    std::string_view name = arg.substr(2);
    name = name.substr(0, name.find('='));
    return name == "help" || name == "version" || name == "jsonl" || FindFriendlyOption(name) != nullptr;
}

// The calendar modes: --month YYYY-MM, and --year YYYY with --ics FILE or
// --json. Each takes a place and its own options only. Nothing when the
// options ask for neither.
std::optional<std::string> CheckCalendarModes(const std::vector<std::string_view>& given, CommandLine& line) {
    const FriendlyOptions& o = line.options;
    if (!o.festivals.empty()) {
        for (const std::string_view name : given) {
            if (name != "festivals" && name != "json" && name != "place" && name != "lat" && name != "lon" &&
                name != "zone" && name != "dst" && name != "lang") {
                std::string what = "--";
                what.append(name).append(" does not go with --festivals YYYY (it takes --place, or --lat, --lon, "
                                         "--zone and --dst, and --json and --lang)");
                return what;
            }
        }
        const bool typed = !o.lat.empty() || !o.lon.empty() || !o.zone.empty() || o.dst;
        if (!o.place.empty() && typed) {
            return std::string("--festivals YYYY takes either --place or --lat, --lon and --zone [--dst], not both");
        }
        if (o.place.empty() && (o.lat.empty() || o.lon.empty() || o.zone.empty())) {
            return std::string("--festivals YYYY needs --place, or --lat, --lon and --zone [--dst]");
        }
        line.mode = CommandLine::Mode::Festivals;
        return std::nullopt;
    }
    const bool month = !o.calendarMonth.empty();
    const bool year = !o.ics.empty() || (o.json && !o.chart && !o.year.empty() && o.hinduDay.empty() && !month);
    // --year with a place and nothing else of a moment: the year's calendar
    // was meant, and it needs to know how to be written.
    if (!month && !year && !o.year.empty() &&
        std::all_of(given.begin(), given.end(), [](std::string_view name) {
            return name == "year" || name == "place" || name == "lat" || name == "lon" || name == "zone" ||
                   name == "dst" || name == "lang";
        })) {
        return std::string("--year YYYY needs --ics FILE or --json (the year's observances); the report of one "
                           "moment needs --name and the date and time too (see --help)");
    }
    if (!month && !year) return std::nullopt;
    if (month && !o.hinduDay.empty()) return std::string("--month YYYY-MM and --day YYYY-MM-DD: one at a time");
    if (month && !o.ics.empty()) return std::string("--ics goes with --year YYYY (the year's observances)");
    if (year && !o.ics.empty() && o.json) return std::string("--year YYYY takes --ics FILE or --json, not both");
    if (year && o.year.empty()) return std::string("--ics goes with --year YYYY (the year's observances)");
    const char* mode = month ? "--month YYYY-MM" : "--year YYYY";
    for (const std::string_view name : given) {
        const bool own = month ? name == "month" || name == "json" : name == "year" || name == "ics" || name == "json";
        if (!own && name != "place" && name != "lat" && name != "lon" && name != "zone" && name != "dst" &&
            name != "lang") {
            std::string what = "--";
            what.append(name).append(" does not go with ").append(mode).append(
                " (the calendar takes --place, or --lat, --lon, --zone and --dst, and --json");
            what.append(month ? ")" : ", --ics FILE)");
            return what;
        }
    }
    const bool typed = !o.lat.empty() || !o.lon.empty() || !o.zone.empty() || o.dst;
    if (!o.place.empty() && typed) {
        return std::string(mode) + " takes either --place or --lat, --lon and --zone [--dst], not both";
    }
    if (o.place.empty() && (o.lat.empty() || o.lon.empty() || o.zone.empty())) {
        return std::string(mode) + " needs --place, or --lat, --lon and --zone [--dst]";
    }
    line.mode = month ? CommandLine::Mode::Month : CommandLine::Mode::Year;
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::vector<std::string> files;
    std::set<std::string_view> seen;
    std::vector<std::string_view> friendly;  // the readable mode's options given
    bool jsonl = false;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg.front() != '-') {
            files.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            line.mode = CommandLine::Mode::Help;
            return line;
        }
        if (arg == "-v" || arg == "--version") {
            line.mode = CommandLine::Mode::Version;
            return line;
        }
        if (arg.substr(0, 2) != "--") return "unknown option " + Quoted(arg) + " (see --help)";
        std::string_view name = arg.substr(2);
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        std::string option = "--";
        option.append(name);
        if (name == "help" || name == "version") return option + " takes no value";
        if (name == "jsonl") {
            if (value) return "--jsonl takes no value; the FILE follows it: --jsonl FILE";
            if (jsonl) return std::string("--jsonl is given twice");
            jsonl = true;
            continue;
        }
        const FriendlyOption* known = FindFriendlyOption(name);
        if (!known) return "unknown option " + Quoted(option) + " (see --help)";
        if (!seen.insert(known->name).second) return option + " is given twice";
        if (known->valueName.empty()) {
            if (value) return option + " takes no value";
            value = std::string_view();
        } else if (!value) {
            if (i + 1 >= args.size()) {
                return option + " needs a value: " + std::string(known->valueName);
            }
            if (IsToolOption(args[i + 1])) {
                std::string said = option + " needs a value: " + std::string(known->valueName) + ", not the option " +
                                   Quoted(args[i + 1]);
                said.append(" (for a value that starts with --, write ").append(option).append("=VALUE)");
                return said;
            }
            value = args[++i];
        }
        if (auto wrong = known->take(*value, line.options)) {
            return option + " " + Quoted(*value) + ": expected " + *wrong;
        }
        friendly.push_back(known->name);
    }
    if (jsonl) {
        for (const std::string_view name : friendly) {
            if (name == "chart" || name == "node") continue;
            std::string what = "--";
            what.append(name).append(" belongs to the readable mode; with --jsonl each line holds the input");
            return what;
        }
        if (line.options.trueNode && !line.options.chart) return std::string("--node goes with --chart");
        if (files.size() > 1) return std::string("--jsonl reads one FILE at most");
        line.mode = CommandLine::Mode::JsonLines;
        if (!files.empty()) line.file = files.front();
        // An empty name is a mistake (an unset shell variable, say), not a
        // wish to read standard input, which is written "-".
        if (!files.empty() && line.file.empty()) {
            return std::string("--jsonl: the FILE name is empty (to read standard input, give - or nothing)");
        }
        return line;
    }
    if (!files.empty()) return "a FILE (" + Quoted(files.front()) + ") is read only with --jsonl";
    if (auto wrong = CheckCalendarModes(friendly, line)) return *wrong;
    if (line.mode != CommandLine::Mode::Readable) return line;
    if (auto wrong = CheckDayMode(friendly, line)) return *wrong;
    return line;
}

std::string UsageText() {
    std::string out =
        "Usage: velmora-report [OPTIONS]\n"
        "       velmora-report --jsonl [FILE] [--chart [--node mean|true]]\n"
        "       velmora-report --day YYYY-MM-DD {--place TEXT | --lat L --lon L --zone H:MM [--dst]}\n"
        "                      [--days N] [--json]\n"
        "       velmora-report --month YYYY-MM {--place TEXT | --lat L --lon L --zone H:MM [--dst]} [--json]\n"
        "       velmora-report --year YYYY {--place TEXT | ...} {--ics FILE | --json}\n"
        "       velmora-report --festivals YYYY {--place TEXT | ...} [--json] [--lang en|hi|ta]\n"
        "\n"
        "Computes the panchang (vara, nakshatra, tithi, yoga, karana) and the ayanamsa of one moment\n"
        "and place, like the Velmora window, and prints them as text.\n"
        "\n"
        "Example:\n"
        "  velmora-report --name ASHA --date 1987-08-15 --time 10:30 --city \"New Delhi\" \\\n"
        "      --state Delhi --country India --lat 28:36N --lon 77:13E --zone 5:30\n"
        "\n"
        "Options (each at most once; --NAME VALUE or --NAME=VALUE; an option left out keeps the\n"
        "value of a freshly opened window):\n";
    for (const auto& option : FriendlyOptionTable()) {
        // Appended piece by piece: g++ 12 at -O3 warns (-Wrestrict) wrongly on "literal" + string.
        std::string left = "  --";
        left.append(option.name);
        if (!option.valueName.empty()) {
            left.push_back(' ');
            left.append(option.valueName);
        }
        // At least two blanks before the text, however long the value's name.
        left.resize(std::max<std::size_t>(left.size() + 2, 30), ' ');
        out.append(left).append(option.help).push_back('\n');
    }
    out +=
        "  -h, --help                  This text.\n"
        "  -v, --version               The version.\n"
        "\n"
        "With --jsonl it reads JSON Lines from FILE (or standard input when FILE is absent or -),\n"
        "one object of input control values per line, for example\n"
        "  {\"txtName\":\"ASHA\",\"cboMonth\":\"August\",\"cboDate\":\"15\",\"cboYear\":\"1987\",\n"
        "   \"cboHH\":\"10\",\"cboMM\":\"30\",\"txtLatD\":\"28\",\"txtLatM\":\"36\",\"txtLonD\":\"77\",\n"
        "   \"txtLonM\":\"13\",\"optLong\":\"East\",\"txtZoneHour\":\"5\",\"txtZoneMinute\":\"30\"}\n"
        "and writes one line for each: {\"results\":{...}}, {\"refused\":{\"message\":...,\"focus\":...}}\n"
        "or {\"error\":...}. The calculation state carries over from line to line. A line longer\n"
        "than 1 MiB is answered with an error without being read whole.\n"
        "\n"
        "Exit status: 0 results (with --jsonl: every line was read); 1 the window refused the\n"
        "input (with --jsonl: a line was an error); 2 a wrong option or value; 3 reading or\n"
        "writing failed (a message says what).\n";
    return out;
}

}  // namespace velmora
