#include "day/Tarabalam.h"

#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/GoodHoursTables.h"
#include "panchang/MoonMansion.h"

namespace velmora {

std::optional<int> TaraOf(int birthNakshatra, int nakshatra) {
    if (birthNakshatra < 1 || birthNakshatra > 27 || nakshatra < 1 || nakshatra > 27) return std::nullopt;
    const int count = (nakshatra - birthNakshatra + 27) % 27 + 1;  // the birth one counts 1
    const int tara = count % 9;
    return tara == 0 ? 9 : tara;
}

std::optional<int> ChandraPlaceOf(int birthSign, int sign) {
    if (birthSign < 0 || birthSign > 11 || sign < 0 || sign > 11) return std::nullopt;
    return (sign - birthSign + 12) % 12 + 1;
}

std::vector<TaraSpan> MoonSignsOver(double from, double to) {
    std::vector<TaraSpan> out;
    double t = from;
    for (int guard = 0; guard < 4 && t < to; ++guard) {
        const double jde = EphemerisFromUniversal(t);
        SiderealMoonSpans spans(SunMoonAt(jde), NegativeAyanamsa(jde));
        const std::optional<int> sign = SignIndexOf(spans.Longitude());
        if (!sign) break;
        const std::optional<PeriodMoments> span = spans.Moments(*sign, PadasPerSign);
        if (!span) break;
        TaraSpan s;
        s.of = *sign;
        s.startJdUt = UniversalFromEphemeris(span->start);
        s.endJdUt = UniversalFromEphemeris(span->end);
        if (!(s.endJdUt > t)) break;
        out.push_back(s);
        t = s.endJdUt + 1.0 / 1440;  // a minute into the next sign
    }
    return out;
}

DayStrength DayStrengthOf(const HinduDay& day, const Birth& birth) {
    DayStrength d;
    if (birth.nakshatra < 1 || birth.nakshatra > 27 || birth.moonSign < 0 || birth.moonSign > 11) return d;
    for (const DayElement& n : day.nakshatra) {
        const std::optional<int> tara = TaraOf(birth.nakshatra, n.number);
        if (!tara) continue;
        d.tarabalam.push_back({*tara, n.number, TaraGood[static_cast<std::size_t>(*tara - 1)], n.startJdUt, n.endJdUt});
    }
    for (TaraSpan s : MoonSignsOver(day.startJdUt, day.endJdUt)) {
        const std::optional<int> place = ChandraPlaceOf(birth.moonSign, s.of);
        if (!place) continue;
        s.tara = *place;
        s.good = ChandrabalamGood[static_cast<std::size_t>(*place - 1)];
        d.chandrabalam.push_back(s);
    }
    return d;
}

}  // namespace velmora
