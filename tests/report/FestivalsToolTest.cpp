// velmora-report --festivals YYYY and the festivals in --year, --month and
// --day: every key once, the same dates everywhere, the calendar file's
// festival events read back by python3-icalendar, and the refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "RunReportTool.h"
#include "festivals/FestivalRules.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::json;

bool HavePlaces() { return OpenPlaceDirectory() != nullptr; }

std::map<std::string, std::string> DatesByKey(const Json& festivals) {
    std::map<std::string, std::string> dates;
    for (const Json& f : festivals) dates[f["key"]] = f["date"];
    return dates;
}

TEST(FestivalsTool, YearListsEveryKeyWithItsDateAndRuleInEveryView) {
    if (!HavePlaces()) GTEST_SKIP() << "no gazetteer";
    const ToolRun run = RunReportTool("--festivals 2026 --place 'New Delhi' --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json j = Json::parse(run.out);
    EXPECT_EQ(j["year"], 2026);
    EXPECT_EQ(j["zone"], "Asia/Kolkata");
    const std::map<std::string, std::string> dates = DatesByKey(j["festivals"]);
    for (const FestivalRule& rule : FestivalRules()) {
        EXPECT_EQ(dates.count(std::string(rule.key)), 1u) << rule.key;
    }
    for (const Json& f : j["festivals"]) {
        EXPECT_FALSE(f["name"].get<std::string>().empty());
        EXPECT_FALSE(f["rule"].get<std::string>().empty()) << f["key"];
    }
    // The dates published for New Delhi (the central government's 2026 list).
    const std::pair<const char*, const char*> published[] = {
        {"holi", "2026-03-04"},         {"rama-navami", "2026-03-26"}, {"raksha-bandhan", "2026-08-28"},
        {"janmashtami", "2026-09-04"},  {"dussehra", "2026-10-20"},    {"diwali", "2026-11-08"},
        {"bhai-dooj", "2026-11-11"},    {"chhath-puja", "2026-11-15"}, {"kartika-purnima", "2026-11-24"},
    };
    for (const auto& [key, date] : published) EXPECT_EQ(dates.at(key), date) << key;
    for (const Json& f : j["festivals"]) {
        if (f["key"] == "janmashtami") EXPECT_EQ(f["rule"], "Ashtami (Krishna, amanta Shravana) holds nishita on 4 September");
    }

    // --year --json carries the same list; --month --json its month's part,
    // and each day its own festivals.
    const ToolRun year = RunReportTool("--year 2026 --place 'New Delhi' --json");
    ASSERT_EQ(year.status, 0) << year.err;
    EXPECT_EQ(Json::parse(year.out)["festivals"], j["festivals"]);
    const ToolRun month = RunReportTool("--month 2026-11 --place 'New Delhi' --json");
    ASSERT_EQ(month.status, 0) << month.err;
    const Json m = Json::parse(month.out);
    for (const Json& f : m["festivals"]) EXPECT_EQ(f["date"].get<std::string>().substr(0, 7), "2026-11");
    EXPECT_EQ(DatesByKey(m["festivals"]).at("govardhan-puja"), dates.at("govardhan-puja"));
    EXPECT_EQ(m["days"][7]["date"], "2026-11-08");
    Json diwaliDay = Json::array();
    diwaliDay.push_back(Json{{"key", "naraka-chaturdashi"}, {"name", "Naraka Chaturdashi"}});
    diwaliDay.push_back(Json{{"key", "diwali"}, {"name", "Diwali (Lakshmi Puja)"}});
    EXPECT_EQ(m["days"][7]["festivals"], diwaliDay);
    const ToolRun day = RunReportTool("--day 2026-11-08 --place 'New Delhi' --json");
    ASSERT_EQ(day.status, 0) << day.err;
    EXPECT_EQ(Json::parse(day.out), m["days"][7]);
    const ToolRun plainDay = RunReportTool("--day 2026-10-20 --place 'New Delhi'");
    EXPECT_NE(plainDay.out.find("Dussehra – Dashami (Shukla, amanta Ashwin) holds aparahna"), std::string::npos)
        << plainDay.out;
}

TEST(FestivalsTool, ReadableTableAndTypedCoordinates) {
    const ToolRun run = RunReportTool("--festivals 2025 --lat 28:36N --lon 77:13E --zone 5:30");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Festivals 2025 – 28:36N 77:13E (+05:30)\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("2025-10-20  Mon  Diwali (Lakshmi Puja)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2025-10-10  Fri  Karwa Chauth"), std::string::npos) << run.out;
}

TEST(FestivalsTool, CalendarFileHasTheFestivalsAsAllDayEventsWithTheirRule) {
    if (!HavePlaces()) GTEST_SKIP() << "no gazetteer";
    const auto folder = std::filesystem::temp_directory_path() / ("velmora-festivals-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "v.ics").string();
    ASSERT_EQ(RunReportTool("--year 2026 --place 'New Delhi' --ics '" + file + "'").status, 0);
    const std::string reader = (folder / "read.py").string();
    std::ofstream(reader) << "import icalendar,sys\n"
                             "cal=icalendar.Calendar.from_ical(open(sys.argv[1],'rb').read())\n"
                             "for e in cal.walk('VEVENT'):\n"
                             "  if str(e.get('CATEGORIES').cats[0])=='Festival':\n"
                             "    print(e.decoded('DTSTART'), str(e['UID']), str(e['DESCRIPTION']))\n";
    std::string out;
    if (FILE* pipe = ::popen(("/usr/bin/python3 '" + reader + "' '" + file + "'").c_str(), "r")) {
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    EXPECT_NE(out.find("2026-11-08 20261108-festival-diwali-28-6358n-77-2245e-asia-kolkata@velmora Diwali (Lakshmi Puja). Amavasya "
                       "(amanta Ashwin) holds pradosha on 8 November."),
              std::string::npos)
        << out;
    int lines = 0;
    for (const char c : out) lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, static_cast<int>(FestivalRules().size()));
    std::filesystem::remove_all(folder);
}

TEST(FestivalsTool, RefusesWhatTheModeDoesNotTake) {
    const std::pair<const char*, const char*> wrong[] = {
        {"--festivals 2026", "--festivals YYYY needs --place"},
        {"--festivals 1900 --place Pune", "expected a year from 1901 to 2050"},
        {"--festivals 2026 --place Pune --name ASHA", "--name does not go with --festivals YYYY"},
        {"--festivals 2026 --place Pune --lat 18:31N", "either --place or"},
    };
    for (const auto& [arguments, message] : wrong) {
        const ToolRun run = RunReportTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

}  // namespace
}  // namespace velmora
