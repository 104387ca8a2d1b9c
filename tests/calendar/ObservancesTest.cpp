#include <gtest/gtest.h>

#include <cmath>

#include "calendar/CalendarEvents.h"
#include "calendar/Observances.h"

namespace velmora {
namespace {

// Days whose sunrise is at 01:00 UT (06:30 in India) of a JD day starting at
// 0h; tithis as (number, start, end) in days from that 0h.
constexpr double Base = 2461000.5;  // 2025-11-21 0h UT

ObservanceDay DayAt(int dayIndex, std::vector<TithiSpan> tithis) {
    ObservanceDay day;
    day.date = AddDays(CalendarDate{2025, 11, 21}, dayIndex);
    day.sunrise = Base + dayIndex + 1.0 / 24;
    day.nextSunrise = day.sunrise + 1;
    for (TithiSpan& span : tithis) {
        span.start += Base;
        span.end += Base;
    }
    day.tithis = std::move(tithis);
    return day;
}

TEST(UdayaTithi, IsTheTithiInForceAtSunriseEvenWhenItBeginsThatVeryMoment) {
    const ObservanceDay day = DayAt(0, {{10, -0.5, 1.0 / 24}, {11, 1.0 / 24, 1.2}});
    ASSERT_TRUE(UdayaTithi(day).has_value());
    EXPECT_EQ(UdayaTithi(day)->number, 11);
    const ObservanceDay before = DayAt(0, {{10, -0.5, 1.0 / 24 + 1e-6}, {11, 1.0 / 24 + 1e-6, 1.2}});
    EXPECT_EQ(UdayaTithi(before)->number, 10);
    EXPECT_FALSE(UdayaTithi(DayAt(0, {})).has_value());
}

TEST(Observances, TithiAtSunriseNamesTheDayAndOthersDoNot) {
    // Dashami at sunrise, Ekadashi from noon to the next day: the day is
    // Dashami's, no observance.
    const ObservanceDay day = DayAt(0, {{10, -0.3, 0.5}, {11, 0.5, 1.4}});
    EXPECT_TRUE(ObservancesOn(day, nullptr).empty());
    const ObservanceDay next = DayAt(1, {{11, 0.5, 1.4}, {12, 1.4, 2.3}});
    const auto found = ObservancesOn(next, &day);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].observance, Observance::ShuklaEkadashi);
    EXPECT_EQ(found[0].how, TithiOnDay::AtSunrise);
    EXPECT_TRUE(found[0].kept);
    EXPECT_EQ(found[0].date, (CalendarDate{2025, 11, 22}));
    EXPECT_DOUBLE_EQ(found[0].tithi.start, Base + 0.5);
}

TEST(Observances, KshayaTithiIsListedOnTheDayItFallsIn) {
    // Dashami at sunrise, Ekadashi from 0.3 to 0.9 (between the sunrises),
    // Dwadashi at the next sunrise.
    const ObservanceDay day = DayAt(0, {{10, -0.5, 0.3}, {11, 0.3, 0.9}, {12, 0.9, 1.8}});
    const auto found = ObservancesOn(day, nullptr);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].observance, Observance::ShuklaEkadashi);
    EXPECT_EQ(found[0].how, TithiOnDay::Kshaya);
    EXPECT_TRUE(found[0].kept);
    EXPECT_EQ(KshayaTithis(day).size(), 1u);
    // A tithi that reaches past the next sunrise is not lost.
    EXPECT_TRUE(KshayaTithis(DayAt(0, {{10, -0.5, 0.3}, {11, 0.3, 1.2}})).empty());
}

TEST(Observances, TithiHoldingTwoSunrisesIsKeptOnTheFirstDay) {
    // Krishna Ekadashi (26) from before the first sunrise past the second.
    std::vector<ObservanceDay> days = {
        DayAt(0, {{25, -0.8, 0.0}, {26, 0.0, 1.1}}),
        DayAt(1, {{26, 0.0, 1.1}, {27, 1.1, 2.2}}),
    };
    const auto found = ObservancesOf(days, false);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].date, (CalendarDate{2025, 11, 21}));
    EXPECT_TRUE(found[0].kept);
    EXPECT_EQ(found[1].date, (CalendarDate{2025, 11, 22}));
    EXPECT_FALSE(found[1].kept);
    EXPECT_EQ(found[1].observance, Observance::KrishnaEkadashi);
    // With the first day as context only, the second is still a continuation.
    const auto judged = ObservancesOf(days, true);
    ASSERT_EQ(judged.size(), 1u);
    EXPECT_FALSE(judged[0].kept);
}

TEST(Observances, EveryObservanceFollowsItsTithi) {
    const std::pair<int, Observance> expected[] = {
        {15, Observance::Purnima},           {30, Observance::Amavasya},
        {11, Observance::ShuklaEkadashi},    {26, Observance::KrishnaEkadashi},
        {4, Observance::VinayakaChaturthi},  {19, Observance::SankashtiChaturthi},
        {13, Observance::ShuklaPradosh},     {28, Observance::KrishnaPradosh}};
    for (const auto& [tithi, observance] : expected) {
        EXPECT_EQ(ObservanceOfTithi(tithi), observance) << tithi;
        EXPECT_EQ(TithiOfObservance(observance), tithi);
    }
    int named = 0;
    for (int tithi = -1; tithi <= 31; ++tithi) named += ObservanceOfTithi(tithi).has_value() ? 1 : 0;
    EXPECT_EQ(named, 8);
}

