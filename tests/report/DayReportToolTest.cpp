// velmora-report --day: the keys and shape of the JSON, the two ways to give
// the place, the clock on days the clocks change, and refusals. Rise and set
// times are checked against the Swiss Ephemeris (swetest 2.10, -rise, same
// place), to 30 s for the Sun and 60 s for the Moon.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

#include "RunReportTool.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::json;

// Seconds from "YYYY-MM-DDTHH:MM:SS+HH:MM" to a UT clock reading
// "YYYY-MM-DD HH:MM:SS.s" of the same or the next date (a test convenience:
// days counted within one month).
double SecondsOff(const Json& local, const std::string& utDate, double utSeconds) {
    const std::string t = local.get<std::string>();
    EXPECT_EQ(t.size(), 25u) << t;
    const int day = std::stoi(t.substr(8, 2));
    const int utDay = std::stoi(utDate.substr(8, 2));
    const double clock = std::stoi(t.substr(11, 2)) * 3600 + std::stoi(t.substr(14, 2)) * 60 + std::stoi(t.substr(17, 2));
    const double offset = (t[19] == '-' ? -1 : 1) * (std::stoi(t.substr(20, 2)) * 3600 + std::stoi(t.substr(23, 2)) * 60);
    return (day - utDay) * 86400.0 + clock - offset - utSeconds;
}

double Hms(int h, int m, double s) { return h * 3600 + m * 60 + s; }

bool HavePlaces() { return OpenPlaceDirectory() != nullptr; }

TEST(DayReportTool, PuneJsonHasTheDocumentedKeysInOrder) {
    if (!HavePlaces()) GTEST_SKIP() << "built without the gazetteer";
    const ToolRun r = RunReportTool("--day 2026-12-07 --place Pune --json");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << "one object on one line";
    const Json j = Json::parse(r.out);
    const std::vector<std::string> keys = {"date", "latitude", "longitude", "zone", "sunrise", "sunset", "next_sunrise",
                                           "moonrise", "moonset", "vara", "tithi", "nakshatra", "yoga", "karana",
                                           "rahu_kalam", "yamaganda", "gulika_kalam", "abhijit_muhurta",
                                           "brahma_muhurta", "masa", "shaka_year", "vikram_year", "sankranti"};
    for (const std::string& key : keys) EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_EQ(j["date"], "2026-12-07");
    EXPECT_EQ(j["zone"], "Asia/Kolkata");
    EXPECT_NEAR(j["latitude"].get<double>(), 18.52, 0.01);
    EXPECT_EQ(j["vara"]["number"], 2);
    EXPECT_EQ(j["masa"]["amanta"], "Kartika");
    EXPECT_EQ(j["masa"]["purnimanta"], "Margashirsha");
    EXPECT_EQ(j["masa"]["adhika"], false);
    EXPECT_EQ(j["shaka_year"], 1948);
    EXPECT_EQ(j["vikram_year"], 2083);
    EXPECT_TRUE(j["sankranti"].is_null());
    // swetest -b7.12.2026 -ut0 -rise -p0/-p1 -geopos73.8554,18.5196,0
    EXPECT_NEAR(SecondsOff(j["sunrise"], "2026-12-07", Hms(1, 24, 3.1)), 0, 30);
    EXPECT_NEAR(SecondsOff(j["sunset"], "2026-12-07", Hms(12, 27, 43.2)), 0, 30);
    EXPECT_NEAR(SecondsOff(j["next_sunrise"], "2026-12-07", Hms(24 + 1, 24, 39.3)), 0, 30);
    EXPECT_NEAR(SecondsOff(j["moonset"], "2026-12-07", Hms(11, 1, 40.5)), 0, 60);
    // Lists in time order, each covering the day from sunrise to the next.
    for (const char* list : {"tithi", "nakshatra", "yoga", "karana"}) {
        const Json& l = j[list];
        ASSERT_FALSE(l.empty()) << list;
        EXPECT_LE(l.front()["start"].get<std::string>(), j["sunrise"].get<std::string>()) << list;
        EXPECT_GE(l.back()["end"].get<std::string>(), j["next_sunrise"].get<std::string>()) << list;
        for (std::size_t i = 0; i < l.size(); ++i) {
            EXPECT_LT(l[i]["start"].get<std::string>(), l[i]["end"].get<std::string>());
            if (i > 0) EXPECT_EQ(l[i]["number"].get<int>(), l[i - 1]["number"].get<int>() % (list == std::string("karana") ? 60 : list == std::string("tithi") ? 30 : 27) + 1);
        }
    }
    // Krishna Chaturdashi then Amavasya, with their paksha.
    EXPECT_EQ(j["tithi"][0]["number"], 29);
    EXPECT_EQ(j["tithi"][0]["paksha"], "Krishna");
    EXPECT_EQ(j["tithi"][1]["number"], 30);
}

