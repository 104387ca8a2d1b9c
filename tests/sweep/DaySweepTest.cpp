// Every Hindu day of 1901-2050 at New Delhi, each computed on its own: the
// day ends at the very moment the next begins, each list's spans meet
// exactly, no list holds an element outside its day, and an element listed
// by two days has the same span in both.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "astronomy/Calendar.h"
#include "day/HinduDay.h"

namespace velmora {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kStepDays = 7;  // sanitized builds are slower: every 7th pair of days
#else
constexpr int kStepDays = 1;
#endif

struct ListProblems {
    int gaps = 0;          // consecutive spans that do not meet exactly
    int outside = 0;       // an element that does not overlap the day
    int uncovered = 0;     // the list does not reach from the day's start to its end
    int differentSpan = 0; // the same element with another span the next day
};

void CheckList(const std::vector<DayElement>& list, const HinduDay& day, ListProblems& p, const char* what) {
    if (list.empty() || list.front().startJdUt > day.startJdUt || list.back().endJdUt < day.endJdUt) {
        if (++p.uncovered <= 5) std::printf("  %s of %04d-%02d-%02d does not cover the day\n", what, day.year, day.month, day.day);
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!(list[i].startJdUt < day.endJdUt && list[i].endJdUt > day.startJdUt)) {
            if (++p.outside <= 5) std::printf("  %s %.*s lies outside %04d-%02d-%02d\n", what,
                                              static_cast<int>(list[i].name.size()), list[i].name.data(), day.year,
                                              day.month, day.day);
        }
        if (i > 0 && list[i].startJdUt != list[i - 1].endJdUt) ++p.gaps;
    }
}

void CheckCarriedOver(const std::vector<DayElement>& today, const std::vector<DayElement>& tomorrow, ListProblems& p) {
    if (today.empty() || tomorrow.empty()) return;
    const DayElement& last = today.back();
    const DayElement& first = tomorrow.front();
    // The element in force when one day ends is the one in force when the next begins.
    if (last.number != first.number || last.startJdUt != first.startJdUt || last.endJdUt != first.endJdUt) {
        ++p.differentSpan;
    }
}

TEST(DaySweep, EveryDayOf1901To2050AtNewDelhiMeetsTheNext) {
    const FixedZone ist(5.5);
    const Observer newDelhi{28.6139, 77.2090, 0};
    const double first = JulianDayFromDate(1, 1, 1901);
    const double last = JulianDayFromDate(12, 31, 2050);
    ListProblems problems;
    int days = 0;
    int unmet = 0;
    int missing = 0;
    // Each date's day is its own computation; with a step of one day the
    // day computed as "tomorrow" is the next pair's "today".
    std::optional<HinduDay> carried;
    const auto dayOf = [&](double jd0) {
        CalendarMoment c;
        if (!CalendarFromJulianDay(jd0 + 0.5, c)) return std::optional<HinduDay>();
        return ComputeHinduDay(static_cast<int>(c.year), static_cast<int>(c.month), static_cast<int>(c.day), newDelhi,
                               ist);
    };
    for (double jd = first; jd < last; jd += kStepDays) {
        CalendarMoment a;
        ASSERT_TRUE(CalendarFromJulianDay(jd + 0.5, a));
        const std::optional<HinduDay> today = kStepDays == 1 && carried ? carried : dayOf(jd);
        const std::optional<HinduDay> tomorrow = dayOf(jd + 1);
        carried = tomorrow;
        if (!today || !tomorrow) {
            ++missing;
            continue;
        }
        ++days;
        if (today->endJdUt != tomorrow->startJdUt || today->nextSunrise != tomorrow->sunrise) {
            if (++unmet <= 5) std::printf("  %04lld-%02lld-%02lld ends apart from the next day's start\n", a.year, a.month, a.day);
        }
        CheckList(today->tithi, *today, problems, "tithi");
        CheckList(today->nakshatra, *today, problems, "nakshatra");
        CheckList(today->yoga, *today, problems, "yoga");
        CheckList(today->karana, *today, problems, "karana");
        CheckCarriedOver(today->tithi, tomorrow->tithi, problems);
        CheckCarriedOver(today->nakshatra, tomorrow->nakshatra, problems);
        CheckCarriedOver(today->yoga, tomorrow->yoga, problems);
        CheckCarriedOver(today->karana, tomorrow->karana, problems);
    }
    std::printf("day sweep: %d days; %d unmet ends, %d gaps, %d outside, %d uncovered, %d carried with another span, %d missing\n",
                days, unmet, problems.gaps, problems.outside, problems.uncovered, problems.differentSpan, missing);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(unmet, 0);
    EXPECT_EQ(problems.gaps, 0);
    EXPECT_EQ(problems.outside, 0);
    EXPECT_EQ(problems.uncovered, 0);
    EXPECT_EQ(problems.differentSpan, 0);
    EXPECT_GT(days, 54000 / kStepDays);
}

}  // namespace
}  // namespace velmora
