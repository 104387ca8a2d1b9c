// The good hours, the year's names and the solar calendars against published
// almanacs (each row names its source) and, for the rules' cut-offs, against
// the Swiss Ephemeris's sunrise and sunset (swetest 2.10, upper limb,
// standard refraction).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "AlmanacPlaces.h"
#include "astronomy/Calendar.h"
#include "calendar/CalendarDays.h"
#include "day/DayInFull.h"
#include "day/GoodHours.h"
#include "day/SolarCalendars.h"
#include "day/Tarabalam.h"
#include "day/YearName.h"
#include "names/NameTables.h"

namespace velmora {
namespace {

using namespace almanac_places;

double Ut(int y, int mo, int d, int h, int mi, double s) {
    return JulianDayFromDate(mo, d, y) + (h + mi / 60.0 + s / 3600) / 24;
}

// Minutes of the IST clock since the day's local midnight (a moment after the
// next midnight counts past 1440).
double IstMinutes(double jdUt, int y, int mo, int d) { return (jdUt - Ut(y, mo, d, 0, 0, 0)) * 1440 + 330; }

// "HH:MM" (or "HH:MM:SS") as minutes; a time earlier than `after` is on the
// next date.
double ClockMinutes(const std::string& hhmm, double after = 0) {
    double m = std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
    if (hhmm.size() >= 8) m += std::stoi(hhmm.substr(6, 2)) / 60.0;
    while (m + 1 < after) m += 1440;
    return m;
}

// A published minute is one the almanac rounded or cut: a minute each way.
constexpr double kToTheMinute = 1.0;

HinduDay DayAt(const Observer& place, int y, int m, int d) {
    const std::optional<HinduDay> day = ComputeHinduDay(y, m, d, place, kIst);
    EXPECT_TRUE(day) << y << "-" << m << "-" << d;
    return day ? *day : HinduDay{};
}

// Published part tables: the start of each part on the almanac's clock (the
// last entry the end of the last part), and the names where printed.
struct PublishedParts {
    const char* source;
    const Observer* place;
    int y, m, d;
    std::vector<std::string> times;  // 9 for choghadiya halves, 13 for hora halves
    std::vector<std::string> names;  // empty when not printed
};

// A half of the day (`night` or not) cut by the rule between two moments.
using HalfRule = std::vector<NamedSpan> (*)(double from, double to, bool night, int vara);

// Two checks. The rule: cut between the almanac's own first and last moments
// (its sunrise and sunset), every boundary and name is the almanac's to the
// minute. The whole day: with the program's own sunrise and sunset every
// boundary lies within `ownTolerance` minutes (the almanacs' sunrises differ
// from the Swiss Ephemeris's by a minute or two: other coordinates, other
// refraction).
void ExpectParts(const PublishedParts& p, bool night, HalfRule rule, const std::vector<NamedSpan>& own,
                 const std::vector<std::string>& ownNames, double ownTolerance) {
    SCOPED_TRACE(p.source);
    std::vector<double> published;
    double after = 0;
    for (const std::string& t : p.times) published.push_back(after = ClockMinutes(t, after));
    const double base = Ut(p.y, p.m, p.d, 0, 0, 0) - 5.5 / 24;
    const int vara = DayAt(*p.place, p.y, p.m, p.d).vara;
    const std::vector<NamedSpan> ruled =
        rule(base + published.front() / 1440, base + published.back() / 1440, night, vara);
    ASSERT_EQ(ruled.size() + 1, published.size());
    ASSERT_EQ(own.size() + 1, published.size());
    double worst = 0;
    for (std::size_t i = 0; i < published.size(); ++i) {
        const double r = IstMinutes(i < ruled.size() ? ruled[i].startJdUt : ruled.back().endJdUt, p.y, p.m, p.d);
        const double o = IstMinutes(i < own.size() ? own[i].startJdUt : own.back().endJdUt, p.y, p.m, p.d);
        EXPECT_NEAR(r, published[i], kToTheMinute) << "rule, part " << i + 1 << " " << p.times[i];
        EXPECT_NEAR(o, published[i], ownTolerance) << "own sunrise, part " << i + 1 << " " << p.times[i];
        worst = std::max(worst, std::fabs(o - published[i]));
    }
    for (std::size_t i = 0; i < ruled.size(); ++i) EXPECT_EQ(ruled[i].key, own[i].key);
    if (!p.names.empty()) {
        EXPECT_EQ(ownNames, p.names);
    }
    std::printf("  %s: worst %.2f min with the program's own sunrise and sunset\n", p.source, worst);
}

std::vector<std::string> Names(const std::vector<NamedSpan>& spans, int table) {
    std::vector<std::string> out;
    for (const NamedSpan& s : spans) {
        const auto k = static_cast<std::size_t>(s.key);
        out.emplace_back(table == 0 ? ChoghadiyaNames[k] : table == 1 ? PlanetNames[k] : GowriNames[k]);
    }
    return out;
}

TEST(GoodHours, ChoghadiyaMatchesPublishedNewDelhiTables) {
    const std::vector<PublishedParts> day = {
        {"mypandit.com Choghadiya for Delhi, 2025-05-29 (day)", &kNewDelhi, 2025, 5, 29,
         {"05:23", "07:06", "08:50", "10:34", "12:18", "14:02", "15:46", "17:30", "19:13"}, {}},
        {"birthastro.com Choghadiya, Delhi, 2022-09-26 (day)", &kNewDelhi, 2022, 9, 26,
         {"06:11:00", "07:41:30", "09:12:00", "10:42:30", "12:13:00", "13:43:30", "15:14:00", "16:44:30", "18:15:00"},
         {"Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit"}},
        {"mpanchang.com Choghadiya, New Delhi, 2021-02-10 (day)", &kNewDelhi, 2021, 2, 10,
         {"07:06", "08:28", "09:50", "11:12", "12:34", "13:56", "15:18", "16:40", "18:02"},
         {"Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh"}},
    };
    const std::vector<PublishedParts> night = {
        {"mypandit.com Choghadiya for Delhi, 2025-05-29 (night)", &kNewDelhi, 2025, 5, 29,
         {"19:14", "20:30", "21:46", "23:02", "00:18", "01:34", "02:50", "04:06", "05:22"}, {}},
        {"birthastro.com Choghadiya, Delhi, 2022-09-26 (night)", &kNewDelhi, 2022, 9, 26,
         {"18:15:00", "19:44:30", "21:14:00", "22:43:30", "00:13:00", "01:42:30", "03:12:00", "04:41:30", "06:11:00"},
         {"Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char"}},
        {"mpanchang.com Choghadiya, New Delhi, 2021-02-10 (night)", &kNewDelhi, 2021, 2, 10,
         {"18:02", "19:40", "21:18", "22:56", "00:34", "02:12", "03:50", "05:28", "07:05"}, {}},
    };
    const HalfRule rule = [](double from, double to, bool n, int vara) {
        return n ? ChoghadiyaOf(from - 0.5, from, to, vara).night : ChoghadiyaOf(from, to, to + 0.5, vara).day;
    };
    // mpanchang.com's sunset runs five minutes ahead of the ephemeris's (its
    // 18:02 against 18:07:36 from swetest): its table checks the rule only.
    const double own[] = {2.5, 2.5, 6.0};
    for (std::size_t i = 0; i < day.size(); ++i) {
        const HinduDay d = DayAt(*day[i].place, day[i].y, day[i].m, day[i].d);
        const DayAndNight c = ChoghadiyaOf(d.sunrise, d.sunset, d.nextSunrise, d.vara);
        ExpectParts(day[i], false, rule, c.day, Names(c.day, 0), own[i]);
        ExpectParts(night[i], true, rule, c.night, Names(c.night, 0), own[i]);
    }
}

TEST(GoodHours, HoraMatchesPublishedChennaiTables) {
    const std::vector<std::string> friday = {"Venus",  "Mercury", "Moon", "Saturn", "Jupiter", "Mars",
                                             "Sun",    "Venus",   "Mercury", "Moon", "Saturn", "Jupiter"};
    const std::vector<std::string> fridayNight = {"Mars",  "Sun",    "Venus",   "Mercury", "Moon",  "Saturn",
                                                  "Jupiter", "Mars", "Sun",     "Venus",   "Mercury", "Moon"};
    const std::vector<std::pair<PublishedParts, PublishedParts>> tables = {
        {{"dailycalendar.in Tamil Nadu Hora Table, Chennai, 2025-12-26 (day)", &kChennai, 2025, 12, 26,
          {"06:28", "07:25", "08:22", "09:18", "10:15", "11:12", "12:09", "13:06", "14:03", "14:59", "15:56", "16:53",
           "17:50"},
          friday},
         {"dailycalendar.in Tamil Nadu Hora Table, Chennai, 2025-12-26 (night)", &kChennai, 2025, 12, 26,
          {"17:50", "18:53", "19:56", "20:59", "22:03", "23:06", "00:09", "01:12", "02:15", "03:18", "04:22", "05:25",
           "06:28"},
          fridayNight}},
        {{"dailycalendar.in Tamil Nadu Hora Table, Chennai, 2026-01-23 (day)", &kChennai, 2026, 1, 23,
          {"06:35", "07:33", "08:30", "09:28", "10:25", "11:23", "12:20", "13:18", "14:15", "15:13", "16:10", "17:08",
           "18:05"},
          friday},
         {"dailycalendar.in Tamil Nadu Hora Table, Chennai, 2026-01-23 (night)", &kChennai, 2026, 1, 23,
          {"18:05", "19:08", "20:10", "21:13", "22:15", "23:18", "00:20", "01:23", "02:25", "03:28", "04:30", "05:33",
           "06:35"},
          fridayNight}},
    };
    const HalfRule rule = [](double from, double to, bool n, int vara) {
        return n ? HorasOf(from - 0.5, from, to, vara).night : HorasOf(from, to, to + 0.5, vara).day;
    };
    for (const auto& [day, night] : tables) {
        const HinduDay d = DayAt(*day.place, day.y, day.m, day.d);
        const DayAndNight h = HorasOf(d.sunrise, d.sunset, d.nextSunrise, d.vara);
        ExpectParts(day, false, rule, h.day, Names(h.day, 1), 2.0);
        ExpectParts(night, true, rule, h.night, Names(h.night, 1), 2.0);
    }
}

// The printed weekday tables for a 06:00 to 18:00 day and night: the
// choghadiya of a Monday (bestastroguru.com "Monday Chaughadia"), and the
// 25th hour, which must be the next weekday's lord for every weekday.
TEST(GoodHours, SixToSixTablesAndTheWeekdayCycle) {
    const double rise = Ut(2026, 1, 5, 6, 0, 0), set = Ut(2026, 1, 5, 18, 0, 0), next = Ut(2026, 1, 6, 6, 0, 0);
    const DayAndNight monday = ChoghadiyaOf(rise, set, next, 2);
    EXPECT_EQ(Names(monday.day, 0),
              (std::vector<std::string>{"Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit"}));
    EXPECT_EQ(Names(monday.night, 0),
              (std::vector<std::string>{"Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char"}));
    for (int vara = 1; vara <= 7; ++vara) {
        const DayAndNight h = HorasOf(rise, set, next, vara);
        ASSERT_EQ(h.day.size(), 12u);
        ASSERT_EQ(h.night.size(), 12u);
        EXPECT_EQ(h.day.front().key, vara - 1);
        // The hour after the 24th begins the next day with its own lord.
        const int after = ChaldeanOrder[static_cast<std::size_t>(
            (std::find(ChaldeanOrder.begin(), ChaldeanOrder.end(), h.night.back().key) - ChaldeanOrder.begin() + 1) % 7)];
        EXPECT_EQ(after, vara % 7) << vara;
        const DayAndNight g = GowriOf(rise, set, next, vara);
        // Each of the eight Gowri names once by day and once by night.
        for (const auto* half : {&g.day, &g.night}) {
            std::vector<int> seen(8, 0);
            for (const NamedSpan& s : *half) ++seen[static_cast<std::size_t>(s.key)];
            EXPECT_EQ(seen, std::vector<int>(8, 1)) << vara;
        }
        // The parts cover each half without gap.
        EXPECT_DOUBLE_EQ(g.day.back().endJdUt, set);
        EXPECT_DOUBLE_EQ(g.night.front().startJdUt, set);
        EXPECT_NEAR((g.night.back().endJdUt - next) * 86400, 0, 1e-3);
    }
    // Sunday's Gowri row as the Tamil sheet calendars print it.
    EXPECT_EQ(Names(GowriOf(rise, set, next, 1).day, 2),
              (std::vector<std::string>{"Uthi", "Amirtham", "Rogam", "Labam", "Dhanam", "Sugam", "Soram", "Visham"}));
    // Missing moments: no made-up parts; a weekday out of range: nothing.
    EXPECT_TRUE(ChoghadiyaOf(rise, std::nullopt, next, 2).day.empty());
    EXPECT_TRUE(ChoghadiyaOf(rise, std::nullopt, next, 2).night.empty());
    EXPECT_TRUE(HorasOf(rise, set, next, 0).day.empty());
    EXPECT_TRUE(GowriOf(rise, set, next, 8).night.empty());
    EXPECT_TRUE(DurmuhurtaOf(rise, set, next, 9).empty());
    EXPECT_TRUE(ChoghadiyaOf(set, rise, next, 2).day.empty());  // a sunset before the sunrise
}

// Durmuhurta: Drik Panchang's Bengali daily panjika for New Delhi,
// 2022-01-26 (a Wednesday: the 8th muhurta), and the weekday table against a
// 06:00 to 18:00 day (a muhurta of 48 minutes) and night.
TEST(GoodHours, DurmuhurtaMatchesPublishedValues) {
    const HinduDay d = DayAt(kNewDelhi, 2022, 1, 26);
    const std::vector<DaySpan> dur = DurmuhurtaOf(d.sunrise, d.sunset, d.nextSunrise, d.vara);
    ASSERT_EQ(dur.size(), 1u);
    EXPECT_NEAR(IstMinutes(dur[0].startJdUt, 2022, 1, 26), ClockMinutes("12:12"), kToTheMinute);
    EXPECT_NEAR(IstMinutes(dur[0].endJdUt, 2022, 1, 26), ClockMinutes("12:55"), kToTheMinute);

    const double rise = Ut(2026, 1, 5, 6, 0, 0), set = Ut(2026, 1, 5, 18, 0, 0), next = Ut(2026, 1, 6, 6, 0, 0);
    const std::vector<std::vector<std::string>> printed = {
        {"16:24"}, {"12:24", "14:48"}, {"08:24", "22:48"}, {"11:36"}, {"10:00", "14:48"}, {"08:24", "12:24"},
        {"06:00", "06:48"}};
    for (int vara = 1; vara <= 7; ++vara) {
        const std::vector<DaySpan> spans = DurmuhurtaOf(rise, set, next, vara);
        ASSERT_EQ(spans.size(), printed[static_cast<std::size_t>(vara - 1)].size()) << vara;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EXPECT_NEAR((spans[i].startJdUt - Ut(2026, 1, 5, 0, 0, 0)) * 1440,
                        ClockMinutes(printed[static_cast<std::size_t>(vara - 1)][i]), 1e-6)
                << vara;
            EXPECT_NEAR((spans[i].endJdUt - spans[i].startJdUt) * 1440, 48, 1e-6);
        }
    }
}

// Amrit kalam of Drik Panchang's Bengali daily panjika, New Delhi: within two
// minutes (the nakshatra spans under it come from a different ephemeris).
TEST(GoodHours, AmritKalamWithinTwoMinutesOfPublishedValues) {
    struct Row {
        int y, m, d;
        const char* start;
        const char* end;
    };
    const Row rows[] = {
        {2025, 11, 22, "06:56", "08:43"},
        {2022, 1, 24, "04:36", "06:11"},  // of Jan 25, before the day's end at sunrise
        {2022, 1, 26, "00:31", "02:02"},  // of Jan 27
        {2020, 12, 31, "17:20", "18:59"},
    };
    for (const Row& r : rows) {
        const HinduDay d = DayAt(kNewDelhi, r.y, r.m, r.d);
        const std::vector<NamedSpan> amrit = AmritKalamOf(d.nakshatra, d.startJdUt, d.endJdUt);
        const double start = ClockMinutes(r.start, IstMinutes(d.startJdUt, r.y, r.m, r.d));
        const double end = ClockMinutes(r.end, start);
        bool found = false;
        for (const NamedSpan& s : amrit) {
            if (std::fabs(IstMinutes(s.startJdUt, r.y, r.m, r.d) - start) > 30) continue;
            found = true;
            EXPECT_NEAR(IstMinutes(s.startJdUt, r.y, r.m, r.d), start, 2.0) << r.y << "-" << r.m << "-" << r.d;
            EXPECT_NEAR(IstMinutes(s.endJdUt, r.y, r.m, r.d), end, 2.0) << r.y << "-" << r.m << "-" << r.d;
        }
        EXPECT_TRUE(found) << r.y << "-" << r.m << "-" << r.d;
    }
}

// Varjyam and amrit kalam are each nakshatra's table ghati scaled to its
// length: a 60-hour nakshatra makes a ghati an hour. A nakshatra wholly
// inside the day gives one of each (Mula two varjyams), one outside none.
TEST(GoodHours, VarjyamScalesTheTableToTheNakshatrasLength) {
    const double t0 = Ut(2026, 1, 5, 0, 0, 0);
    const double h = 1.0 / 24;
    const std::vector<DayElement> one = {{1, "Ashwini", t0, t0 + 60 * h, t0}};
    const std::vector<NamedSpan> v = VarjyamOf(one, t0, t0 + 60 * h);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_NEAR((v[0].startJdUt - t0) / h, 50, 1e-6);
    EXPECT_NEAR((v[0].endJdUt - t0) / h, 54, 1e-6);
    const std::vector<NamedSpan> a = AmritKalamOf(one, t0, t0 + 60 * h);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_NEAR((a[0].startJdUt - t0) / h, 42, 1e-6);
    EXPECT_TRUE(VarjyamOf(one, t0, t0 + 49 * h).empty());  // the day ends before it
    const std::vector<DayElement> mula = {{19, "Moola", t0, t0 + 30 * h, t0}};
    const std::vector<NamedSpan> two = VarjyamOf(mula, t0, t0 + 30 * h);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_NEAR((two[0].startJdUt - t0) / h, 10, 1e-6);
    EXPECT_NEAR((two[1].startJdUt - t0) / h, 28, 1e-6);
    const std::vector<DayElement> bad = {{0, "", t0, t0 + h, t0}, {28, "", t0, t0 + h, t0}, {5, "", t0, t0, t0}};
    EXPECT_TRUE(VarjyamOf(bad, t0, t0 + h).empty());
}

// Panchak 2026: the Moon enters Kumbha (sidereal 300°) on 2026-01-20 at
// 20:05:30 UT and leaves Meena on 2026-01-25 at 08:05:40 UT (swetest -sid1
// -p1, Lahiri); the panchang's own Moon and ayanamsa agree within minutes.
TEST(GoodHours, PanchakSpansKumbhaAndMeena) {
    const HinduDay in = DayAt(kNewDelhi, 2026, 1, 23);
    const std::optional<DaySpan> p = PanchakOf(in.nakshatra, in.startJdUt, in.endJdUt);
    ASSERT_TRUE(p);
    EXPECT_NEAR((p->startJdUt - Ut(2026, 1, 20, 20, 5, 30)) * 1440, 0, 10);
    EXPECT_NEAR((p->endJdUt - Ut(2026, 1, 25, 8, 5, 40)) * 1440, 0, 10);
    const HinduDay out = DayAt(kNewDelhi, 2026, 1, 10);
    EXPECT_FALSE(PanchakOf(out.nakshatra, out.startJdUt, out.endJdUt));
}

TEST(YearName, SamvatsaraBothConventionsMatchPublishedAlmanacs) {
    // South (Shaka, from Ugadi): Drik Panchang's daily panjika for 2020-12-31
    // (1942 Sharvari), 2022-01-24 (1943 Plava) and 2025-11-22 (1947
    // Vishvavasu); 2008 Sarvadhari and 2009 Virodhi (anilreddy12001's Ugadi
    // post), and the next two of the cycle for Ugadi 2026 and 2027. North
    // (Vikram): Drik Panchang for 2077 Pramadi and 2078 Ananda, the Hindi
    // almanacs' names reported for 2082 Siddharthi (abplive.com) and 2083
    // Raudra (zeenews.india.com, 2026-02-24). (Drik Panchang prints 2082
    // as Kalayukta, the Jupiter year current at its first day, and
    // astrosage.com 2084 as Raudra: both keep the plain offset.)
    struct Row {
        int shaka, vikram;
        const char* south;
        const char* north;
    };
    const Row rows[] = {{1930, 2065, "Sarvadhari", nullptr}, {1931, 2066, "Virodhi", nullptr},
                        {1942, 2077, "Sharvari", "Pramadi"},  {1943, 2078, "Plava", "Ananda"},
                        {1947, 2082, "Vishvavasu", "Siddharthi"}, {1948, 2083, "Parabhava", "Raudra"},
                        {1949, 2084, "Plavanga", nullptr}};
    for (const Row& r : rows) {
        EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(SouthSamvatsaraOfShaka(r.shaka))], r.south) << r.shaka;
        if (r.north) {
            EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(NorthSamvatsaraOfVikram(r.vikram))], r.north);
        }
    }
    // The Tamil year of 2025-12-08 (tamilcalendars365.com): Visuvavasu.
    EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(TamilSamvatsaraOf(2025))], "Vishvavasu");
    // A day before Ugadi 2026 (2026-03-19) and one after, before the Tamil
    // new year (2026-04-14): the south has turned, the Tamil year not yet.
    const HinduDay before = DayAt(kChennai, 2026, 3, 10);
    const HinduDay after = DayAt(kChennai, 2026, 4, 1);
    const DayInFull b = ComputeDayInFull(before, kIst), a = ComputeDayInFull(after, kIst);
    ASSERT_TRUE(b.samvatsaraSouth && a.samvatsaraSouth && a.samvatsaraTamil && b.samvatsaraNorth);
    EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(*b.samvatsaraSouth)], "Vishvavasu");
    EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(*a.samvatsaraSouth)], "Parabhava");
    EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(*a.samvatsaraTamil)], "Vishvavasu");
    EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(*b.samvatsaraNorth)], "Siddharthi");
}

