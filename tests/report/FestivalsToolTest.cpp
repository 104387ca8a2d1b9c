// velmora-report --festivals YYYY and the festivals in --year, --month and
// --day: every key once, the same dates everywhere, the calendar file's
// festival events read back by python3-icalendar, and the refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>
#include <string>

#include "RunReportTool.h"
#include "festivals/FestivalRules.h"
#include "names/NameTables.h"
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

// Seconds since 2000-01-01 of "2026-03-03T17:03:48+05:30" (the clock less
// its offset); nothing for another shape.
std::optional<long long> UtcSeconds(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, oh = 0, om = 0;
    char sign = '+';
    if (text.size() != 25 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d", &y, &mo, &d, &h, &mi, &s, &sign, &oh, &om) != 9) {
        return std::nullopt;
    }
    // Days from civil (proleptic Gregorian), 2000-03-01 based.
    const int yy = mo <= 2 ? y - 1 : y;
    const int era = yy / 400;
    const int yoe = yy - era * 400;
    const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long days = era * 146097LL + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long offset = (sign == '-' ? -1 : 1) * (oh * 3600LL + om * 60LL);
    return days * 86400 + h * 3600LL + mi * 60LL + s - offset;
}

// The year's eclipses beside its festivals: every eclipse of the year once,
// dated by the place's clock, its greatest moment within a minute of the
// Swiss Ephemeris (swetest -solecl / -lunecl, UT; the same eclipses and
// times as the NASA canon's, whose TD times are these plus ΔT of 69 s), and
// whether the place sees it. A solar eclipse's "greatest" is the global
// one; London's local contacts of 2 August 2027 are swetest's -local ones.
TEST(FestivalsTool, EclipsesOfTheYearBesideTheFestivals) {
    struct Expected {
        const char* key;
        const char* date;         // the place's clock
        const char* greatestUtc;  // swetest, global greatest eclipse
        bool visible;
    };
    struct Case {
        const char* arguments;
        std::vector<Expected> eclipses;
    };
    const Case cases[] = {
        {"--festivals 2026 --lat 28:37N --lon 77:13E --zone 5:30 --json",
         {{"solar-annular", "2026-02-17", "2026-02-17T12:11:53+00:00", false},
          {"lunar-total", "2026-03-03", "2026-03-03T11:33:41+00:00", true},
          {"solar-total", "2026-08-12", "2026-08-12T17:45:59+00:00", false},
          {"lunar-partial", "2026-08-28", "2026-08-28T04:12:58+00:00", false}}},
        {"--festivals 2027 --lat 51:30N --lon 0:08W --zone 0:00 --json",
         {{"solar-annular", "2027-02-06", "2027-02-06T15:59:39+00:00", false},
          {"lunar-penumbral", "2027-02-20", "2027-02-20T23:12:53+00:00", true},
          {"lunar-penumbral", "2027-07-18", "2027-07-18T16:03:00+00:00", false},
          {"solar-total", "2027-08-02", "2027-08-02T10:06:41+00:00", true},
          {"lunar-penumbral", "2027-08-17", "2027-08-17T07:13:51+00:00", false}}},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunReportTool(c.arguments);
        ASSERT_EQ(run.status, 0) << c.arguments << ": " << run.err;
        const Json j = Json::parse(run.out);
        // The festivals' part is there as before, the eclipses after it.
        ASSERT_TRUE(j.contains("festivals"));
        EXPECT_EQ(DatesByKey(j["festivals"]).count("diwali"), 1u) << c.arguments;
        const Json& eclipses = j["eclipses"];
        ASSERT_EQ(eclipses.size(), c.eclipses.size()) << c.arguments;
        for (std::size_t i = 0; i < c.eclipses.size(); ++i) {
            const Expected& e = c.eclipses[i];
            const Json& got = eclipses[i];
            EXPECT_EQ(got["key"], e.key) << c.arguments << " #" << i;
            EXPECT_EQ(got["date"], e.date) << c.arguments << " #" << i;
            EXPECT_EQ(got["visible"], e.visible) << c.arguments << " " << e.date;
            const std::optional<long long> ours = UtcSeconds(got["greatest"].get<std::string>());
            const std::optional<long long> theirs = UtcSeconds(e.greatestUtc);
            ASSERT_TRUE(ours && theirs) << got["greatest"];
            EXPECT_LE(std::llabs(*ours - *theirs), 60) << c.arguments << " " << e.date << ": " << got["greatest"];
        }
    }

    // The readable table ends with the eclipses, London's partial solar
    // eclipse with its local contacts (swetest -local: 08:03:38, greatest
    // 09:00:09, 09:59:32 UT; magnitude 0.518).
    const ToolRun london = RunReportTool("--festivals 2027 --lat 51:30N --lon 0:08W --zone 0:00");
    ASSERT_EQ(london.status, 0) << london.err;
    const std::size_t at = london.out.find("\nEclipses\n");
    ASSERT_NE(at, std::string::npos) << london.out;
    EXPECT_LT(london.out.find("Bhai Dooj"), at);
    const std::string line = london.out.substr(london.out.find("2027-08-02  ", at));
    EXPECT_EQ(line.rfind("2027-08-02  Partial solar eclipse (Surya Grahan), visible: partial eclipse begins 08:0", 0), 0u)
        << line;
    for (const char* part : {"partial eclipse begins 08:03:", "… partial eclipse ends 09:59:", "greatest 09:00:"}) {
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
    }
    const ToolRun none = RunReportTool("--festivals 2026 --lat 28:37N --lon 77:13E --zone 5:30");
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_NE(none.out.find("\nEclipses\n2026-02-17  Annular solar eclipse (Surya Grahan), not visible from here"),
              std::string::npos)
        << none.out;
}

