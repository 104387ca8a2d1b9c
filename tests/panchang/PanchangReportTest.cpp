#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "input/InputForm.h"
#include "panchang/Calendar.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"
#include "results/ResultsPage.h"

namespace velmora {
namespace {

// The engine's working values for a moment, as ComputeMoonNakshatra leaves them.
CalculationState StateAt(int year, int month, int day, double localHours, double zoneOffset, double lonWest) {
    CalculationState state;
    state.engine.CalcMonth = static_cast<std::int16_t>(month);
    state.engine.CalcDay = static_cast<std::int16_t>(day);
    state.engine.CalcYear = static_cast<std::int16_t>(year);
    state.engine.LocalHours = localHours;
    state.engine.ZoneOffset = zoneOffset;
    state.engine.LonWest = lonWest;
    return state;
}

InputForm FormFor(int year, int month, int day) {
    InputForm form;
    form.cboMonth = month - 1;
    form.cboDate = day - 1;
    form.cboYear = year - FirstYear;
    return form;
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
    CalculationState state = StateAt(1984, 3, 5, 12.0, 5.0, 75.0);
    const PanchangMoment m = PanchangTimeChain(state);
    EXPECT_EQ(m.z, -5.0);
    EXPECT_DOUBLE_EQ(m.jdUt, 2445764.5 + 17.0 / 24);
}

TEST(PanchangTimeChainTest, EastZone5h30AtNoonIs6h30Universal) {
    CalculationState state = StateAt(1984, 3, 5, 12.0, 5.5, -77.2);
    const PanchangMoment m = PanchangTimeChain(state);
    EXPECT_EQ(m.z, 5.5);
    EXPECT_DOUBLE_EQ(m.jdUt, 2445764.5 + 6.5 / 24);
}

TEST(PanchangTimeChainTest, LongitudeZeroCountsAsWest) {
    EXPECT_EQ(SignedZoneOffset(1.0, 0.0), -1.0);
    EXPECT_EQ(SignedZoneOffset(1.0, -0.01), 1.0);
    EXPECT_EQ(SignedZoneOffset(4.0, 75.0), -4.0);
}

TEST(PanchangTimeChainTest, DeltaTIsAppliedOnce) {
    for (const int year : {1901, 1950, 1987, 2000, 2050}) {
        CalculationState state = StateAt(year, 6, 1, 10.5, 5.5, -77.0);
        const PanchangMoment m = PanchangTimeChain(state);
        CalculationState scratch;
        const double deltaDays = DeltaTHours(scratch, m.jdUt) / 24;
        EXPECT_NEAR(m.jde - m.jdUt, deltaDays, 1e-9) << year;
        EXPECT_GT(std::fabs(deltaDays), 1e-6) << year;  // ΔT is tens of seconds in these years
    }
}

// ---- the report ----------------------------------------------------------

// The same instant seen from a western place (zone 5, 12:00) and from
// Greenwich (17:00): the same elements, and every span end shown five hours
// earlier in the west.
TEST(PanchangReportTest, SpansAreShownInLocalTime) {
    CalculationState west = StateAt(1984, 3, 5, 12.0, 5.0, 75.0);
    CalculationState greenwich = StateAt(1984, 3, 5, 17.0, 0.0, 0.0);
    ResultsPage westPage, greenwichPage;
    CalculatePanchang(FormFor(1984, 3, 5), west, westPage);
    CalculatePanchang(FormFor(1984, 3, 5), greenwich, greenwichPage);
    EXPECT_EQ(west.results.CurrentTithi, greenwich.results.CurrentTithi);
    EXPECT_EQ(west.results.CurrentYoga, greenwich.results.CurrentYoga);
    EXPECT_EQ(west.results.CurrentKarana, greenwich.results.CurrentKarana);
    for (const auto member : {&PanchangResults::CurrentTithiSpan, &PanchangResults::CurrentYogaSpan,
                              &PanchangResults::CurrentKaranaSpan}) {
        const Span w = SpanOf(west.results.*member);
        const Span g = SpanOf(greenwich.results.*member);
        EXPECT_NEAR(static_cast<double>(g.from - w.from), 300.0, 1.0) << west.results.*member;
        EXPECT_NEAR(static_cast<double>(g.to - w.to), 300.0, 1.0) << west.results.*member;
    }
}

// Each span holds the query moment; the karana (asked for by half-tithi with
// step 6) is the first or second half of the tithi (step 12).
TEST(PanchangReportTest, SpansHoldTheMomentAndKaranaIsHalfTheTithi) {
    struct Moment {
        int year, month, day;
        double hours;
    };
    for (const Moment q : {Moment{1987, 8, 15, 10.5}, Moment{1901, 1, 1, 0.0}, Moment{1950, 6, 21, 23.75},
                           Moment{2000, 2, 29, 6.0}, Moment{2050, 12, 31, 23.98}}) {
        CalculationState state = StateAt(q.year, q.month, q.day, q.hours, 5.5, -77.2);
        ResultsPage page;
        CalculatePanchang(FormFor(q.year, q.month, q.day), state, page);
        char when[40];
        std::snprintf(when, sizeof when, "%02d.%02d.%04d %02d:%02d", q.day, q.month, q.year,
                      static_cast<int>(q.hours), static_cast<int>(std::fmod(q.hours, 1.0) * 60 + 1e-9));
        const long long local = *MinutesOf(when);
        const Span tithi = SpanOf(state.results.CurrentTithiSpan);
        const Span yoga = SpanOf(state.results.CurrentYogaSpan);
        const Span karana = SpanOf(state.results.CurrentKaranaSpan);
        // Shown moments are ephemeris time plus the zone: allow ΔT (about a minute).
        for (const Span s : {tithi, yoga, karana}) {
            EXPECT_LE(s.from, local + 2) << when;
            EXPECT_GE(s.to, local) << when;
            EXPECT_GT(s.to - s.from, 6 * 60) << when;
            EXPECT_LT(s.to - s.from, 30 * 60) << when;
        }
        EXPECT_TRUE(karana.from == tithi.from || karana.to == tithi.to) << when;
        EXPECT_GE(karana.from, tithi.from) << when;
        EXPECT_LE(karana.to, tithi.to) << when;
    }
}

TEST(PanchangReportTest, ControlsFollowTheIndexes) {
    CalculationState state = StateAt(1987, 8, 15, 10.5, 5.5, -77.0 - 13.0 / 60);
    ResultsPage page;
    CalculatePanchang(FormFor(1987, 8, 15), state, page);
    const int i = state.panchang.TithiIndex;
    ASSERT_GE(i, 0);
    ASSERT_LT(i, 30);
    EXPECT_EQ(state.results.CurrentTithi, TithiNames[static_cast<std::size_t>(i)]);
    EXPECT_EQ(page.txtTithiDesc, TithiNatures[static_cast<std::size_t>(i)]);
    EXPECT_EQ(page.lblPhase, TithiPhases[static_cast<std::size_t>(i)]);
    EXPECT_EQ(page.txtType, TithiTypeTexts[static_cast<std::size_t>(i)]);
    EXPECT_EQ(page.lblDay, "Saturday");
    EXPECT_EQ(state.panchang.VaraNumber, std::optional<int>(7));
    // The yoga's paragraph belongs to its name.
    bool found = false;
    for (std::size_t row = 0; row < 27; ++row) {
        if (YogaNames[row] == state.results.CurrentYoga) {
            EXPECT_EQ(page.txtYogaDesc, YogaTexts[row]);
            found = true;
        }
    }
    EXPECT_TRUE(found) << state.results.CurrentYoga;
    EXPECT_NEAR(state.panchang.NegAyanamsa, -23.7, 0.1);
}

// A moment that cannot be computed (a non-finite clock time) leaves the
// yoga and karana texts of the previous run and does not hang or crash.
TEST(PanchangReportTest, NonFiniteMomentSkipsTheIndexSteps) {
    CalculationState state = StateAt(1987, 8, 15, std::numeric_limits<double>::quiet_NaN(), 5.5, -77.0);
    state.results.CurrentYoga = "previous yoga";
    state.results.CurrentKarana = "previous karana";
    state.results.CurrentKaranaSpan = "previous karana span";
    state.results.CurrentYogaSpan = "previous yoga span";
    state.results.CurrentTithiSpan = "previous tithi span";
    ResultsPage page;
    const ResultsPage design;
    CalculatePanchang(FormFor(1987, 8, 15), state, page);
    EXPECT_EQ(state.results.CurrentYoga, "previous yoga");
    EXPECT_EQ(state.results.CurrentKarana, "previous karana");
    EXPECT_EQ(state.results.CurrentKaranaSpan, "previous karana span");
    // A span whose moments cannot be shown as dates is a failed step too.
    EXPECT_EQ(state.results.CurrentYogaSpan, "previous yoga span");
    EXPECT_EQ(state.results.CurrentTithiSpan, "previous tithi span");
    EXPECT_EQ(page.txtYogaDesc, design.txtYogaDesc);
    // The tithi index keeps the 1 it is set to at the start of every run.
    EXPECT_EQ(state.panchang.TithiIndex, 1);
    EXPECT_EQ(state.results.CurrentTithi, "Dwithiai");
    // The vara needs no astronomy.
    EXPECT_EQ(page.lblDay, "Saturday");
}

}  // namespace
}  // namespace velmora