TEST(YearName, RituAndAyanaAsPrinted) {
    // Drik Panchang (New Delhi): Vedic ritu and Vedic ayana.
    struct Row {
        int y, m, d;
        const char* ritu;
        const char* ayana;
    };
    // Either side of a change of ayana (ritu not checked there): the Makara
    // sankranti of 14 January 2026 at 15:13 IST (Drik Panchang), after that
    // day's sunrise, so uttarayana from the 15th; the Karka sankranti on 16
    // July 2026, dakshinayana by the 18th.
    const Row rows[] = {{2025, 11, 22, "Hemanta", "Dakshinayana"},
                        {2022, 1, 24, "Hemanta", "Uttarayana"},
                        {2020, 12, 31, "Hemanta", "Dakshinayana"},
                        {2026, 1, 14, nullptr, "Dakshinayana"},
                        {2026, 1, 15, nullptr, "Uttarayana"},
                        {2026, 7, 15, nullptr, "Uttarayana"},
                        {2026, 7, 18, nullptr, "Dakshinayana"}};
    // Each day alone, and the days one after another sharing their sankrantis.
    SolarMonthCache shared(kNewDelhi, kIst);
    for (SolarMonthCache* cache : {static_cast<SolarMonthCache*>(nullptr), &shared}) {
        for (const Row& r : rows) {
            const DayInFull f = ComputeDayInFull(DayAt(kNewDelhi, r.y, r.m, r.d), kIst, cache);
            ASSERT_TRUE(f.ritu && f.ayana);
            if (r.ritu != nullptr) EXPECT_EQ(RituNames[static_cast<std::size_t>(*f.ritu)], r.ritu) << r.y << "-" << r.m;
            EXPECT_EQ(AyanaNames[static_cast<std::size_t>(*f.ayana)], r.ayana) << r.y << "-" << r.m << "-" << r.d;
        }
    }
    EXPECT_FALSE(AyanaOfSiderealSun(NAN));
    EXPECT_EQ(*AyanaOfSiderealSun(270), 0);
    EXPECT_EQ(*AyanaOfSiderealSun(89.999), 0);
    EXPECT_EQ(*AyanaOfSiderealSun(90), 1);
    EXPECT_EQ(RituOfMonth(-1), 5);  // a bad index still names a season, never reads outside the table
}

