// velmora-report: the panchang calculation of Velmora from the command line,
// either one moment given as readable options, or a whole session of
// calculations as JSON Lines (one object of input control values per line, one
// answer per line).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/Chart.h"
#include "chart/ChartText.h"
#include "input/CalculationDriver.h"
#include "report/CommandLine.h"
#include "report/CalendarReport.h"
#include "report/DayReport.h"
#include "places/lookup/SystemPlaces.h"
#include "report/FriendlyReport.h"
#include "report/PdfOption.h"
#include "report/PlaceOption.h"
#include "report/ReportSession.h"
#include "report/StandardStreams.h"
#include "results/Report.h"
#ifdef VELMORA_HAVE_ICAL
#include "results/ics/IcsFile.h"
#endif
#include "shared/LineText.h"
#include "shared/VectorState.h"
#include "shared/Version.h"

namespace {

int Fail(const std::string& what, int status) {
    // A message may quote a file name as typed: shown escaped if it holds
    // controls or bytes that are not text.
    std::fprintf(stderr, "velmora-report: %s\n", velmora::PrintableMessage(what).c_str());
    return status;
}

// Writes the whole text to standard output; false when it did not get there.
bool WriteAll(const std::string& text) {
    errno = 0;
    std::cout << text;
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

std::string WriteFailure() {
    std::string what = "cannot write the output";
    if (errno != 0) what += std::string(": ") + std::strerror(errno);
    return what;
}

int RunJsonLinesMode(const std::string& file, const velmora::FriendlyOptions& options) {
    velmora::Session session;
    if (options.chart) session.AddChart(options.trueNode ? velmora::NodeKind::True : velmora::NodeKind::Mean);
    velmora::JsonLinesEnd end;
    if (file.empty() || file == "-") {
        end = velmora::RunJsonLines(std::cin, std::cout, session);
    } else {
        std::error_code error;
        if (std::filesystem::is_directory(file, error)) {
            return Fail(file + " is a folder, not a file of JSON Lines", velmora::kExitFailure);
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) return Fail("cannot read " + file + ": " + std::strerror(errno), velmora::kExitFailure);
        end = velmora::RunJsonLines(in, std::cout, session, file);
    }
    if (!end.failure.empty()) {
        std::fprintf(stderr, "velmora-report: %s\n", velmora::PrintableMessage(end.failure).c_str());
    }
    return end.status;
}

// --day YYYY-MM-DD: the Hindu day of each date asked for, as text or JSON.
int RunDayMode(const velmora::FriendlyOptions& options) {
    std::unique_ptr<velmora::PlaceDirectory> places;
    if (!options.place.empty()) places = velmora::OpenPlaceDirectory();
    const velmora::DaySite site = velmora::DaySiteFromOptions(options, places.get());
    if (!site.failure.empty()) return Fail(site.failure, site.status);
    velmora::ClearUpperVectorState();  // after the gazetteer and the zone database, see VectorState.h
    for (const std::string& said : site.said) std::fprintf(stderr, "%s\n", said.c_str());
    std::string out;
    bool first = true;
    const std::vector<velmora::CivilDate> dates = velmora::DatesFromOptions(options);
    // The days together: each date's sunrise and each element change is
    // searched once. A date without a day (one the zone's clock skips) says
    // why in its place, and the others go on; a single such date fails.
    velmora::HinduDays days(site.observer, *site.zone);
    velmora::SolarMonthCache solar(site.observer, *site.zone);  // the days share their sankrantis
    // The festivals of the dates, from the days asked for and the few either
    // side that the festivals' rules compare them with.
    std::vector<velmora::FestivalDay> festivals;
    if (!dates.empty()) {
        const velmora::CalendarDate from{dates.front().year, dates.front().month, dates.front().day};
        const velmora::CalendarDate to{dates.back().year, dates.back().month, dates.back().day};
        std::vector<velmora::HinduDay> around;
        const auto number = [](const velmora::CalendarDate& d) { return d.year * 10000 + d.month * 100 + d.day; };
        const velmora::CalendarDate last = velmora::AddDays(to, velmora::FestivalContextDays);
        for (velmora::CalendarDate date = velmora::AddDays(from, -velmora::FestivalContextDays);
             number(date) <= number(last); date = velmora::AddDays(date, 1)) {
            if (std::optional<velmora::HinduDay> day = days.Day(date.year, date.month, date.day)) {
                around.push_back(std::move(*day));
            }
        }
        festivals = velmora::FestivalsBetween(around, from, to, *site.zone);
    }
    for (const velmora::CivilDate& date : dates) {
        const std::optional<velmora::HinduDay> day = days.Day(date.year, date.month, date.day);
        if (!day) {
            const std::string trouble = days.Trouble(date.year, date.month, date.day);
            if (dates.size() == 1) {
                return Fail("no Hindu day for that date and place" + (trouble.empty() ? "" : ": " + trouble),
                            velmora::kExitFailure);
            }
            if (options.json) {
                out += velmora::DayTroubleJsonLine(date, trouble);
            } else {
                if (!first) out += '\n';
                out += velmora::DayTroubleText(date, trouble);
            }
            first = false;
            continue;
        }
        if (options.json) {
            out += velmora::DayJsonLine(*day, *site.zone, options.language, festivals, &solar);
        } else {
            if (!first) out += '\n';
            out += velmora::DayText(*day, *site.zone, options.language, festivals, &solar);
        }
        first = false;
    }
    if (!WriteAll(out)) return Fail(WriteFailure(), velmora::kExitFailure);
    return velmora::kExitResults;
}

// The place and zone of the calendar modes, as for the Hindu day of their
// first date (YYYY-MM-DD); the place taken is said on standard error.
velmora::DaySite SiteOn(const velmora::FriendlyOptions& options, const std::string& firstDate) {
    velmora::FriendlyOptions dayOptions = options;
    dayOptions.hinduDay = firstDate;
    std::unique_ptr<velmora::PlaceDirectory> places;
    if (!options.place.empty()) places = velmora::OpenPlaceDirectory();
    velmora::DaySite site = velmora::DaySiteFromOptions(dayOptions, places.get());
    if (!site.failure.empty()) return site;
    velmora::ClearUpperVectorState();  // after the gazetteer and the zone database, see VectorState.h
    for (const std::string& said : site.said) std::fprintf(stderr, "%s\n", said.c_str());
    return site;
}

// --month YYYY-MM and --year YYYY (--ics FILE | --json): the days of a month
// with their observances, or the year's observances.
int RunCalendarMode(const velmora::FriendlyOptions& options, bool wholeYear) {
    const int year = std::stoi(wholeYear ? options.year : options.calendarMonth.substr(0, 4));
    const int month = wholeYear ? 0 : std::stoi(options.calendarMonth.substr(5, 2));
    char first[16];
    std::snprintf(first, sizeof first, "%04d-%02d-01", year, wholeYear ? 1 : month);
    const velmora::DaySite site = SiteOn(options, first);
    if (!site.failure.empty()) return Fail(site.failure, site.status);
    // The place as asked for; typed coordinates name their zone too, so that
    // the calendar file of another zone has identifiers of its own.
    const std::string label = options.place.empty() ? options.lat + " " + options.lon : options.place;
    const std::string fileLabel = options.place.empty() ? label + " " + site.zone->Name() : label;

    const int count = wholeYear ? (velmora::DaysInMonth(year, 2) == 29 ? 366 : 365) : velmora::DaysInMonth(year, month);
    const velmora::CalendarSpan span =
        velmora::ComputeCalendarSpan({year, wholeYear ? 1 : month, 1}, count, site.observer, *site.zone);
    if (span.days.empty()) return Fail("no Hindu day for a date of that range and place", velmora::kExitFailure);
    // A date without a day (one the zone's clock skips) is named on standard
    // error; the month's text and JSON also carry it in its place.
    for (const velmora::DateTrouble& trouble : span.troubles) {
        std::fprintf(stderr, "velmora-report: note: %s\n", velmora::PrintableMessage(trouble.text).c_str());
    }
    std::string out;
    if (wholeYear && !options.ics.empty()) {
#ifdef VELMORA_HAVE_ICAL
        // The events' identifiers follow the place found, not the words
        // typed for it: "Bombay" and "Mumbai" give the same calendar.
        const std::string key = options.place.empty() ? std::string() : velmora::FoundPlaceKey(site.observer, *site.zone);
        const std::string failure = velmora::WriteICalendarFile(
            velmora::YearFeed(year, span, *site.zone, fileLabel, options.language, key), options.ics);
        if (!failure.empty()) return Fail(failure, velmora::kExitFailure);
        return velmora::kExitResults;
#else
        return Fail("--ics: this velmora-report was built without libical", velmora::kExitFailure);
#endif
    }
    if (wholeYear) {
        out = velmora::YearJson(year, span, *site.zone, fileLabel, options.language);
    } else if (options.json) {
        out = velmora::MonthJson(year, month, span, *site.zone, options.language);
    } else {
        out = velmora::MonthText(year, month, span, *site.zone, label, options.language);
    }
    if (!WriteAll(out)) return Fail(WriteFailure(), velmora::kExitFailure);
    return velmora::kExitResults;
}

// --festivals YYYY: the year's festivals, readable or as one JSON object.
int RunFestivalsMode(const velmora::FriendlyOptions& options) {
    const int year = std::stoi(options.festivals);
    const velmora::DaySite site = SiteOn(options, options.festivals + "-01-01");
    if (!site.failure.empty()) return Fail(site.failure, site.status);
    const std::string label = options.place.empty() ? options.lat + " " + options.lon : options.place;
    const std::vector<velmora::FestivalDay> festivals = velmora::FestivalsOfYear(year, site.observer, *site.zone);
    const std::vector<velmora::Eclipse> eclipses = velmora::EclipsesOfYear(year, site.observer, *site.zone);
    const std::string out =
        options.json
            ? velmora::FestivalsJson(year, festivals, eclipses, site.observer, *site.zone, label, options.language)
            : velmora::FestivalsText(year, festivals, eclipses, *site.zone, label, options.language);
    if (!WriteAll(out)) return Fail(WriteFailure(), velmora::kExitFailure);
    return velmora::kExitResults;
}

}  // namespace

int main(int argc, char** argv) {
    velmora::PrepareStandardStreams();
    std::ios::sync_with_stdio(false);

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(velmora::UsageText().c_str(), stderr);
        return velmora::kExitUsage;
    }
    auto parsed = velmora::ParseCommandLine(args);
    if (const auto* wrong = std::get_if<std::string>(&parsed)) return Fail(*wrong, velmora::kExitUsage);
    const auto& line = std::get<velmora::CommandLine>(parsed);

