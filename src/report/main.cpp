// velmora-report: the panchang calculation of Velmora from the command line,
// either one moment given as readable options, or a whole session of
// calculations as JSON Lines (one object of input control values per line, one
// answer per line).
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "input/CalculationDriver.h"
#include "report/FriendlyReport.h"
#include "report/ReportSession.h"
#include "shared/VectorState.h"

namespace {

constexpr const char* kDescription =
    "Computes the panchang (vara, nakshatra, tithi, yoga, karana) and the ayanamsa of one moment\n"
    "and place, like the Velmora window.\n"
    "\n"
    "Example:\n"
    "  velmora-report --name ASHA --date 1987-08-15 --time 10:30 --city \"New Delhi\" \\\n"
    "      --state Delhi --country India --lat 28:36N --lon 77:13E --zone 5:30\n"
    "\n"
    "With --jsonl it reads JSON Lines from FILE (or standard input when FILE is absent or -),\n"
    "one object of input control values per line, for example\n"
    "  {\"txtName\":\"ASHA\",\"cboMonth\":\"August\",\"cboDate\":\"15\",\"cboYear\":\"1987\",\n"
    "   \"cboHH\":\"10\",\"cboMM\":\"30\",\"txtLatD\":\"28\",\"txtLatM\":\"36\",\"txtLonD\":\"77\",\n"
    "   \"txtLonM\":\"13\",\"optLong\":\"East\",\"txtZoneHour\":\"5\",\"txtZoneMinute\":\"30\"}\n"
    "and writes one line for each: {\"results\":{…}}, {\"refused\":{\"message\":…,\"focus\":…}}\n"
    "or {\"error\":…}. The calculation state carries over from line to line. Exit status 0 when\n"
    "every line was read, 1 when any line was an error.";

std::string Text(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return parser.value(option).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("velmora-report");
    QCoreApplication::setApplicationVersion("1.15");

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption jsonl("jsonl", "Read JSON Lines from FILE or standard input.");
    const QCommandLineOption name("name", "The name (the window turns it into capitals as typed).", "NAME");
    const QCommandLineOption date("date", "The date, 1901-01-01 .. 2050-12-31.", "YYYY-MM-DD");
    const QCommandLineOption day("day", "The day of the month, instead of --date.", "1..31");
    const QCommandLineOption month("month", "The month, instead of --date.", "1..12|January..");
    const QCommandLineOption year("year", "The year, instead of --date.", "1901..2050");
    const QCommandLineOption time("time", "The local clock time.", "HH:MM");
    const QCommandLineOption city("city", "The city.", "CITY");
    const QCommandLineOption state("state", "The state.", "STATE");
    const QCommandLineOption country("country", "The country.", "COUNTRY");
    const QCommandLineOption lat("lat", "The latitude, e.g. 28:36N.", "DEG:MIN[N|S]");
    const QCommandLineOption lon("lon", "The longitude, e.g. 77:13E.", "DEG:MIN[E|W]");
    const QCommandLineOption zone("zone", "The time zone's size; its direction follows the longitude.",
                                  "HOURS[:MIN]");
    const QCommandLineOption dst("dst", "Daylight saving time is in force.");
    parser.addOptions({jsonl, name, date, day, month, year, time, city, state, country, lat, lon, zone, dst});
    parser.addPositionalArgument("FILE", "With --jsonl: the JSON Lines to read (default: standard input).",
                                 "[FILE]");
    parser.process(app);
    // The option parser hashes its option names and leaves the vector
    // registers dirty behind it (see VectorState.h).
    velmora::ClearUpperVectorState();

    const QStringList files = parser.positionalArguments();
    if (parser.isSet(jsonl)) {
        if (files.size() > 1) {
            std::fputs("velmora-report: --jsonl reads one FILE at most\n", stderr);
            return 1;
        }
        velmora::Session session;
        if (files.isEmpty() || files.front() == "-") {
            return velmora::RunJsonLines(std::cin, std::cout, session);
        }
        std::ifstream in(files.front().toStdString(), std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "velmora-report: cannot read %s\n", files.front().toLocal8Bit().constData());
            return 1;
        }
        return velmora::RunJsonLines(in, std::cout, session);
    }
    if (!files.isEmpty()) {
        std::fputs("velmora-report: a FILE is read only with --jsonl (see --help)\n", stderr);
        return 1;
    }

    velmora::FriendlyOptions options;
    options.name = Text(parser, name);
    options.date = Text(parser, date);
    options.day = Text(parser, day);
    options.month = Text(parser, month);
    options.year = Text(parser, year);
    options.time = Text(parser, time);
    options.city = Text(parser, city);
    options.state = Text(parser, state);
    options.country = Text(parser, country);
    options.lat = Text(parser, lat);
    options.lon = Text(parser, lon);
    options.zone = Text(parser, zone);
    options.dst = parser.isSet(dst);

    velmora::InputForm form;
    if (const auto wrong = velmora::FormFromOptions(options, form)) {
        std::fprintf(stderr, "velmora-report: %s (see --help)\n", wrong->c_str());
        return 1;
    }
    velmora::CalculationState calculation;
    velmora::ResultsPage page;
    if (const auto refusal = velmora::RunCalculation(form, calculation, page)) {
        std::fprintf(stderr, "velmora-report: %s\n", refusal->message.c_str());
        return 1;
    }
    std::cout << velmora::ReadableReport(page);
    return 0;
}
