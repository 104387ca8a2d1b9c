// velmora-report over runs of dates: --days stays inside the dates --day
// takes; a date the zone skips (Apia, 30 December 2011) costs only that
// date; the month prints sunrise and sunset rounded to the minute (swetest
// 2.10 -rise for the rows) and an event after midnight with its own date;
// offsets before standard time keep their seconds.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "RunReportTool.h"
#include "places/lookup/SystemPlaces.h"

namespace velmora {
namespace {

using test::RunReportTool;
using test::ToolRun;
using Json = nlohmann::json;

bool HavePlaces() { return OpenPlaceDirectory() != nullptr; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string LineOf(const std::string& text, const std::string& start) {
    for (const std::string& line : Lines(text)) {
        if (line.rfind(start, 0) == 0) return line;
    }
    return {};
}

TEST(DayRangeTool, DaysStopAtTheLastDateTaken) {
    struct Row {
        const char* arguments;
        int status;
        int lines;  // JSON lines written
    };
    const Row rows[] = {
        {"--day 2050-12-31 --days 3660", 2, 0},
        {"--day 2050-12-31 --days 2", 2, 0},
        {"--day 2050-12-01 --days 32", 2, 0},
        {"--day 2050-12-30 --days 2", 0, 2},
        {"--day 2050-12-31 --days 1", 0, 1},
    };
    for (const Row& row : rows) {
        const ToolRun r =
            RunReportTool(std::string(row.arguments) + " --lat 28:36N --lon 77:13E --zone 5:30 --json");
        EXPECT_EQ(r.status, row.status) << row.arguments << ": " << r.err;
        EXPECT_EQ(static_cast<int>(Lines(r.out).size()), row.lines) << row.arguments;
        if (row.status == 2) EXPECT_NE(r.err.find("runs past 2050-12-31"), std::string::npos) << r.err;
    }
    const ToolRun refused = RunReportTool("--day 2050-12-31 --days 3660 --lat 28:36N --lon 77:13E --zone 5:30");
    EXPECT_NE(refused.err.find("at most 1 day from that date"), std::string::npos) << refused.err;
}

TEST(DayRangeTool, ASkippedDateCostsOnlyThatDate) {
    if (!HavePlaces()) GTEST_SKIP() << "built without the gazetteer";
    const ToolRun before = RunReportTool("--day 2011-12-29 --place Apia --json");
    ASSERT_EQ(before.status, 0) << before.err;
    const Json day = Json::parse(before.out);
    // swetest: the next sunrise is 30.12.2011 17:01:36.5 UT, 31 December 07:01:36 at +14:00.
    ASSERT_TRUE(day["next_sunrise"].is_string());
    EXPECT_EQ(day["next_sunrise"].get<std::string>().substr(0, 16), "2011-12-31T07:01");
    EXPECT_EQ(day["day_end"], day["next_sunrise"]);

    const ToolRun skipped = RunReportTool("--day 2011-12-30 --place Apia");
    EXPECT_EQ(skipped.status, 3);
    EXPECT_NE(skipped.err.find("2011-12-30 is not on this clock"), std::string::npos) << skipped.err;

    const ToolRun run = RunReportTool("--day 2011-12-28 --days 4 --place Apia --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Json::parse(lines[2])["date"], "2011-12-30");
    EXPECT_NE(Json::parse(lines[2])["trouble"].get<std::string>().find("skips it"), std::string::npos);
    EXPECT_EQ(Json::parse(lines[1])["day_end"], Json::parse(lines[3])["day_start"]);

    const ToolRun month = RunReportTool("--month 2011-12 --place Apia");
    ASSERT_EQ(month.status, 0) << month.err;
    int dates = 0;
    for (const std::string& line : Lines(month.out)) dates += line.rfind("2011-12-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(dates, 31);
    EXPECT_NE(LineOf(month.out, "2011-12-30").find("is not on this clock"), std::string::npos);
    EXPECT_NE(LineOf(month.out, "2011-12-31").find("07:02"), std::string::npos) << LineOf(month.out, "2011-12-31");

    const ToolRun year = RunReportTool("--year 2011 --json --place Apia");
    ASSERT_EQ(year.status, 0) << year.err;
    const Json j = Json::parse(year.out);
    ASSERT_EQ(j["troubles"].size(), 1u);
    EXPECT_EQ(j["troubles"][0]["date"], "2011-12-30");
    EXPECT_GT(j["observances"].size(), 90u);
}

// Pune's typed coordinates, May 2026. swetest -rise (UT, +5:30 for the clock):
// rises 2 May 00:36:56.3, 4 May 00:35:51.7, 6 May 00:34:50.5, 10 May
// 00:32:59.1; sets 3 May 13:26:47.6, 6 May 13:27:48.2, 9 May 13:28:51.0.
TEST(DayRangeTool, TheMonthRoundsToTheMinute) {
    const ToolRun r = RunReportTool("--month 2026-05 --lat 18:31N --lon 73:51E --zone 5:30");
    ASSERT_EQ(r.status, 0) << r.err;
    struct Row {
        const char* date;
        bool rise;
        const char* clock;
    };
    const Row rows[] = {
        {"2026-05-02", true, "06:07"}, {"2026-05-04", true, "06:06"},  {"2026-05-06", true, "06:05"},
        {"2026-05-10", true, "06:03"}, {"2026-05-03", false, "18:57"}, {"2026-05-06", false, "18:58"},
        {"2026-05-09", false, "18:59"},
    };
    for (const Row& row : rows) {
        const std::string line = LineOf(r.out, row.date);
        ASSERT_GE(line.size(), 29u) << row.date;
        EXPECT_EQ(line.substr(row.rise ? 17 : 24, 5), row.clock) << line;
    }
}

// The new moon of 16 May 2026 (20:01 UT, published) is 01:31 on 17 May in
// India: it belongs to the Hindu day of the 16th and is shown with its date.
TEST(DayRangeTool, AnEventAfterMidnightShowsItsDate) {
    const ToolRun r = RunReportTool("--month 2026-05 --lat 28:36N --lon 77:13E --zone 5:30");
    ASSERT_EQ(r.status, 0) << r.err;
    // The new moon of 17 May 01:31 belongs to the Hindu day of the 16th but
    // is on the 17th: it stands on the 17th's line, as every event stands on
    // the line of its own date (and in its month's lists).
    const std::string line = LineOf(r.out, "2026-05-17");
    const std::size_t at = line.find("new moon 01:3");
    ASSERT_NE(at, std::string::npos) << line;
    const int minute = std::stoi(line.substr(at + 12, 2));
    EXPECT_NEAR(minute, 31, 1) << line;
    EXPECT_EQ(LineOf(r.out, "2026-05-16").find("new moon"), std::string::npos);
}

// Before 1906 the zone database keeps Madras time for India, +05:21:10: the
// offsets show their seconds, and the clock readings are made with them.
TEST(DayRangeTool, OffsetsWithSeconds) {
    if (!HavePlaces()) GTEST_SKIP() << "built without the gazetteer";
    const ToolRun r = RunReportTool("--day 1902-03-01 --place \"New Delhi\" --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    const std::string sunrise = j["sunrise"].get<std::string>();
    EXPECT_EQ(sunrise.substr(19), "+05:21:10") << sunrise;
    const ToolRun text = RunReportTool("--day 1902-03-01 --place \"New Delhi\"");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(LineOf(text.out, "Sunrise").find(" +05:21:10"), std::string::npos) << text.out;
}

}  // namespace
}  // namespace velmora