TEST(DayReportTool, TypedPlaceUsesOneOffsetAndTheEdgesOfTheYears) {
    // New Delhi, 28:36N 77:13E, zone 5:30; swetest -rise -geopos77.216667,28.6,0.
    const ToolRun first = RunReportTool("--day 1901-01-01 --lat 28:36N --lon 77:13E --zone 5:30 --json");
    ASSERT_EQ(first.status, 0) << first.err;
    const Json a = Json::parse(first.out);
    EXPECT_EQ(a["zone"], "+05:30");
    EXPECT_NEAR(SecondsOff(a["sunrise"], "1901-01-01", Hms(1, 44, 0.7)), 0, 30);
    EXPECT_NEAR(SecondsOff(a["sunset"], "1901-01-01", Hms(12, 5, 16.5)), 0, 30);
    EXPECT_NEAR(SecondsOff(a["moonrise"], "1901-01-01", Hms(8, 50, 15.6)), 0, 60);
    EXPECT_NEAR(SecondsOff(a["moonset"], "1901-01-01", Hms(-24 + 21, 48, 51.3)), 0, 60);  // 31.12.1900 21:48:51 UT
    EXPECT_FALSE(a["brahma_muhurta"].is_null());  // the night before lies in 1900

    const ToolRun last = RunReportTool("--day 2050-12-31 --lat 28:36N --lon 77:13E --zone 5:30 --json");
    ASSERT_EQ(last.status, 0) << last.err;
    const Json b = Json::parse(last.out);
    EXPECT_NEAR(SecondsOff(b["sunrise"], "2050-12-31", Hms(1, 43, 28.2)), 0, 30);
    EXPECT_NEAR(SecondsOff(b["sunset"], "2050-12-31", Hms(12, 4, 40.0)), 0, 30);
    EXPECT_EQ(b["next_sunrise"].get<std::string>().substr(0, 10), "2051-01-01");
    EXPECT_NEAR(SecondsOff(b["next_sunrise"], "2051-01-01", Hms(1, 43, 44.6)), 0, 30);
    EXPECT_NEAR(SecondsOff(b["moonrise"], "2050-12-31", Hms(15, 13, 4.5)), 0, 60);
    EXPECT_NEAR(SecondsOff(b["moonset"], "2050-12-31", Hms(3, 38, 37.8)), 0, 60);
    EXPECT_EQ(b["tithi"].back()["end"].get<std::string>().substr(0, 4), "2051");

    // --dst puts the clock an hour ahead; west of Greenwich the zone is behind.
    const ToolRun ny = RunReportTool("--day 2026-07-01 --lat 40:43N --lon 74:00W --zone 5:00 --dst --json");
    ASSERT_EQ(ny.status, 0) << ny.err;
    EXPECT_EQ(Json::parse(ny.out)["zone"], "-04:00");
}