// Drik Panchang's Bengali daily panjika (New Delhi): the Bengali date and year.
TEST(SolarCalendars, BengaliDatesMatchThePublishedPanjika) {
    struct Row {
        int y, m, d;
        const char* month;
        int day, year;
    };
    const Row rows[] = {{2025, 11, 22, "Ogrohayon", 6, 1432},
                        {2022, 1, 24, "Magh", 10, 1428},
                        {2022, 1, 26, "Magh", 12, 1428},
                        {2020, 12, 31, "Poush", 16, 1427}};
    for (const Row& r : rows) {
        const std::optional<SolarDate> s = SolarDateOf(SolarCalendar::Bengali, r.y, r.m, r.d, kNewDelhi, kIst);
        ASSERT_TRUE(s);
        EXPECT_EQ(SolarMonthName(SolarCalendar::Bengali, s->sign), r.month) << r.y << "-" << r.m << "-" << r.d;
        EXPECT_EQ(s->day, r.day) << r.y << "-" << r.m << "-" << r.d;
        EXPECT_EQ(s->year, r.year) << r.y << "-" << r.m << "-" << r.d;
    }
}

// Month starts as published: the Tamil New Year (Chithirai 1) 2025-04-14 and
// 2026-04-14 and Thai Pongal (Thai 1) 2025-01-14 in the Tamil Nadu holiday
// lists; Vishu (Medam 1) 2025-04-14, the Malayalam new year 1201 (Chingam 1)
// 2025-08-17 and the Sabarimala season's Vrischikam 1, 2025-11-17, in
// Kerala's; Pohela Boishakh (Boishakh 1) 2025-04-15 in West Bengal's. The
// cached run of days gives every date of 2025-2027 as the single-date search
// does.
TEST(SolarCalendars, PublishedMonthStartsAndTheCachedRunAgree) {
    struct Row {
        SolarCalendar calendar;
        const Observer* place;
        int y, m, d;
        const char* month;
    };
    const Row rows[] = {{SolarCalendar::Tamil, &kChennai, 2025, 4, 14, "Chithirai"},
                        {SolarCalendar::Tamil, &kChennai, 2026, 4, 14, "Chithirai"},
                        {SolarCalendar::Tamil, &kChennai, 2025, 1, 14, "Thai"},
                        {SolarCalendar::Malayalam, &kKochi, 2025, 4, 14, "Medam"},
                        {SolarCalendar::Malayalam, &kKochi, 2025, 8, 17, "Chingam"},
                        {SolarCalendar::Malayalam, &kKochi, 2025, 11, 17, "Vrischikam"},
                        {SolarCalendar::Bengali, &kKolkata, 2025, 4, 15, "Boishakh"}};
    for (const Row& r : rows) {
        const std::optional<SolarDate> s = SolarDateOf(r.calendar, r.y, r.m, r.d, *r.place, kIst);
        ASSERT_TRUE(s);
        EXPECT_EQ(SolarMonthName(r.calendar, s->sign), r.month) << r.y << "-" << r.m << "-" << r.d;
        EXPECT_EQ(s->day, 1) << r.month << " " << r.y;
    }
    EXPECT_EQ(SolarDateOf(SolarCalendar::Malayalam, 2025, 8, 17, kKochi, kIst)->year, 1201);
    EXPECT_EQ(SolarDateOf(SolarCalendar::Malayalam, 2025, 8, 16, kKochi, kIst)->year, 1200);
    EXPECT_EQ(SolarDateOf(SolarCalendar::Bengali, 2025, 4, 15, kKolkata, kIst)->year, 1432);
    EXPECT_EQ(SolarDateOf(SolarCalendar::Bengali, 2025, 4, 14, kKolkata, kIst)->year, 1431);

    SolarMonthCache cache(kChennai, kIst);
    const double first = JulianDayFromDate(1, 1, 2025);
    for (int i = 0; i < 3 * 365; i += 5) {
        CalendarMoment m;
        ASSERT_TRUE(CalendarFromJulianDay(first + i + 0.5, m));
        const int y = static_cast<int>(m.year), mo = static_cast<int>(m.month), d = static_cast<int>(m.day);
        for (const SolarCalendar c : {SolarCalendar::Tamil, SolarCalendar::Malayalam, SolarCalendar::Bengali}) {
            const std::optional<SolarDate> a = cache.DateOf(c, y, mo, d), b = SolarDateOf(c, y, mo, d, kChennai, kIst);
            ASSERT_TRUE(a && b) << y << "-" << mo << "-" << d;
            EXPECT_EQ(a->sign, b->sign);
            EXPECT_EQ(a->day, b->day) << y << "-" << mo << "-" << d;
            EXPECT_EQ(a->year, b->year);
        }
    }
    // Far back after a run: searched afresh, still right.
    EXPECT_EQ(cache.DateOf(SolarCalendar::Tamil, 2025, 4, 14)->day, 1);
}

