// velmora-report --month and --year: the month's days shaped like --day
// --json, the year's calendar file read by python3-icalendar, byte-for-byte
// repeatable files, and the refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "RunReportTool.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::ReadWholeFile;
using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::json;

bool HavePlaces() { return OpenPlaceDirectory() != nullptr; }

std::filesystem::path Scratch(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / ("velmora-calendar-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder / name;
}

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

TEST(CalendarReportTool, YearCalendarFileReadsBackWithPythonIcalendarTheSameEveryRun) {
    if (!HavePlaces()) GTEST_SKIP() << "no gazetteer";
    const std::string first = Scratch("v.ics").string();
    const std::string second = Scratch("v2.ics").string();
    const ToolRun run = RunReportTool("--year 2026 --place 'New Delhi' --ics '" + first + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(RunReportTool("--year 2026 --place 'New Delhi' --ics '" + second + "'").status, 0);
    EXPECT_EQ(ReadWholeFile(first), ReadWholeFile(second));
    EXPECT_NE(ReadWholeFile(first).find("X-WR-CALNAME:Velmora observances 2026 – New Delhi\r\n"), std::string::npos);
    // The calendar's name is written unescaped by libical: a place with a
    // comma goes in up to the comma.
    const std::string comma = Scratch("comma.ics").string();
    ASSERT_EQ(RunReportTool("--year 2026 --place 'Pune, Maharashtra' --ics '" + comma + "'").status, 0);
    EXPECT_NE(ReadWholeFile(comma).find("X-WR-CALNAME:Velmora observances 2026 – Pune\r\n"), std::string::npos);

    const std::string reader = Scratch("count.py").string();
    std::ofstream(reader) << "import icalendar,sys,collections\n"
                             "cal=icalendar.Calendar.from_ical(open(sys.argv[1],'rb').read())\n"
                             "ev=cal.walk('VEVENT')\n"
                             "s=[str(e['SUMMARY']) for e in ev]\n"
                             "timed=[e for e in ev if hasattr(e.decoded('DTSTART'),'hour')]\n"
                             "print(sum(x in ('Full moon','New moon') for x in s), sum(x.endswith(' Sankranti') for x in s),\n"
                             "      sum(x.startswith('Ekadasi (') for x in s), 'Makara Sankranti' in s,\n"
                             "      len(set(str(e['UID']) for e in ev))==len(ev), len(timed),\n"
                             "      all(e.decoded('DTSTART').utcoffset().total_seconds()==0 for e in timed),\n"
                             "      sorted(x for x in s if 'Grahan' in x))\n";
    const std::string counted = Output("/usr/bin/python3 '" + reader + "' '" + first + "'");
    // 13 full and 12 new moons, 12 sankrantis (and the all-day festival of Makar
    // Sankranti), 24 Ekadashis, 4 eclipses; the
    // moons, sankrantis and eclipses timed in UTC, everything else all-day.
    // Of 2026's eclipses New Delhi sees only the lunar one of 3 March.
    EXPECT_EQ(counted,
              "25 13 24 True True 41 True ['Annular solar eclipse (Surya Grahan) – not visible here', "
              "'Partial lunar eclipse (Chandra Grahan) – not visible here', 'Partial solar eclipse (Surya Grahan) "
              "– not visible here', 'Total lunar eclipse (Chandra Grahan)']\n");
    std::filesystem::remove_all(Scratch("").parent_path());
}

TEST(CalendarReportTool, MonthJsonListsEveryDateShapedLikeTheDayAndTheAdhikaMonth) {
    if (!HavePlaces()) GTEST_SKIP() << "no gazetteer";
    const ToolRun run = RunReportTool("--month 2026-05 --place Pune --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json month = Json::parse(run.out);
    EXPECT_EQ(month["month"], "2026-05");
    ASSERT_EQ(month["days"].size(), 31u);
    EXPECT_EQ(month["lunar_months"], Json::parse(R"(["Vaishakha","Adhika Jyeshtha"])"));
    EXPECT_EQ(month["days"][30]["masa"]["adhika"], true);
    EXPECT_EQ(month["days"][0]["date"], "2026-05-01");
    // A day of the month is exactly the --day --json object of that date.
    const ToolRun day = RunReportTool("--day 2026-05-13 --place Pune --json");
    ASSERT_EQ(day.status, 0);
    EXPECT_EQ(month["days"][12], Json::parse(day.out));
    bool ekadashi = false;
    for (const Json& entry : month["observances"]) {
        if (entry["date"] == "2026-05-13") {
            EXPECT_EQ(entry["title"], "Ekadasi (Krishna)");
            EXPECT_EQ(entry["tithi"]["number"], 26);
            EXPECT_EQ(entry["kept"], true);
            ekadashi = true;
        }
    }
    EXPECT_TRUE(ekadashi);
    EXPECT_EQ(month["sankrantis"].size(), 1u);
    EXPECT_EQ(month["sankrantis"][0]["sign"], "Vrishabha");
    EXPECT_EQ(month["moon_phases"].size(), 3u);  // full 1st and 31st, new 16th
}

TEST(CalendarReportTool, ReadableMonthAndYearJsonWithTypedCoordinates) {
    const ToolRun month = RunReportTool("--month 2026-06 --lat 18:31N --lon 73:51E --zone 5:30");
    ASSERT_EQ(month.status, 0) << month.err;
    std::istringstream lines(month.out);
    int dated = 0;
    for (std::string line; std::getline(lines, line);) dated += line.rfind("2026-06-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(dated, 30);
    EXPECT_NE(month.out.find("Lunar months: Adhika Jyeshtha – Jyeshtha (amanta)"), std::string::npos) << month.out;

    const ToolRun year = RunReportTool("--year 2026 --lat 28:36N --lon 77:13E --zone 5:30 --json");
    ASSERT_EQ(year.status, 0) << year.err;
    const Json j = Json::parse(year.out);
    EXPECT_EQ(j["moon_phases"].size(), 25u);
    EXPECT_EQ(j["sankrantis"].size(), 12u);
    EXPECT_EQ(j["sankrantis"][0]["title"], "Makara Sankranti");
    int ekadashis = 0;
    for (const Json& entry : j["observances"]) {
        ekadashis += entry["tithi"]["name"] == "Ekadasi" && entry["kept"] == true ? 1 : 0;
    }
    EXPECT_EQ(ekadashis, 24);
    // The year's eclipses, in date order, as seen from New Delhi (NASA's canon:
    // 17 Feb annular, 3 Mar total lunar, 12 Aug total solar, 28 Aug partial lunar).
    ASSERT_EQ(j["eclipses"].size(), 4u);
    EXPECT_EQ(j["eclipses"][1]["key"], "lunar-total");
    EXPECT_EQ(j["eclipses"][1]["date"], "2026-03-03");
    EXPECT_EQ(j["eclipses"][1]["visibility"], "visible in part");
    EXPECT_EQ(j["eclipses"][0]["magnitude"], nullptr) << "the annular eclipse misses India";
    EXPECT_EQ(j["eclipses"][2]["local_kind"], "solar-partial");
    EXPECT_FALSE(j["eclipses"][2]["visible"].get<bool>()) << "the Sun has set in India";
}

// An event between midnight and sunrise on the 1st belongs to that month,
// not the one before, though its Hindu day began on the last of the month:
// the new moon of 30 April 2022, 20:28 UT (USNO's table of phases; swetest
// puts the conjunction at 20:28:06 UT), 1 May 01:58 at New Delhi.
TEST(CalendarReportTool, NewMoonBeforeSunriseOnTheFirstIsInItsOwnMonth) {
    const std::string delhi = " --lat 28:36N --lon 77:13E --zone 5:30";
    const ToolRun april = RunReportTool("--month 2022-04" + delhi + " --json");
    const ToolRun may = RunReportTool("--month 2022-05" + delhi + " --json");
    ASSERT_EQ(april.status, 0) << april.err;
    ASSERT_EQ(may.status, 0) << may.err;
    const auto newMoons = [](const Json& month) {
        std::vector<std::string> found;
        for (const Json& p : month["moon_phases"]) {
            if (p["phase"] == "new") found.push_back(p["utc"].get<std::string>());
        }
        return found;
    };
    const std::vector<std::string> inMay = newMoons(Json::parse(may.out));
    const std::vector<std::string> inApril = newMoons(Json::parse(april.out));
    ASSERT_EQ(inMay.size(), 2u) << may.out;  // 1 May and 30 May
    ASSERT_EQ(inApril.size(), 1u) << april.out;  // 1 April only
    int minute = 0, second = 0;
    ASSERT_EQ(std::sscanf(inMay[0].c_str(), "2022-04-30T20:%d:%dZ", &minute, &second), 2) << inMay[0];
    EXPECT_NEAR(minute + second / 60.0, 28, 2) << inMay[0];
    EXPECT_EQ(inApril[0].substr(0, 10), "2022-04-01");
    EXPECT_EQ(Json::parse(may.out)["moon_phases"][0]["moment"].get<std::string>().substr(0, 13), "2022-05-01T01");

    // The readable months: on the line of 1 May, on no line of April.
    const auto lineOf = [](const std::string& text, const std::string& date) {
        const std::size_t at = text.find("\n" + date);
        return at == std::string::npos ? std::string() : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
    };
    const ToolRun readableMay = RunReportTool("--month 2022-05" + delhi);
    const ToolRun readableApril = RunReportTool("--month 2022-04" + delhi);
    ASSERT_EQ(readableMay.status, 0) << readableMay.err;
    EXPECT_NE(lineOf(readableMay.out, "2022-05-01").find("new moon 01:5"), std::string::npos) << readableMay.out;
    EXPECT_EQ(lineOf(readableApril.out, "2022-04-30").find("new moon"), std::string::npos) << readableApril.out;
    // (The wall almanac's grid below the table keeps each box's own day, sunrise
    // to sunrise, and may name 1 May in 30 April's box; the table's lines may not.)
    const std::string aprilTable = readableApril.out.substr(0, readableApril.out.find("\n+"));
    EXPECT_EQ(aprilTable.find("1 May"), std::string::npos) << readableApril.out;
}

TEST(CalendarReportTool, RefusesWhatTheModesDoNotTake) {
    const std::pair<const char*, const char*> wrong[] = {
        {"--month 2026-13 --place Pune", "--month \"2026-13\": expected YYYY-MM"},
        {"--month 1900-12 --place Pune", "expected YYYY-MM, 1901-01 to 2050-12"},
        {"--ics v.ics --place Pune", "--ics goes with --year YYYY"},
        {"--month 2026-05 --ics v.ics --place Pune", "--ics goes with --year YYYY"},
        {"--year 2026 --ics v.ics --json --place Pune", "not both"},
        {"--month 2026-05 --name ASHA --place Pune", "--name does not go with --month YYYY-MM"},
        {"--month 2026-05", "needs --place, or --lat, --lon and --zone"},
        {"--year 2026 --json --place Pune --lat 18:31N", "either --place or"},
    };
    for (const auto& [arguments, message] : wrong) {
        const ToolRun run = RunReportTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << arguments;
    }
    // A file that cannot be written: a message naming it, status 3, nothing left behind.
    const ToolRun run = RunReportTool("--year 2026 --lat 28:36N --lon 77:13E --zone 5:30 --ics /nonexistent/v.ics");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("cannot write /nonexistent/v.ics"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace velmora
