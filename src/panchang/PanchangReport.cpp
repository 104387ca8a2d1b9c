#include "panchang/PanchangReport.h"

#include <optional>
#include <string>
#include <utility>

#include "panchang/Calendar.h"
#include "panchang/Moon.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"
#include "panchang/Sun.h"
#include "panchang/TransitionSearch.h"
#include "panchang/Vara.h"

namespace velmora {

namespace {

// A span search that could not show one of its moments as a date returns an
// empty text; that is a failed step, which leaves the previous span in place.
void SetSpan(std::string& target, std::string span) {
    if (!span.empty()) target = std::move(span);
}

// Writes a table row into a page text when the index reads a row; a failed
// read leaves the text as it was.
template <typename Table>
void SetFromTable(std::string& target, const Table& table, int index) {
    if (const auto text = TableRow(table, index)) target = std::string(*text);
}

}  // namespace

double SignedZoneOffset(double zoneOffset, double lonWest) { return lonWest < 0 ? zoneOffset : -zoneOffset; }

PanchangMoment PanchangTimeChain(CalculationState& state) {
    const EngineValues& engine = state.engine;
    PanchangMoment m{};
    m.z = SignedZoneOffset(engine.ZoneOffset, engine.LonWest);
    const double jd0 = JulianDayFromDate(engine.CalcMonth, engine.CalcDay, engine.CalcYear);
    m.jdUt = jd0 + (engine.LocalHours - m.z) / 24;
    m.deltaT = DeltaTHours(state, m.jdUt);
    m.jde = m.jdUt + m.deltaT / 24;
    // The searches work in ephemeris time; a moment t of theirs is shown on the
    // local clock as t + (z - ΔT) / 24, so ΔT does not stay in the shown times.
    m.shownTz = m.z - m.deltaT;
    return m;
}

void CalculatePanchang(const InputForm& form, CalculationState& state, ResultsPage& page) {
    PanchangFields& fields = state.panchang;
    PanchangResults& results = state.results;
    // The tables are constant data; only the tithi index is reset as part of
    // setting them up, so a failed tithi index step reads row 1.
    fields.TithiIndex = 1;

    ReportVara(form, state, page);

    // Time chain: local clock time to UT Julian day, then ephemeris time.
    const PanchangMoment moment = PanchangTimeChain(state);
    const double shownTz = moment.shownTz;
    const double jde = moment.jde;

    fields.NegAyanamsa = NegativeAyanamsa(jde);

    // Moon before Sun: the yoga reads the raw longitudes these two calls leave.
    const double moonLon = MoonLongitude(state, jde);
    const double sunLon = SunLongitude(state, jde);

    // Yoga.
    const double yogaSum = YogaSumOf(fields.NegAyanamsa, fields.MoonLongitudeRaw, fields.SunLongitudeRaw);
    const std::optional<double> yogaPosition = YogaPositionOf(yogaSum);
    const std::optional<int> yogaIndex = yogaPosition ? YogaIndexOf(*yogaPosition) : std::nullopt;
    SetSpan(results.CurrentYogaSpan, YogaPeriodText(state, jde, yogaSum, shownTz));
    if (yogaIndex) {
        SetFromTable(results.CurrentYoga, YogaNames, *yogaIndex);
        SetFromTable(page.txtYogaDesc, YogaTexts, *yogaIndex);
    }

    // Tithi.
    if (const std::optional<int> tithi = TithiIndexOf(moonLon, sunLon)) fields.TithiIndex = *tithi;
    const int i = fields.TithiIndex;
    SetFromTable(results.CurrentTithi, TithiNames, i);
    SetFromTable(page.txtTithiDesc, TithiNatures, i);
    SetFromTable(page.lblPhase, TithiPhases, i);
    SetFromTable(page.lblNumber, TithiNumbers, i);
    SetFromTable(page.lblTithiLord, TithiLords, i);
    SetFromTable(page.lblGroup, TithiGroups, i);
    SetFromTable(page.lblFeature, TithiFeatures, i);
    SetFromTable(page.lblTtype, TithiTypes, i);
    SetFromTable(page.txtType, TithiTypeTexts, i);
    SetSpan(results.CurrentTithiSpan, ElongationPeriodText(state, jde, i, shownTz, 12));

    // Karana: the span is searched by half-tithi (step 6), not by karana.
    if (const std::optional<int> halfTithi = HalfTithiOf(moonLon, sunLon)) {
        const std::string span = ElongationPeriodText(state, jde, *halfTithi, shownTz, 6);
        if (const std::optional<int> karana = KaranaIndexOf(*halfTithi)) {
            SetFromTable(results.CurrentKarana, KaranaNames, *karana);
        }
        SetSpan(results.CurrentKaranaSpan, span);
    }
}

}  // namespace velmora
