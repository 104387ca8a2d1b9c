// Every month of 1901-2050 at New Delhi, as --month --json gives it, against
// its year's --year --json: each new and full moon, sankranti and eclipse is
// in the month of its own local date and in no other, the twelve months
// together hold exactly the year's events, and from one year to the next no
// new or full moon is lost (they alternate, 13 to 17 days apart).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "astronomy/Calendar.h"
#include "calendar/CalendarDays.h"
#include "report/CalendarReport.h"

namespace velmora {
namespace {

using Json = nlohmann::json;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kYearStep = 5;  // sanitized builds are slower: every 5th year, each with all its months
#else
constexpr int kYearStep = 1;
#endif

const Observer kNewDelhi{28.6139, 77.2090, 216};

// One event as a comparable line: its kind, what it is and its moment.
std::vector<std::string> Events(const Json& period) {
    std::vector<std::string> events;
    for (const Json& p : period["moon_phases"]) {
        events.push_back("phase " + p["phase"].get<std::string>() + " " + p["moment"].get<std::string>());
    }
    for (const Json& s : period["sankrantis"]) {
        events.push_back("sankranti " + s["sign"].get<std::string>() + " " + s["moment"].get<std::string>());
    }
    for (const Json& e : period["eclipses"]) events.push_back("eclipse " + e.dump());
    std::sort(events.begin(), events.end());
    return events;
}

// The local date ("YYYY-MM") an event's line carries.
std::string MonthOfEvent(const std::string& event) {
    if (event.rfind("eclipse ", 0) == 0) {
        const Json e = Json::parse(event.substr(8));
        return e["date"].is_string() ? e["date"].get<std::string>().substr(0, 7) : std::string();
    }
    return event.substr(event.rfind(' ') + 1, 7);
}

class MonthEventsSweep : public ::testing::TestWithParam<int> {};

TEST_P(MonthEventsSweep, MonthsTogetherHoldTheYearsEventsEachOnce) {
    const FixedZone zone(5.5);
    const int firstYear = GetParam();
    std::optional<double> lastPhaseJd;
    std::string lastPhase;
    int problems = 0;
    for (int year = firstYear; year < firstYear + 10; year += kYearStep) {
        const int days = DaysInMonth(year, 2) == 29 ? 366 : 365;
        const Json whole = Json::parse(YearJson(year, ComputeCalendarSpan({year, 1, 1}, days, kNewDelhi, zone), zone, "New Delhi"));
        std::vector<std::string> months;
        for (int month = 1; month <= 12; ++month) {
            const CalendarSpan span = ComputeCalendarSpan({year, month, 1}, DaysInMonth(year, month), kNewDelhi, zone);
            char name[8];
            std::snprintf(name, sizeof name, "%04d-%02d", year, month);
            for (const std::string& event : Events(Json::parse(MonthJson(year, month, span, zone)))) {
                if (MonthOfEvent(event) != name && ++problems <= 10) ADD_FAILURE() << name << " lists " << event;
                months.push_back(event);
            }
        }
        std::sort(months.begin(), months.end());
        const std::vector<std::string> expected = Events(whole);
        if (months != expected && ++problems <= 10) {
            std::vector<std::string> lost, extra;
            std::set_difference(expected.begin(), expected.end(), months.begin(), months.end(), std::back_inserter(lost));
            std::set_difference(months.begin(), months.end(), expected.begin(), expected.end(), std::back_inserter(extra));
            ADD_FAILURE() << year << ": " << lost.size() << " of the year's events in no month (first: "
                          << (lost.empty() ? "" : lost.front()) << "), " << extra.size()
                          << " in the months but not the year (first: " << (extra.empty() ? "" : extra.front()) << ")";
        }
        // The year's phases in order: new and full alternate, 13 to 17 days
        // apart, across the turn of the year too.
        for (const Json& p : whole["moon_phases"]) {
            const std::string utc = p["utc"].get<std::string>();
            int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
            ASSERT_EQ(std::sscanf(utc.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s), 6) << utc;
            const double jd = JulianDayFromDate(mo, d, y) + (h + (mi + s / 60.0) / 60) / 24;
            const std::string phase = p["phase"].get<std::string>();
            if (lastPhaseJd && (phase == lastPhase || jd - *lastPhaseJd < 13 || jd - *lastPhaseJd > 17) &&
                ++problems <= 10) {
                ADD_FAILURE() << "the " << phase << " moon of " << utc << " follows a " << lastPhase << " moon "
                              << jd - *lastPhaseJd << " days before";
            }
            lastPhaseJd = jd;
            lastPhase = phase;
        }
        if (kYearStep != 1) lastPhaseJd.reset();  // the next year checked does not follow this one
    }
    EXPECT_EQ(problems, 0);
}

INSTANTIATE_TEST_SUITE_P(Decades, MonthEventsSweep, ::testing::Range(1901, 2051, 10));

}  // namespace
}  // namespace velmora