TEST(MoonPhases, EachNewAndFullMoonBelongsToOneDayOnly) {
    // Purnima ends at 0.6 (full moon), Amavasya's end falls on the next
    // sunrise itself: it belongs to the next day.
    const ObservanceDay first = DayAt(0, {{15, -0.2, 0.6}, {16, 0.6, 1.0 + 1.0 / 24}});
    const ObservanceDay second = DayAt(1, {{16, 0.6, 1.0 + 1.0 / 24}, {17, 1.0 + 1.0 / 24, 2.0}});
    const auto phases = MoonPhasesOn(first);
    ASSERT_EQ(phases.size(), 1u);
    EXPECT_EQ(phases[0].phase, MoonPhase::Full);
    EXPECT_DOUBLE_EQ(phases[0].moment, Base + 0.6);
    EXPECT_TRUE(MoonPhasesOn(second).empty());
    const ObservanceDay newMoon = DayAt(2, {{29, 1.5, 2.0 + 1.0 / 24}, {30, 2.0 + 1.0 / 24, 2.9}, {1, 2.9, 3.8}});
    ASSERT_EQ(MoonPhasesOn(newMoon).size(), 1u);
    EXPECT_EQ(MoonPhasesOn(newMoon)[0].phase, MoonPhase::New);
}

TEST(ObservanceTitles, UseTheProgramsTithiNamesWithTheEnglishBeside) {
    EXPECT_EQ(ObservanceTitle(Observance::ShuklaEkadashi), "Ekadasi (Shukla)");
    EXPECT_EQ(ObservanceTitle(Observance::KrishnaEkadashi), "Ekadasi (Krishna)");
    EXPECT_EQ(ObservanceTitle(Observance::Purnima), "Poornami – full moon");
    EXPECT_EQ(ObservanceTitle(Observance::Amavasya), "Ammavasai – new moon");
    EXPECT_EQ(ObservanceTitle(Observance::SankashtiChaturthi), "Chathurthi (Krishna) – Sankashti Chaturthi");
    EXPECT_EQ(ObservanceTitle(Observance::VinayakaChaturthi), "Chathurthi (Shukla) – Vinayaka Chaturthi");
    EXPECT_EQ(ObservanceTitle(Observance::KrishnaPradosh), "Triodasi (Krishna) – Pradosh");
}

TEST(UtcFromJulianDay, RoundsToTheSecondAcrossDayAndYearEnds) {
    EXPECT_EQ(UtcFromJulianDay(2451545.0), (UtcTime{2000, 1, 1, 12, 0, 0}));
    // 0.6 s before midnight stays on the day; 0.4 s rounds into the next year.
    EXPECT_EQ(UtcFromJulianDay(2451544.5 - 0.6 / 86400), (UtcTime{1999, 12, 31, 23, 59, 59}));
    EXPECT_EQ(UtcFromJulianDay(2451544.5 - 0.4 / 86400), (UtcTime{2000, 1, 1, 0, 0, 0}));
    EXPECT_EQ(UtcFromJulianDay(2415020.5), (UtcTime{1900, 1, 1, 0, 0, 0}));
    EXPECT_FALSE(UtcFromJulianDay(std::nan("")).has_value());
    EXPECT_FALSE(UtcFromJulianDay(1e300).has_value());
    EXPECT_FALSE(UtcFromJulianDay(-1e300).has_value());
}

TEST(CalendarDates, WeekdaysLengthsAndSteps) {
    EXPECT_EQ(WeekdayOf({2026, 12, 7}), 1);  // a Monday
    EXPECT_EQ(WeekdayOf({1901, 1, 1}), 2);   // a Tuesday
    EXPECT_EQ(WeekdayOf({2050, 12, 31}), 6); // a Saturday
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
    EXPECT_EQ(AddDays({2026, 12, 31}, 1), (CalendarDate{2027, 1, 1}));
    EXPECT_EQ(AddDays({2024, 3, 1}, -1), (CalendarDate{2024, 2, 29}));
}

TEST(CalendarEvents, OnlyKeptDaysBecomeEventsWithStableIdentifiers) {
    std::vector<ObservanceDay> days = {
        DayAt(0, {{25, -0.8, 0.0}, {26, 0.0, 1.1}}),
        DayAt(1, {{26, 0.0, 1.1}, {27, 1.1, 2.2}}),
    };
    const OffsetAt india = [](double) { return std::optional<int>(330); };
    const auto events = ObservanceEvents(ObservancesOf(days, false), {{"Makara", Base + 0.25}},
                                         {{MoonPhase::Full, Base + 1.5}}, "new-delhi", india);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].uid, "20251121-ekadashi-krishna-new-delhi@velmora");
    EXPECT_TRUE(events[0].allDay);
    EXPECT_EQ(events[0].summary, "Ekadasi (Krishna)");
    EXPECT_EQ(events[0].description,
              "Krishna Ekadashi. Tithi 26 from 2025-11-21 05:30:00 +05:30 to 2025-11-22 07:54:00 +05:30. "
              "In force at sunrise.");
    EXPECT_EQ(events[1].summary, "Makara Sankranti");
    EXPECT_EQ(events[1].moment, (UtcTime{2025, 11, 21, 6, 0, 0}));
    EXPECT_EQ(events[1].uid, "20251121-sankranti-makara-new-delhi@velmora");
    EXPECT_EQ(events[2].summary, "Full moon");
    EXPECT_EQ(events[2].uid, "20251122-full-moon-new-delhi@velmora");
}

TEST(Slug, KeepsLettersAndDigitsOnly) {
    EXPECT_EQ(Slug("New Delhi, India"), "new-delhi-india");
    EXPECT_EQ(Slug("  São Paulo -- 23.55S "), "s-o-paulo-23-55s");
    EXPECT_EQ(Slug(""), "");
}

}  // namespace
}  // namespace velmora