// Clock changes in Berlin: 29 March 2026 has 23 hours, 25 October 25; each
// time is shown with the offset then in force. swetest -rise
// -geopos13.41053,52.52437,0 (the gazetteer's Berlin).
TEST(DayReportTool, DaysTheClocksChangeWithPlace) {
    if (!HavePlaces()) GTEST_SKIP() << "built without the gazetteer";
    const ToolRun spring = RunReportTool("--day 2026-03-29 --place Berlin --json");
    ASSERT_EQ(spring.status, 0) << spring.err;
    const Json s = Json::parse(spring.out);
    EXPECT_EQ(s["zone"], "Europe/Berlin");
    EXPECT_EQ(s["day_start"].get<std::string>().substr(19), "+02:00");
    EXPECT_NEAR(SecondsOff(s["sunrise"], "2026-03-29", Hms(4, 48, 5.2)), 0, 30);
    EXPECT_NEAR(SecondsOff(s["sunset"], "2026-03-29", Hms(17, 35, 12.7)), 0, 30);
    EXPECT_NEAR(SecondsOff(s["moonset"], "2026-03-29", Hms(3, 42, 57.9)), 0, 60);   // after the change: +02:00
    EXPECT_EQ(s["moonset"].get<std::string>().substr(19), "+02:00");
    EXPECT_NEAR(SecondsOff(s["moonrise"], "2026-03-29", Hms(13, 22, 5.4)), 0, 60);

    const ToolRun autumn = RunReportTool("--day 2026-10-25 --place Berlin --json");
    ASSERT_EQ(autumn.status, 0) << autumn.err;
    const Json a = Json::parse(autumn.out);
    EXPECT_NEAR(SecondsOff(a["sunrise"], "2026-10-25", Hms(5, 49, 42.9)), 0, 30);
    EXPECT_EQ(a["sunrise"].get<std::string>().substr(19), "+01:00");
    EXPECT_NEAR(SecondsOff(a["moonset"], "2026-10-25", Hms(4, 53, 52.7)), 0, 60);
    EXPECT_EQ(a["moonset"].get<std::string>().substr(19), "+01:00");
    // The elements before the change still show summer time.
    EXPECT_EQ(a["tithi"][0]["start"].get<std::string>().substr(19), "+02:00");
}

TEST(DayReportTool, NoSunriseIsNullWithANote) {
    const ToolRun r = RunReportTool("--day 2026-12-21 --lat 69:39N --lon 18:57E --zone 1:00 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_TRUE(j["sunrise"].is_null());
    EXPECT_TRUE(j["sunset"].is_null());
    EXPECT_TRUE(j["rahu_kalam"].is_null());
    ASSERT_TRUE(j["note"].is_string());
    EXPECT_NE(j["note"].get<std::string>().find("does not rise"), std::string::npos);
    const ToolRun text = RunReportTool("--day 2026-12-21 --lat 69:39N --lon 18:57E --zone 1:00");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Sunrise           does not rise"), std::string::npos) << text.out;
}

TEST(DayReportTool, ManyDaysInOneRun) {
    const ToolRun r = RunReportTool("--day 2026-12-30 --days 3 --lat 28:36N --lon 77:13E --zone 5:30 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_NE(r.out.find("\"date\":\"2027-01-01\""), std::string::npos);
    const ToolRun text = RunReportTool("--day 2026-12-07 --days 2 --lat 28:36N --lon 77:13E --zone 5:30");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Day               2026-12-08, Tuesday"), std::string::npos) << text.out;
}

TEST(DayReportTool, RefusesWhatDoesNotFit) {
    const char* wrong[] = {
        "--day 2026-12-07",                                             // no place
        "--day 2026-12-07 --lat 28:36N --lon 77:13E",                   // no zone
        "--day 2026-12-07 --place Pune --lat 28:36N",                   // both ways
        "--day 2026-12-07 --place Pune --time 10:30",                   // the moment's options
        "--day 2026-02-30 --lat 28:36N --lon 77:13E --zone 5:30",       // no such date
        "--day 2051-01-01 --lat 28:36N --lon 77:13E --zone 5:30",       // outside the years
        "--json --lat 28:36N --lon 77:13E --zone 5:30",                 // --json alone
        "--day 2026-12-07 --days 0 --lat 28:36N --lon 77:13E --zone 5:30",
        "--day 2026-12-07 --days 3661 --lat 28:36N --lon 77:13E --zone 5:30",
    };
    for (const char* args : wrong) {
        const ToolRun r = RunReportTool(args);
        EXPECT_EQ(r.status, 2) << args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
    }
    // The day of the month still works as before.
    EXPECT_EQ(RunReportTool("--name ASHA --day 15 --month 8 --year 1987 --time 10:30 --lat 28:36N --lon 77:13E "
                            "--zone 5:30").status,
              0);
}

}  // namespace
}  // namespace velmora