    switch (line.mode) {
        case velmora::CommandLine::Mode::Help:
            return WriteAll(velmora::UsageText()) ? velmora::kExitResults
                                                  : Fail(WriteFailure(), velmora::kExitFailure);
        case velmora::CommandLine::Mode::Version:
            return WriteAll("velmora-report " VELMORA_VERSION "\n") ? velmora::kExitResults
                                                     : Fail(WriteFailure(), velmora::kExitFailure);
        case velmora::CommandLine::Mode::JsonLines:
            return RunJsonLinesMode(line.file, line.options);
        case velmora::CommandLine::Mode::Day:
            return RunDayMode(line.options);
        case velmora::CommandLine::Mode::Month:
            return RunCalendarMode(line.options, false);
        case velmora::CommandLine::Mode::Year:
            return RunCalendarMode(line.options, true);
        case velmora::CommandLine::Mode::Festivals:
            return RunFestivalsMode(line.options);
        case velmora::CommandLine::Mode::Readable:
            break;
    }

    velmora::InputForm form;
    if (const auto wrong = velmora::FormFromOptions(line.options, form)) return Fail(*wrong, velmora::kExitUsage);
    if (!line.options.place.empty()) {
        const std::unique_ptr<velmora::PlaceDirectory> places = velmora::OpenPlaceDirectory();
        const velmora::PlaceOptionOutcome place = velmora::ApplyPlaceOption(line.options, places.get(), form);
        if (!place.failure.empty()) return Fail(place.failure, place.status);
        // On standard error, so that the results read the same as with the values typed.
        for (const std::string& said : place.said) std::fprintf(stderr, "%s\n", said.c_str());
    }
    velmora::CalculationState calculation;
    velmora::ResultsPage page;
    velmora::ClearUpperVectorState();  // whatever foreign code ran before, see VectorState.h
    if (const auto refusal = velmora::RunCalculation(form, calculation, page)) {
        return Fail(refusal->message, velmora::kExitRefused);
    }
    if (!line.options.pdf.empty()) return velmora::WritePdfOption(line.options, page, calculation.birth);
    std::string out;
    const velmora::NodeKind node = line.options.trueNode ? velmora::NodeKind::True : velmora::NodeKind::Mean;
    if (line.options.chart && line.options.json) {
        out = velmora::ResultsWithChartLine(page, velmora::ChartOf(calculation.birth, node)) + "\n";
    } else {
        out = velmora::ReadableReport(page, calculation.birth, line.options.language);
        if (line.options.chart) {
            if (const std::optional<velmora::BirthChart> chart = velmora::ChartOf(calculation.birth, node)) {
                // Appended piece by piece: g++ 12 at -O3 misreads `"\n" + std::string&&`
                // as an overlapping copy (-Werror=restrict) and stops the Release build.
                out += '\n';
                out += velmora::ChartPlainText(*chart, line.options.language);
            }
        }
    }
    if (!WriteAll(out)) return Fail(WriteFailure(), velmora::kExitFailure);
    return velmora::kExitResults;
}
