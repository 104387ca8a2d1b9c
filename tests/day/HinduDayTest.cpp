// The Hindu day against independent values: the Swiss Ephemeris's rise and
// set (swetest 2.10, same definitions: upper limb, standard refraction),
// published almanac facts (the fixed-hour kalam tables, the adhika month of
// 2026), and the moment's report for the spans.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "astronomy/Calendar.h"
#include "day/DayTables.h"
#include "day/HinduDay.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangRules.h"

namespace velmora {
namespace {

constexpr double kSecond = 1.0 / 86400;

// A UT Julian day from a civil date and UT clock time with seconds.
double Ut(int y, int mo, int d, int h, int mi, double s) {
    return JulianDayFromDate(mo, d, y) + (h + mi / 60.0 + s / 3600) / 24;
}

const Observer kPune{18.5196, 73.8554, 0};

// swetest -b7.12.2026 -ut0 -rise -p0 / -p1 -geopos73.8554,18.5196,0
TEST(HinduDay, PuneRiseAndSetMatchTheEphemeris) {
    const FixedZone ist(5.5);
    const std::optional<HinduDay> day = ComputeHinduDay(2026, 12, 7, kPune, ist);
    ASSERT_TRUE(day);
    ASSERT_TRUE(day->sunrise && day->sunset && day->nextSunrise && day->moonset);
    EXPECT_NEAR(*day->sunrise, Ut(2026, 12, 7, 1, 24, 3.1), 30 * kSecond);
    EXPECT_NEAR(*day->sunset, Ut(2026, 12, 7, 12, 27, 43.2), 30 * kSecond);
    EXPECT_NEAR(*day->nextSunrise, Ut(2026, 12, 8, 1, 24, 39.3), 30 * kSecond);
    EXPECT_NEAR(*day->moonset, Ut(2026, 12, 7, 11, 1, 40.5), 60 * kSecond);
    EXPECT_EQ(day->vara, 2);  // a Monday
    EXPECT_EQ(day->startJdUt, *day->sunrise);
    EXPECT_EQ(day->endJdUt, *day->nextSunrise);
    EXPECT_TRUE(day->note.empty()) << day->note;
    EXPECT_EQ(LocalTimeText(*day->sunrise, ist).substr(0, 11), "2026-12-07T");
}

// The printed fixed-hour tables (a 06:00 to 18:00 day): Rahu kalam, Yamaganda
// and Gulika kalam for each weekday, Abhijit 11:36-12:24, Brahma muhurta
// 04:24-05:12 after an 18:00 sunset.
TEST(HinduDay, KalamsOfASixToSixDayAreThePrintedTables) {
    const double sunrise = Ut(2026, 1, 4, 6, 0, 0);
    const double sunset = Ut(2026, 1, 4, 18, 0, 0);
    const double before = Ut(2026, 1, 3, 18, 0, 0);
    struct Row {
        const char* rahu;
        const char* yama;
        const char* gulika;
    };
    const Row printed[7] = {
        {"16:30", "12:00", "15:00"}, {"07:30", "10:30", "13:30"}, {"15:00", "09:00", "12:00"},
        {"12:00", "07:30", "10:30"}, {"13:30", "06:00", "09:00"}, {"10:30", "15:00", "07:30"},
        {"09:00", "13:30", "06:00"}};
    auto clock = [](double jd) { return LocalTimeText(jd, 0.0).substr(11, 5); };
    for (int vara = 1; vara <= 7; ++vara) {
        const DayKalams k = KalamsOf(sunrise, sunset, before, vara);
        ASSERT_TRUE(k.rahuKalam && k.yamaganda && k.gulikaKalam && k.abhijitMuhurta && k.brahmaMuhurta);
        EXPECT_EQ(clock(k.rahuKalam->startJdUt), printed[vara - 1].rahu) << vara;
        EXPECT_EQ(clock(k.yamaganda->startJdUt), printed[vara - 1].yama) << vara;
        EXPECT_EQ(clock(k.gulikaKalam->startJdUt), printed[vara - 1].gulika) << vara;
        EXPECT_NEAR((k.rahuKalam->endJdUt - k.rahuKalam->startJdUt) * 24, 1.5, 1e-9);
        EXPECT_EQ(clock(k.abhijitMuhurta->startJdUt), "11:36");
        EXPECT_EQ(clock(k.abhijitMuhurta->endJdUt), "12:24");
        EXPECT_EQ(clock(k.brahmaMuhurta->startJdUt), "04:24");
        EXPECT_EQ(clock(k.brahmaMuhurta->endJdUt), "05:12");
    }
    // Missing moments give missing kalams, never made-up ones.
    const DayKalams none = KalamsOf(sunrise, std::nullopt, std::nullopt, 1);
    EXPECT_FALSE(none.rahuKalam || none.abhijitMuhurta || none.brahmaMuhurta);
    EXPECT_FALSE(KalamsOf(sunrise, sunset, before, 8).rahuKalam);
}

namespace {

// The moment's report (and its time chain) for the local IST minute of a
// moment in UT: what the results window shows when that minute is entered.
struct ReportAtMinute {
    PanchangResult report;
    PanchangMoment moment;
};

std::optional<ReportAtMinute> ReportForMinuteOf(double jdUt) {
    CalendarMoment local;
    if (!CalendarFromJulianDay(jdUt + 5.5 / 24 + 1e-7, local)) return std::nullopt;
    WorkingValues w;
    w.CalcYear = static_cast<int>(local.year);
    w.CalcMonth = static_cast<int>(local.month);
    w.CalcDay = static_cast<int>(local.day);
    w.LocalHours = static_cast<int>(local.hour) + static_cast<int>(local.minute) / 60.0;
    w.SignedZone = 5.5;
    const QueryDate date{w.CalcMonth, static_cast<std::int16_t>(w.CalcDay), static_cast<std::int16_t>(w.CalcYear)};
    return ReportAtMinute{CalculatePanchang(w, date), PanchangTimeChain(w)};
}

// Minutes between two report texts "dd.MM.yyyy HH:mm  to dd.MM.yyyy HH:mm",
// start to start and end to end (the larger); a large number when either does
// not read.
double MinutesApart(const std::string& a, const std::string& b) {
    const auto read = [](const std::string& text, double out[2]) {
        int d[2], mo[2], y[2], h[2], mi[2];
        if (std::sscanf(text.c_str(), "%d.%d.%d %d:%d  to %d.%d.%d %d:%d", &d[0], &mo[0], &y[0], &h[0], &mi[0], &d[1],
                        &mo[1], &y[1], &h[1], &mi[1]) != 10) {
            return false;
        }
        for (int i = 0; i < 2; ++i) out[i] = JulianDayFromDate(mo[i], d[i], y[i]) * 1440 + h[i] * 60 + mi[i];
        return true;
    };
    double x[2], y[2];
    if (!read(a, x) || !read(b, y)) return 1e9;
    return std::fmax(std::fabs(x[0] - y[0]), std::fabs(x[1] - y[1]));
}

// A day element's span as the report would write it, on the report's shown clock.
std::string SpanText(const DayElement& e, const PanchangMoment& m) {
    return FormatJDTime(EphemerisFromUniversal(e.startJdUt) + m.shownTz / 24) + "  to " +
           FormatJDTime(EphemerisFromUniversal(e.endJdUt) + m.shownTz / 24);
}

}  // namespace

// The day's spans are the moment report's spans for a minute inside each
// element, to the report's own precision: its searches stop within 0.001° of
// a boundary (up to 14 s) and its texts are truncated to the minute, so they
// agree within a minute; at a new moon the report takes the new-moon series,
// which lies up to 2.5 minutes off the theories the day searches (3 minutes).
TEST(HinduDay, EverySpanAgreesWithTheMomentReport) {
    const FixedZone ist(5.5);
    for (int d : {7, 8, 9, 20}) {
        const std::optional<HinduDay> day = ComputeHinduDay(2026, 12, d, kPune, ist);
        ASSERT_TRUE(day);
        ASSERT_FALSE(day->tithi.empty());
        ASSERT_FALSE(day->karana.empty());
        ASSERT_FALSE(day->yoga.empty());
        ASSERT_FALSE(day->nakshatra.empty());
        EXPECT_LE(day->tithi.front().startJdUt, day->startJdUt);
        EXPECT_GE(day->tithi.back().endJdUt, day->endJdUt);
        // A moment inside the element and the day.
        const auto inside = [&](const DayElement& e) {
            return 0.5 * (std::fmax(e.startJdUt, day->startJdUt) + std::fmin(e.endJdUt, day->endJdUt));
        };
        auto check = [&](const DayElement& e, std::string PanchangResult::*span, bool newMoon) {
            const std::optional<ReportAtMinute> at = ReportForMinuteOf(inside(e));
            ASSERT_TRUE(at);
            EXPECT_LE(MinutesApart(at->report.*span, SpanText(e, at->moment)), newMoon ? 3 : 1)
                << e.name << ": " << at->report.*span << " / " << SpanText(e, at->moment);
        };
        for (const DayElement& e : day->tithi) check(e, &PanchangResult::CurrentTithiSpan, e.number == 30 || e.number == 1);
        for (const DayElement& e : day->karana) check(e, &PanchangResult::CurrentKaranaSpan, e.number == 60 || e.number == 1);
        for (const DayElement& e : day->yoga) check(e, &PanchangResult::CurrentYogaSpan, false);
        for (const DayElement& e : day->nakshatra) {
            // The report's mansion span lives in its own part of the result.
            const std::optional<ReportAtMinute> at = ReportForMinuteOf(inside(e));
            ASSERT_TRUE(at);
            ASSERT_TRUE(at->report.Mansion.Pada);
            EXPECT_EQ(*at->report.Mansion.Pada / 4 + 1, e.number);
            EXPECT_LE(MinutesApart(at->report.Mansion.MansionSpan, SpanText(e, at->moment)), 1) << e.name;
        }
    }
}

// Published: Adhika Jyeshtha from the new moon of 16/17 May to that of 15 June
// 2026; Nija Jyeshtha after it; Shaka 1948 and Vikram 2083 after Chaitra 2026.
TEST(LunarMonth, AdhikaJyeshthaOf2026) {
    const std::optional<LunarMonth> adhika = LunarMonthAt(Ut(2026, 6, 1, 6, 0, 0));
    ASSERT_TRUE(adhika);
    EXPECT_EQ(MasaNames[static_cast<std::size_t>(adhika->amanta)], "Jyeshtha");
    EXPECT_TRUE(adhika->adhika);
    EXPECT_FALSE(adhika->kshaya);
    EXPECT_NEAR(adhika->startJdUt, Ut(2026, 5, 16, 20, 1, 0), 0.05);  // new moon 16 May 20:01 UT
    EXPECT_NEAR(adhika->endJdUt, Ut(2026, 6, 15, 2, 54, 0), 0.05);    // 15 June 02:54 UT
    const std::optional<LunarMonth> nija = LunarMonthAt(Ut(2026, 6, 20, 6, 0, 0));
    ASSERT_TRUE(nija);
    EXPECT_EQ(nija->amanta, adhika->amanta);
    EXPECT_FALSE(nija->adhika);
    EXPECT_EQ(nija->shakaYear, 1948);
    EXPECT_EQ(nija->vikramYear, 2083);
    const std::optional<LunarMonth> before = LunarMonthAt(Ut(2026, 3, 10, 6, 0, 0));  // Phalguna of Shaka 1947
    ASSERT_TRUE(before);
    EXPECT_EQ(MasaNames[static_cast<std::size_t>(before->amanta)], "Phalguna");
    EXPECT_EQ(before->shakaYear, 1947);
}

// Purnimanta: a month ahead in the Krishna paksha. 7 December 2026 is Krishna
// Chaturdashi of amanta Kartika, purnimanta Margashirsha.
TEST(LunarMonth, PurnimantaRunsAheadInKrishnaPaksha) {
    const std::optional<LunarMonth> m = LunarMonthAt(Ut(2026, 12, 7, 6, 0, 0));
    ASSERT_TRUE(m);
    EXPECT_EQ(MasaNames[static_cast<std::size_t>(m->amanta)], "Kartika");
    EXPECT_EQ(MasaNames[static_cast<std::size_t>(m->purnimanta)], "Margashirsha");
    EXPECT_FALSE(m->shukla);
    EXPECT_EQ(m->tithi, 29);
    EXPECT_FALSE(LunarMonthAt(std::nan("")));
}

TEST(HinduDay, PolarDaysHaveNoMadeUpRisings) {
    const FixedZone utc(0);
    const Observer tromso{69.65, 18.96, 0};
    const std::optional<HinduDay> winter = ComputeHinduDay(2026, 12, 21, tromso, utc);
    ASSERT_TRUE(winter);
    EXPECT_FALSE(winter->sunrise);
    EXPECT_FALSE(winter->sunset);
    EXPECT_FALSE(winter->rahuKalam);
    EXPECT_NE(winter->note.find("does not rise"), std::string::npos);
    EXPECT_NE(winter->note.find("below the horizon"), std::string::npos);
    EXPECT_FALSE(winter->tithi.empty());  // the elements still cover the (midnight to midnight) day
    const std::optional<HinduDay> summer = ComputeHinduDay(2026, 6, 21, tromso, utc);
    ASSERT_TRUE(summer);
    EXPECT_FALSE(summer->sunrise);
    EXPECT_NE(summer->note.find("above the horizon"), std::string::npos);
    for (double lat : {60.0, 66.0, 75.0, 89.0, -89.0}) {
        for (int m : {3, 6, 9, 12}) {
            const std::optional<HinduDay> d = ComputeHinduDay(2030, m, 21, Observer{lat, 0, 0}, utc);
            ASSERT_TRUE(d);
            EXPECT_LT(d->startJdUt, d->endJdUt);
            if (!d->sunrise || !d->sunset) EXPECT_FALSE(d->note.empty());
        }
    }
}

TEST(HinduDay, RefusesWhatIsNoDateOrPlace) {
    const FixedZone z(0);
    EXPECT_FALSE(ComputeHinduDay(2026, 2, 30, kPune, z));
    EXPECT_FALSE(ComputeHinduDay(2026, 13, 1, kPune, z));
    EXPECT_FALSE(ComputeHinduDay(999, 1, 1, kPune, z));
    EXPECT_FALSE(ComputeHinduDay(2026, 1, 1, Observer{91, 0, 0}, z));
    EXPECT_FALSE(ComputeHinduDay(2026, 1, 1, Observer{std::nan(""), 0, 0}, z));
    EXPECT_FALSE(ComputeHinduDay(2026, 1, 1, kPune, FixedZone(std::nan(""))));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Clock text: rounding to the second carries into the next date; offsets of
// either sign and with minutes; nothing for what is no moment.
TEST(DayZone, ClockTextAndOffsets) {
    const double midnight = JulianDayFromDate(12, 31, 2050);  // 0h UT
    EXPECT_EQ(LocalTimeText(midnight, 0.0), "2050-12-31T00:00:00+00:00");
    EXPECT_EQ(LocalTimeText(midnight + (86400 - 0.4) / 86400, 0.0), "2051-01-01T00:00:00+00:00");
    EXPECT_EQ(LocalTimeText(midnight, -3.5), "2050-12-30T20:30:00-03:30");
    EXPECT_EQ(LocalTimeText(midnight, 5.75), "2050-12-31T05:45:00+05:45");
    EXPECT_EQ(OffsetText(-0.5), "-00:30");
    EXPECT_EQ(OffsetText(std::nan("")), "+00:00");
    EXPECT_EQ(LocalTimeText(std::nan(""), 0.0), "");
    EXPECT_EQ(LocalTimeText(1e300, 0.0), "");
    const FixedZone ist(5.5);
    EXPECT_EQ(ist.Name(), "+05:30");
    // Local midnight on the zone's clock, as a UT Julian day.
    EXPECT_NEAR(LocalMidnight(2026, 12, 7, ist), JulianDayFromDate(12, 6, 2026) + 18.5 / 24, 1e-9);
}

}  // namespace
}  // namespace velmora