// The month grid carries the solar dates and the sunrise stars the calendar
// draws: Drik Panchang (New Delhi, 2025-11-22): Ogrohayon 6, Jyeshtha and
// the Moon in Vrishchika at sunrise.
TEST(SolarCalendars, TheMonthGridCarriesThem) {
    const MonthGrid grid = BuildMonthGrid(2025, 11, kNewDelhi, kIst);
    const MonthCell* cell = CellOf(grid, CalendarDate{2025, 11, 22});
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->solar[2], "Ogrohayon 6");
    EXPECT_EQ(cell->nakshatraNumber, 18);
    EXPECT_EQ(cell->moonSign, 7);
    EXPECT_FALSE(cell->solar[0].empty());
    EXPECT_FALSE(cell->solar[1].empty());
}

// Each rule's cut-off with a sankranti two minutes before and after it, on
// 2026-01-14: Chennai's sunset (Tamil) at 12:30:53 UT, Kochi's aparahna
// beginning (Malayalam) 3/5 of the way from 01:15:52 to 12:51:59 UT
// (swetest -rise), Kolkata's midnight (Bengali) at 18:30 UT.
TEST(SolarCalendars, EachRulesCutOff) {
    const double minute = 1.0 / 1440;
    struct Row {
        SolarCalendar calendar;
        const Observer* place;
        double cutOff;
        int dayBefore, dayAfter;  // January's day for a sankranti just before / just after
    };
    const double kochiRise = Ut(2026, 1, 14, 1, 15, 52.1), kochiSet = Ut(2026, 1, 14, 12, 51, 59.0);
    const Row rows[] = {
        {SolarCalendar::Tamil, &kChennai, Ut(2026, 1, 14, 12, 30, 53.2), 14, 15},
        {SolarCalendar::Malayalam, &kKochi, kochiRise + 0.6 * (kochiSet - kochiRise), 14, 15},
        {SolarCalendar::Bengali, &kKolkata, Ut(2026, 1, 14, 18, 30, 0), 15, 16},
    };
    for (const Row& r : rows) {
        for (const auto& [offset, expected] : {std::pair{-2 * minute, r.dayBefore}, std::pair{2 * minute, r.dayAfter}}) {
            const std::optional<CivilDay> first =
                SolarMonthFirstDay(r.calendar, Sankranti{9, r.cutOff + offset}, *r.place, kIst);
            ASSERT_TRUE(first);
            EXPECT_EQ(first->month, 1);
            EXPECT_EQ(first->day, expected) << static_cast<int>(r.calendar) << " offset " << offset * 1440;
        }
    }
    // Before sunrise (05:00 IST) the Tamil and Malayalam months begin that
    // very day, the Bengali one the next.
    const Sankranti early{9, Ut(2026, 1, 13, 23, 30, 0)};
    EXPECT_EQ(SolarMonthFirstDay(SolarCalendar::Tamil, early, kChennai, kIst)->day, 14);
    EXPECT_EQ(SolarMonthFirstDay(SolarCalendar::Malayalam, early, kKochi, kIst)->day, 14);
    EXPECT_EQ(SolarMonthFirstDay(SolarCalendar::Bengali, early, kKolkata, kIst)->day, 15);
    EXPECT_FALSE(SolarMonthFirstDay(SolarCalendar::Tamil, Sankranti{9, NAN}, kChennai, kIst));
    EXPECT_FALSE(SolarDateOf(SolarCalendar::Tamil, 2026, 13, 1, kChennai, kIst));
}

