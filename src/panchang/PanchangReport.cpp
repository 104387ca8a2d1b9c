#include "panchang/PanchangReport.h"

#include "astronomy/Calendar.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "panchang/PanchangRules.h"
#include "panchang/Vara.h"

namespace velmora {

PanchangMoment PanchangTimeChain(const WorkingValues& w) {
    PanchangMoment m{};
    m.z = w.SignedZone;
    const double jd0 = JulianDayFromDate(w.CalcMonth, w.CalcDay, w.CalcYear);
    m.jdUt = jd0 + (w.LocalHours - m.z) / 24;
    m.deltaT = DeltaTHours(m.jdUt);
    m.jde = m.jdUt + m.deltaT / 24;
    // The searches work in ephemeris time; a moment t of theirs is shown on the
    // local clock as t + (z - ΔT) / 24, so ΔT does not stay in the shown times.
    m.shownTz = m.z - m.deltaT;
    return m;
}

PanchangResult CalculatePanchang(const WorkingValues& working, const QueryDate& date) {
    PanchangResult r;
    r.VaraNumber = VaraNumberOf(date);

    const PanchangMoment moment = PanchangTimeChain(working);
    r.NegAyanamsa = NegativeAyanamsa(moment.jde);
    // The Sun and Moon at the query moment, once: the yoga sum reads their raw
    // longitudes, the indexes their reduced ones, and every search starts here.
    const SunMoon at = SunMoonAt(moment.jde);
    const double moonLon = at.moon.longitude;
    const double sunLon = at.sun.longitude;

    // Yoga.
    const double yogaSum = YogaSumOf(r.NegAyanamsa, at.moon.raw, at.sun.raw);
    r.CurrentYogaSpan = YogaPeriodText(at, yogaSum, r.NegAyanamsa, moment.shownTz);
    if (const std::optional<double> position = YogaPositionOf(yogaSum)) {
        if (const std::optional<int> yoga = YogaIndexOf(*position)) {
            r.CurrentYoga = TableRow(YogaNames, *yoga);
            r.YogaText = TableRow(YogaTexts, *yoga);
        }
    }

    // Tithi.
    if (const std::optional<int> tithi = TithiIndexOf(moonLon, sunLon)) r.TithiIndex = *tithi;
    r.CurrentTithi = TithiNameOf(r.TithiIndex);
    r.Tithi = TithiRowOf(r.TithiIndex);
    // The tithi and the karana share their new moons, and a karana in the
    // first half of its tithi shares its start.
    ElongationSpans elongation(at);
    r.CurrentTithiSpan = elongation.Text(r.TithiIndex, moment.shownTz, 12);

    // Karana: the span is searched by half-tithi, not by karana.
    if (const std::optional<int> halfTithi = HalfTithiOf(moonLon, sunLon)) {
        r.CurrentKaranaSpan = elongation.Text(*halfTithi, moment.shownTz, 6);
        if (const std::optional<int> karana = KaranaIndexOf(*halfTithi)) {
            r.CurrentKarana = TableRow(KaranaNames, *karana);
        }
    }

    r.Mansion = MoonMansionOf(at, r.NegAyanamsa, moment.shownTz);
    return r;
}

}  // namespace velmora
