#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "astronomy/Calendar.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"

namespace velmora {
namespace {

// The engine's working values for a moment: only what the panchang reads.
WorkingValues At(int year, int month, int day, double localHours, double zoneOffset, double lonWest) {
    WorkingValues w;
    w.CalcMonth = month;
    w.CalcDay = day;
    w.CalcYear = year;
    w.LocalHours = localHours;
    w.ZoneOffset = zoneOffset;
    w.LonWest = lonWest;
    w.SignedZone = lonWest < 0 ? zoneOffset : -zoneOffset;
    return w;
}

QueryDate DateOf(int year, int month, int day) {
    return QueryDate{month, static_cast<std::int16_t>(day), static_cast<std::int16_t>(year)};
}

// Minutes since 1 January 1900 of a "dd.MM.yyyy HH:mm" text (day possibly
// blank-padded), for comparing span ends.
std::optional<long long> MinutesOf(const std::string& text) {
    int d = 0, mo = 0, y = 0, h = 0, mi = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d %d:%d", &d, &mo, &y, &h, &mi) != 5) return std::nullopt;
    // Days from civil (proleptic Gregorian), shifted to a 1900 origin.
    const int yy = y - (mo <= 2);
    const int era = yy / 400;
    const int yoe = yy - era * 400;
    const int doy = (153 * ((mo + 9) % 12) + 2) / 5 + d - 1;
    const long long days = era * 146097LL + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return days * 1440 + h * 60 + mi;
}

struct Span {
    long long from;
    long long to;
};

// A span text is start, "  to", " ", end.
Span SpanOf(const std::string& text) {
    const std::size_t sep = text.find("  to ");
    EXPECT_NE(sep, std::string::npos) << text;
    if (sep == std::string::npos) return {0, 0};
    const auto from = MinutesOf(text.substr(0, sep));
    const auto to = MinutesOf(text.substr(sep + 5));
    EXPECT_TRUE(from && to) << text;
    if (!from || !to) return {0, 0};
    return {*from, *to};
}

// ---- time chain -----------------------------------------------------------

TEST(PanchangTimeChainTest, WestZone5AtNoonIs17hUniversal) {
    const PanchangMoment m = PanchangTimeChain(At(1984, 3, 5, 12.0, 5.0, 75.0));
    EXPECT_EQ(m.z, -5.0);
    EXPECT_DOUBLE_EQ(m.jdUt, 2445764.5 + 17.0 / 24);
}

TEST(PanchangTimeChainTest, EastZone5h30AtNoonIs6h30Universal) {
    const PanchangMoment m = PanchangTimeChain(At(1984, 3, 5, 12.0, 5.5, -77.2));
    EXPECT_EQ(m.z, 5.5);
    EXPECT_DOUBLE_EQ(m.jdUt, 2445764.5 + 6.5 / 24);
}

TEST(PanchangTimeChainTest, DeltaTIsAppliedOnceAndTakenBackOutOfShownMoments) {
    for (const int year : {1901, 1950, 1987, 2000, 2050}) {
        const PanchangMoment m = PanchangTimeChain(At(year, 6, 1, 10.5, 5.5, -77.0));
        EXPECT_EQ(m.deltaT, DeltaTHours(m.jdUt)) << year;
        EXPECT_EQ(m.jde, m.jdUt + m.deltaT / 24) << year;
        EXPECT_EQ(m.shownTz, m.z - m.deltaT) << year;
        EXPECT_GT(std::fabs(m.deltaT), 1e-4) << year;  // ΔT is tens of seconds in these years
    }
}

// ---- the report ----------------------------------------------------------

// The same instant seen from a western place (zone 5, 12:00) and from
// Greenwich (17:00): the same elements, and every span end shown five hours
// earlier in the west.
TEST(PanchangReportTest, SpansAreShownInLocalTime) {
    const PanchangResult west = CalculatePanchang(At(1984, 3, 5, 12.0, 5.0, 75.0), DateOf(1984, 3, 5));
    const PanchangResult greenwich = CalculatePanchang(At(1984, 3, 5, 17.0, 0.0, 0.0), DateOf(1984, 3, 5));
    EXPECT_EQ(west.CurrentTithi, greenwich.CurrentTithi);
    EXPECT_EQ(west.CurrentYoga, greenwich.CurrentYoga);
    EXPECT_EQ(west.CurrentKarana, greenwich.CurrentKarana);
    for (const auto member : {&PanchangResult::CurrentTithiSpan, &PanchangResult::CurrentYogaSpan,
                              &PanchangResult::CurrentKaranaSpan}) {
        const Span w = SpanOf(west.*member);
        const Span g = SpanOf(greenwich.*member);
        EXPECT_NEAR(static_cast<double>(g.from - w.from), 300.0, 1.0) << west.*member;
        EXPECT_NEAR(static_cast<double>(g.to - w.to), 300.0, 1.0) << west.*member;
    }
}

// Each span holds the query moment on the local clock; the karana (asked for
// by half-tithi with step 6) is the first or second half of the tithi (step 12).
TEST(PanchangReportTest, SpansHoldTheMomentAndKaranaIsHalfTheTithi) {
    struct Moment {
        int year, month, day;
        double hours;
    };
    for (const Moment q : {Moment{1987, 8, 15, 10.5}, Moment{1901, 1, 1, 0.0}, Moment{1950, 6, 21, 23.75},
                           Moment{2000, 2, 29, 6.0}, Moment{2050, 12, 31, 23.98}}) {
        const PanchangResult r = CalculatePanchang(At(q.year, q.month, q.day, q.hours, 5.5, -77.2),
                                                   DateOf(q.year, q.month, q.day));
        char when[40];
        std::snprintf(when, sizeof when, "%02d.%02d.%04d %02d:%02d", q.day, q.month, q.year,
                      static_cast<int>(q.hours), static_cast<int>(std::fmod(q.hours, 1.0) * 60 + 1e-9));
        const long long local = *MinutesOf(when);
        const Span tithi = SpanOf(r.CurrentTithiSpan);
        const Span yoga = SpanOf(r.CurrentYogaSpan);
        const Span karana = SpanOf(r.CurrentKaranaSpan);
        for (const Span s : {tithi, yoga, karana}) {
            EXPECT_LE(s.from, local) << when;
            EXPECT_GE(s.to, local) << when;
            EXPECT_GT(s.to - s.from, 6 * 60) << when;
            EXPECT_LT(s.to - s.from, 30 * 60) << when;
        }
        EXPECT_TRUE(karana.from == tithi.from || karana.to == tithi.to) << when;
        EXPECT_GE(karana.from, tithi.from) << when;
        EXPECT_LE(karana.to, tithi.to) << when;
    }
}

TEST(PanchangReportTest, ResultsFollowTheIndexes) {
    const PanchangResult r = CalculatePanchang(At(1987, 8, 15, 10.5, 5.5, -77.0 - 13.0 / 60), DateOf(1987, 8, 15));
    const int i = r.TithiIndex;
    ASSERT_GE(i, 0);
    ASSERT_LT(i, 30);
    ASSERT_TRUE(r.Tithi);
    EXPECT_EQ(r.CurrentTithi, TithiTable[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(r.Tithi->nature, TithiTable[static_cast<std::size_t>(i)].nature);
    EXPECT_EQ(r.VaraNumber, std::optional<int>(7));
    // The yoga's paragraph belongs to its name.
    bool found = false;
    for (std::size_t row = 0; row < 27; ++row) {
        if (YogaNames[row] == r.CurrentYoga) {
            EXPECT_EQ(r.YogaText, YogaTexts[row]);
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_NEAR(r.NegAyanamsa, -23.7, 0.1);
}

// A moment that cannot be computed (a non-finite clock time) gives no yoga,
// karana or spans, and does not hang or crash.
TEST(PanchangReportTest, NonFiniteMomentSkipsTheIndexSteps) {
    const PanchangResult r =
        CalculatePanchang(At(1987, 8, 15, std::numeric_limits<double>::quiet_NaN(), 5.5, -77.0), DateOf(1987, 8, 15));
    EXPECT_FALSE(r.CurrentYoga);
    EXPECT_FALSE(r.YogaText);
    EXPECT_FALSE(r.CurrentKarana);
    EXPECT_EQ(r.CurrentKaranaSpan, "");
    EXPECT_EQ(r.CurrentYogaSpan, "");
    EXPECT_EQ(r.CurrentTithiSpan, "");
    // A failed tithi index reads row 1.
    EXPECT_EQ(r.TithiIndex, 1);
    EXPECT_EQ(r.CurrentTithi, "Dwithiai");
    // The vara needs no astronomy.
    EXPECT_EQ(r.VaraNumber, std::optional<int>(7));
}

}  // namespace
}  // namespace velmora