// --lang: the festivals' names, the headings and the eclipses in Hindi and
// Tamil (no word of English left but the zone), the JSON's keys and rules
// unchanged and its names from the festival table.
TEST(FestivalsTool, HindiAndTamil) {
    struct Case {
        const char* lang;
        const char* heading;
        const char* diwali;
        const char* eclipse;
    };
    const Case cases[] = {
        {"hi", "पर्व-त्योहार 2026 – 28:37N 77:13E (+05:30)\n", "2026-11-08  रवि   दीपावली (लक्ष्मी पूजा)\n",
         "2026-03-03  खग्रास चन्द्र ग्रहण, आंशिक रूप से दृश्य: मोक्ष (ग्रहण समाप्त) 18:47:"},
        {"ta", "பண்டிகைகள் 2026 – 28:37N 77:13E (+05:30)\n", "2026-11-08  ஞா    தீபாவளி (லட்சுமி பூஜை)\n",
         "2026-03-03  முழு சந்திர கிரகணம், ஓரளவு தெரியும்: மோட்சம் (கிரகண முடிவு) 18:47:"},
    };
    const ToolRun englishJson = RunReportTool("--festivals 2026 --lat 28:37N --lon 77:13E --zone 5:30 --json");
    ASSERT_EQ(englishJson.status, 0) << englishJson.err;
    const Json english = Json::parse(englishJson.out);
    for (const Case& c : cases) {
        const std::string base = std::string("--festivals 2026 --lat 28:37N --lon 77:13E --zone 5:30 --lang ") + c.lang;
        const ToolRun text = RunReportTool(base);
        ASSERT_EQ(text.status, 0) << text.err;
        EXPECT_EQ(text.out.rfind(c.heading, 0), 0u) << text.out;
        EXPECT_NE(text.out.find(c.diwali), std::string::npos) << text.out;
        EXPECT_NE(text.out.find(c.eclipse), std::string::npos) << text.out;
        for (std::size_t i = 0; i < text.out.size(); ++i) {
            const auto letter = [&](std::size_t k) {
                return k < text.out.size() && std::isalpha(static_cast<unsigned char>(text.out[k])) != 0;
            };
            if (letter(i) && letter(i + 1) && letter(i + 2)) {
                ADD_FAILURE() << c.lang << ": English left at " << text.out.substr(i, 40);
                break;
            }
        }
        const ToolRun json = RunReportTool(base + " --json");
        ASSERT_EQ(json.status, 0) << json.err;
        const Json j = Json::parse(json.out);
        ASSERT_EQ(j["festivals"].size(), english["festivals"].size());
        for (std::size_t i = 0; i < j["festivals"].size(); ++i) {
            const Json& f = j["festivals"][i];
            EXPECT_EQ(f["key"], english["festivals"][i]["key"]);
            EXPECT_EQ(f["rule"], english["festivals"][i]["rule"]);
            const NameRow* row = NameRowByKey(f["key"].get<std::string>());
            ASSERT_NE(row, nullptr) << f["key"];
            EXPECT_EQ(f["name"], std::string(row->In(*LanguageFromCode(c.lang)))) << f["key"];
        }
        EXPECT_EQ(j["eclipses"], english["eclipses"]);
    }
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