// The names in other languages are keyed by this program's English names: the
// name tables' English columns are the good hours' and solar months' tables.
TEST(GoodHours, NameTablesHoldEveryNameInOrder) {
    auto same = [](NameTable table, auto names) {
        const std::span<const NameRow> rows = NameRows(table);
        ASSERT_EQ(rows.size(), names.size()) << static_cast<int>(table);
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].en, names[i]) << static_cast<int>(table);
    };
    same(NameTable::Choghadiya, ChoghadiyaNames);
    same(NameTable::Gowri, GowriNames);
    same(NameTable::TamilSolarMonth, TamilMonthNames);
    same(NameTable::MalayalamSolarMonth, MalayalamMonthNames);
    same(NameTable::BengaliSolarMonth, BengaliMonthNames);
}

TEST(Tarabalam, TaraAndChandrabalamCountFromTheBirth) {
    // Counted from Ashwini: Ashwini Janma, Bharani Sampat, Krittika Vipat,
    // Magha (the 10th) Janma again, Revati (the 27th) Parama Mitra.
    struct Row {
        int birth, day, tara;
    };
    const Row rows[] = {{1, 1, 1}, {1, 2, 2}, {1, 3, 3}, {1, 10, 1}, {1, 27, 9}, {27, 1, 2}, {5, 4, 9}};
    for (const Row& r : rows) EXPECT_EQ(TaraOf(r.birth, r.day), r.tara) << r.birth << " " << r.day;
    EXPECT_FALSE(TaraOf(0, 1));
    EXPECT_FALSE(TaraOf(1, 28));
    EXPECT_EQ(ChandraPlaceOf(0, 0), 1);
    EXPECT_EQ(ChandraPlaceOf(11, 0), 2);
    EXPECT_EQ(ChandraPlaceOf(3, 2), 12);
    EXPECT_FALSE(ChandraPlaceOf(12, 0));
    // A day's lists follow its nakshatras and cover it.
    const HinduDay d = DayAt(kChennai, 2026, 12, 7);
    const DayStrength s = DayStrengthOf(d, Birth{1, 0});
    ASSERT_EQ(s.tarabalam.size(), d.nakshatra.size());
    ASSERT_FALSE(s.chandrabalam.empty());
    EXPECT_LE(s.chandrabalam.front().startJdUt, d.startJdUt);
    EXPECT_GE(s.chandrabalam.back().endJdUt, d.endJdUt);
    EXPECT_TRUE(DayStrengthOf(d, Birth{0, 0}).tarabalam.empty());
}

}  // namespace
}  // namespace velmora
