// Dated almanac pages of 2020-2027 (New Delhi, Chennai, the Kerala and Bengal
// calendars), each row with its source and the page's own figures. Three
// kinds of check, as docs/day-in-full.md lists them:
//  - the parts of the day (choghadiya, durmuhurta): the rule, cut between the
//    page's own sunrise and sunset, gives every published boundary to the
//    minute; the program's own sunrise and sunset within the row's tolerance
//    (a page's sunrise can be the disc's centre without refraction, four
//    minutes after the Swiss Ephemeris's upper limb with refraction);
//  - varjyam and amrit kalam: on the Indian clock they do not depend on the
//    place, only on the nakshatra's span, so every published span is held
//    within two minutes (the pages' nakshatra ends come from other
//    ephemerides);
//  - solar dates, year names, ritu and ayana: exact, or a documented offset.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "AlmanacPlaces.h"
#include "astronomy/Calendar.h"
#include "day/DayInFull.h"
#include "day/GoodHours.h"
#include "day/SolarCalendars.h"

namespace velmora {
namespace {

using namespace almanac_places;

struct Date {
    int y, m, d;
};

// Minutes of the Indian clock from the date's midnight ("26:07:57" is 02:07:57
// the next morning) and back to a Julian day (UT).
double ClockOf(const std::string& text) {
    const std::size_t colon = text.find(':');
    double minutes = std::stod(text.substr(0, colon)) * 60 + std::stod(text.substr(colon + 1, 2));
    if (text.size() > colon + 3) minutes += std::stod(text.substr(colon + 4)) / 60;
    return minutes;
}
double JdOf(Date date, double clock) { return JulianDayFromDate(date.m, date.d, date.y) + (clock - 330) / 1440; }
double ClockAt(Date date, double jdUt) { return (jdUt - JulianDayFromDate(date.m, date.d, date.y)) * 1440 + 330; }

HinduDay DayOf(const Observer& place, Date date) {
    const std::optional<HinduDay> day = ComputeHinduDay(date.y, date.m, date.d, place, kIst);
    EXPECT_TRUE(day) << date.y << "-" << date.m << "-" << date.d;
    return day ? *day : HinduDay{};
}

// A published list of consecutive day parts. `bounds` holds the start of each
// listed part and the end of the last; `rise` and `set` are the page's own.
struct PartsRow {
    const char* source;
    const Observer* place;
    Date date;
    const char* rise;
    const char* set;
    std::vector<const char*> bounds;
    std::vector<const char*> names;
    double ownTolerance;  // minutes, with the program's own sunrise and sunset
};

TEST(PublishedDayTables, ChoghadiyaToTheMinute) {
    const std::vector<PartsRow> rows = {
        // 10upon10.com Dainik Panchang, New Delhi, Saturday 2025-11-22: the
        // first six day parts (the page's excerpt ends in the seventh). Its
        // sunrise 06:53:24 and sunset 17:20:46 are the disc's centre without
        // refraction; the Swiss Ephemeris's are 06:49:19 and 17:25:02.
        {"10upon10.com, New Delhi, 2025-11-22 (day)",
         &kNewDelhi,
         {2025, 11, 22},
         "06:53:24",
         "17:20:46",
         {"06:53:23", "08:11:49", "09:30:14", "10:48:39", "12:07:05", "13:25:30", "14:43:55"},
         {"Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh"},
         4.5},
    };
    for (const PartsRow& row : rows) {
        SCOPED_TRACE(row.source);
        const HinduDay day = DayOf(*row.place, row.date);
        const DayAndNight ruled = ChoghadiyaOf(JdOf(row.date, ClockOf(row.rise)), JdOf(row.date, ClockOf(row.set)),
                                               day.nextSunrise, day.vara);
        const DayAndNight own = ChoghadiyaOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
        ASSERT_GE(ruled.day.size(), row.names.size());
        ASSERT_GE(own.day.size(), row.names.size());
        for (std::size_t i = 0; i < row.bounds.size(); ++i) {
            const double published = ClockOf(row.bounds[i]);
            const double r = ClockAt(row.date, i < row.names.size() ? ruled.day[i].startJdUt : ruled.day[i - 1].endJdUt);
            const double o = ClockAt(row.date, i < row.names.size() ? own.day[i].startJdUt : own.day[i - 1].endJdUt);
            EXPECT_NEAR(r, published, 1.0) << "rule, boundary " << i << " " << row.bounds[i];
            EXPECT_NEAR(o, published, row.ownTolerance) << "own day, boundary " << i << " " << row.bounds[i];
        }
        for (std::size_t i = 0; i < row.names.size(); ++i) {
            EXPECT_EQ(ChoghadiyaNames[static_cast<std::size_t>(own.day[i].key)], row.names[i]) << i;
        }
    }
}

// Durmuhurta: the weekday's muhurtas of fifteen of the page's own daytime.
struct DurmuhurtaRow {
    const char* source;
    const Observer* place;
    Date date;
    const char* rise;
    const char* set;
    std::vector<std::pair<const char*, const char*>> spans;
    double ownTolerance;
};

TEST(PublishedDayTables, DurmuhurtaToTheMinute) {
    const std::vector<DurmuhurtaRow> rows = {
        // birthastro.com daily panchang, Delhi, Wednesday 2021-12-08 (the 8th
        // muhurta); its sunrise and sunset are the Swiss Ephemeris's to 2 s.
        {"birthastro.com, Delhi, 2021-12-08",
         &kNewDelhi,
         {2021, 12, 8},
         "07:01:32",
         "17:24:22",
         {{"11:52:12", "12:33:43"}},
         1.0},
        // news18.com Aaj Ka Panchang (Drik Panchang's New Delhi figures),
        // Sunday 2021-12-26: the 14th muhurta, sunrise 07:12, sunset 17:32.
        {"news18.com, New Delhi, 2021-12-26", &kNewDelhi, {2021, 12, 26}, "07:12", "17:32", {{"16:09", "16:50"}}, 1.0},
        // Drik Panchang's Bengali daily panjika, New Delhi, Wednesday
        // 2022-01-26, with its sunrise 07:12 and sunset 17:55.
        {"drikpanchang.com, New Delhi, 2022-01-26", &kNewDelhi, {2022, 1, 26}, "07:12", "17:55", {{"12:12", "12:55"}}, 1.0},
    };
    for (const DurmuhurtaRow& row : rows) {
        SCOPED_TRACE(row.source);
        const HinduDay day = DayOf(*row.place, row.date);
        const std::vector<DaySpan> ruled = DurmuhurtaOf(JdOf(row.date, ClockOf(row.rise)),
                                                        JdOf(row.date, ClockOf(row.set)), day.nextSunrise, day.vara);
        const std::vector<DaySpan> own = DurmuhurtaOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
        ASSERT_EQ(ruled.size(), row.spans.size());
        ASSERT_EQ(own.size(), row.spans.size());
        for (std::size_t i = 0; i < row.spans.size(); ++i) {
            const double start = ClockOf(row.spans[i].first), end = ClockOf(row.spans[i].second);
            // The page rounds its own sunrise to the minute: a muhurta's
            // start moves with it, so the rule is held to a minute and a half.
            EXPECT_NEAR(ClockAt(row.date, ruled[i].startJdUt), start, 1.5) << i;
            EXPECT_NEAR(ClockAt(row.date, ruled[i].endJdUt), end, 1.5) << i;
            EXPECT_NEAR(ClockAt(row.date, own[i].startJdUt), start, row.ownTolerance + 0.5) << i;
            EXPECT_NEAR(ClockAt(row.date, own[i].endJdUt), end, row.ownTolerance + 0.5) << i;
        }
    }
}

// Varjyam (tyajya) and amrit kalam as printed, on the Indian clock of the
// page's date (past 24:00 the next morning). The span is searched in the
// Hindu days of New Delhi that cover it (the place only decides which day a
// span is listed under).
struct NakshatraSpanRow {
    const char* source;
    Date date;
    bool varjyam;
    const char* start;
    const char* end;
    // Where the page's table value differs from the program's: how many
    // ghatis (of the nakshatra's sixty) the page's span lies later.
    double ghatisLater = 0;
};

TEST(PublishedDayTables, VarjyamAndAmritKalamWithinTwoMinutes) {
    const NakshatraSpanRow rows[] = {
        // 10upon10.com, New Delhi, 2025-11-22: amrit kalam of Jyeshtha, and
        // the tyajya of Mula the next morning, which the page begins at 21
        // ghatis where the Telugu table has 20 (Mula from 16:47 to 19:28 the
        // next day in the Swiss Ephemeris: 20 ghatis fall at 01:40:43).
        {"10upon10.com 2025-11-22", {2025, 11, 22}, false, "06:57:16", "08:44:37"},
        {"10upon10.com 2025-11-22", {2025, 11, 22}, true, "26:07:57", "27:54:41", 1},
        // birthastro.com, Delhi, 2021-12-08: two varjyams (Shravana before
        // sunrise, Dhanishta the next night) and an amrit kalam.
        {"birthastro.com 2021-12-08", {2021, 12, 8}, true, "03:56:40", "05:26:32"},
        {"birthastro.com 2021-12-08", {2021, 12, 8}, true, "26:31:50", "28:04:34"},
        {"birthastro.com 2021-12-08", {2021, 12, 8}, false, "12:55:52", "14:25:44"},
        // Hindustan Times Telugu daily panchangam, 2025-11-20 (Anuradha; the
        // amrit kalam after midnight) and 2026-01-15 (Jyeshtha).
        {"HT Telugu 2025-11-20", {2025, 11, 20}, true, "15:28", "17:16"},
        {"HT Telugu 2025-11-20", {2025, 11, 20}, false, "26:14", "28:02"},
        {"HT Telugu 2026-01-15", {2026, 1, 15}, true, "09:17", "11:04"},
        {"HT Telugu 2026-01-15", {2026, 1, 15}, false, "19:58", "21:45"},
        // news4nation.com Hindi panchang, 2024-09-16 (Dhanishta, Shatabhisha).
        {"news4nation.com 2024-09-16", {2024, 9, 16}, true, "22:57", "24:22"},
        {"news4nation.com 2024-09-16", {2024, 9, 16}, false, "07:07", "08:34"},
        // news18.com Today's Panchang, 2021-04-22 (Ashlesha, Magha).
        {"news18.com 2021-04-22", {2021, 4, 22}, false, "06:38", "08:15"},
        {"news18.com 2021-04-22", {2021, 4, 22}, true, "19:59", "21:32"},
        {"news18.com 2021-12-25 (Purva Phalguni)", {2021, 12, 25}, true, "12:28", "14:08"},
        // indiatv.in, 2020-10-10 (Punarvasu).
        {"indiatv.in 2020-10-10", {2020, 10, 10}, false, "22:49", "24:28"},
    };
    for (const NakshatraSpanRow& row : rows) {
        SCOPED_TRACE(std::string(row.source) + (row.varjyam ? " varjyam " : " amrit kalam ") + row.start);
        const double start = ClockOf(row.start), end = ClockOf(row.end);
        std::optional<NamedSpan> nearest;
        for (int back = 1; back >= 0; --back) {
            const double jd = JulianDayFromDate(row.date.m, row.date.d, row.date.y) - back;
            CalendarMoment civil;
            ASSERT_TRUE(CalendarFromJulianDay(jd + 0.5, civil));
            const HinduDay day = DayOf(kNewDelhi, {static_cast<int>(civil.year), static_cast<int>(civil.month),
                                                static_cast<int>(civil.day)});
            const std::vector<NamedSpan> spans = row.varjyam ? VarjyamOf(day.nakshatra, day.startJdUt, day.endJdUt)
                                                             : AmritKalamOf(day.nakshatra, day.startJdUt, day.endJdUt);
            for (const NamedSpan& s : spans) {
                if (!nearest || std::fabs(ClockAt(row.date, s.startJdUt) - start) <
                                    std::fabs(ClockAt(row.date, nearest->startJdUt) - start)) {
                    nearest = s;
                }
            }
        }
        ASSERT_TRUE(nearest);
        const double later = row.ghatisLater * (nearest->endJdUt - nearest->startJdUt) / 4 * 1440;
        EXPECT_NEAR(ClockAt(row.date, nearest->startJdUt) + later, start, 2.0);
        EXPECT_NEAR(ClockAt(row.date, nearest->endJdUt) + later, end, 2.0);
    }
}

// Solar dates as published. `offset` is the program's day minus the
// published one where the two reckonings differ (explained in
// docs/day-in-full.md): the daily-sheet Tamil calendars follow the vakya
// sankrantis, hours after the true Sun's.
struct SolarRow {
    const char* source;
    SolarCalendar calendar;
    const Observer* place;
    Date date;
    const char* month;
    int day;
    int offset;
};

TEST(PublishedDayTables, SolarMonthStarts2025To2027) {
    const SolarRow rows[] = {
        {"Tamil Nadu holiday list 2026 (Pongal, Thursday 15 January)", SolarCalendar::Tamil, &kChennai,
         {2026, 1, 15}, "Thai", 1, 1},
        {"khelja.in: Thai Pongal 2026, Wednesday 14 January (the sankranti about 15:13)", SolarCalendar::Tamil, &kChennai,
         {2026, 1, 14}, "Thai", 1, 0},
        {"tamilcalendars365.com 2025-12-08: Karthigai 22", SolarCalendar::Tamil, &kChennai, {2025, 12, 8}, "Karthigai", 22,
         1},
        {"publicholidays.in: Vishu 2026, Tuesday 14 April", SolarCalendar::Malayalam, &kKochi, {2026, 4, 14}, "Medam",
         1, 0},
        {"prokerala.com: Malayalam New Year 2025 (Sunday 17 August)", SolarCalendar::Malayalam, &kKochi,
         {2025, 8, 17}, "Chingam", 1, 0},
        {"prokerala.com: Malayalam New Year 2026 (Monday 17 August)", SolarCalendar::Malayalam, &kKochi,
         {2026, 8, 17}, "Chingam", 1, 0},
        {"prokerala.com: Malayalam New Year 2027 (Wednesday 18 August)", SolarCalendar::Malayalam, &kKochi,
         {2027, 8, 18}, "Chingam", 1, 0},
        {"excelnotes.com: Bengali New Year 2025, West Bengal (Tuesday 15 April)", SolarCalendar::Bengali, &kKolkata,
         {2025, 4, 15}, "Boishakh", 1, 0},
        {"excelnotes.com: Bengali New Year 2026, West Bengal (Wednesday 15 April)", SolarCalendar::Bengali, &kKolkata,
         {2026, 4, 15}, "Boishakh", 1, 0},
    };
    for (const SolarRow& row : rows) {
        SCOPED_TRACE(row.source);
        const std::optional<SolarDate> s =
            SolarDateOf(row.calendar, row.date.y, row.date.m, row.date.d, *row.place, kIst);
        ASSERT_TRUE(s);
        EXPECT_EQ(SolarMonthName(row.calendar, s->sign), row.month);
        EXPECT_EQ(s->day, row.day + row.offset);
        if (row.day == 1 && row.offset == 0) {
            // The day before still belongs to the previous month.
            const double before = JulianDayFromDate(row.date.m, row.date.d, row.date.y) - 1;
            CalendarMoment c;
            ASSERT_TRUE(CalendarFromJulianDay(before + 0.5, c));
            const std::optional<SolarDate> prior =
                SolarDateOf(row.calendar, static_cast<int>(c.year), static_cast<int>(c.month), static_cast<int>(c.day),
                            *row.place, kIst);
            ASSERT_TRUE(prior);
            EXPECT_EQ(prior->sign, (s->sign + 11) % 12);
            EXPECT_GE(prior->day, 29);
        }
    }
}

// The year's name, the ritu and the ayana as dated pages print them: Telugu
// daily panchangams of Hindustan Times Telugu (the southern name, "Vedic"
// ritu by the lunar month, the ayana) and babapost.in (Drik Panchang's
// figures in Hindi).
TEST(PublishedDayTables, YearRituAndAyana2025And2026) {
    struct Row {
        const char* source;
        Date date;
        const char* south;
        const char* ritu;
        const char* ayana;
    };
    const Row rows[] = {
        {"HT Telugu, 2025-11-20 (Karthika amavasya)", {2025, 11, 20}, "Vishvavasu", "Sharad", "Dakshinayana"},
        {"HT Telugu, 2026-01-15 (Pushya bahula dwadashi)", {2026, 1, 15}, "Vishvavasu", "Hemanta", "Uttarayana"},
        {"babapost.in, 2026-01-10 (Shaka 1947 Vishvavasu, Vedic ritu Hemant)", {2026, 1, 10}, "Vishvavasu", "Hemanta",
         nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.source);
        const DayInFull f = ComputeDayInFull(DayOf(kNewDelhi, row.date), kIst);
        ASSERT_TRUE(f.samvatsaraSouth && f.ritu && f.ayana);
        EXPECT_EQ(SamvatsaraNames[static_cast<std::size_t>(*f.samvatsaraSouth)], row.south);
        EXPECT_EQ(RituNames[static_cast<std::size_t>(*f.ritu)], row.ritu);
        if (row.ayana != nullptr) EXPECT_EQ(AyanaNames[static_cast<std::size_t>(*f.ayana)], row.ayana);
    }
}

}  // namespace
}  // namespace velmora
