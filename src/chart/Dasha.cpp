#include "chart/Dasha.h"

#include <cmath>

namespace velmora {

const std::array<DashaLord, 9> VimshottariLords = {{
    {Graha::Ketu, 7},
    {Graha::Venus, 20},
    {Graha::Sun, 6},
    {Graha::Moon, 10},
    {Graha::Mars, 7},
    {Graha::Rahu, 18},
    {Graha::Jupiter, 16},
    {Graha::Saturn, 19},
    {Graha::Mercury, 17},
}};

std::optional<Vimshottari> VimshottariOf(double moonSiderealDeg, double birthJdUt) {
    if (!std::isfinite(moonSiderealDeg) || !std::isfinite(birthJdUt)) return std::nullopt;
    double lon = std::fmod(moonSiderealDeg, 360.0);
    if (lon < 0) lon += 360.0;
    // Nakshatras of 13°20′, counted in arcminutes (800 each) to keep the
    // divisions exact at their edges.
    const double minutes = lon * 60.0;
    int nakshatra = static_cast<int>(std::floor(minutes / 800.0));
    if (nakshatra > 26) nakshatra = 26;
    const double crossed = (minutes - 800.0 * nakshatra) / 800.0;  // 0 <= crossed < 1
    const int first = nakshatra % 9;

    Vimshottari d;
    d.birthLord = VimshottariLords[static_cast<std::size_t>(first)].graha;
    const int firstYears = VimshottariLords[static_cast<std::size_t>(first)].years;
    d.balanceYears = firstYears * (1.0 - crossed);
    double start = birthJdUt - firstYears * crossed * DashaYearDays;
    for (int m = 0; m < 9; ++m) {
        const DashaLord maha = VimshottariLords[static_cast<std::size_t>((first + m) % 9)];
        Mahadasha& md = d.mahadashas[static_cast<std::size_t>(m)];
        md.period = {maha.graha, start, start + maha.years * DashaYearDays};
        double subStart = start;
        for (int a = 0; a < 9; ++a) {
            const DashaLord sub = VimshottariLords[static_cast<std::size_t>((first + m + a) % 9)];
            const double days = maha.years * sub.years / 120.0 * DashaYearDays;
            md.antardashas[static_cast<std::size_t>(a)] = {sub.graha, subStart, subStart + days};
            subStart += days;
        }
        // The last antardasha ends where its mahadasha does, to the bit.
        md.antardashas[8].endJdUt = md.period.endJdUt;
        start = md.period.endJdUt;
    }
    return d;
}

std::optional<RunningDasha> DashaRunningAt(const Vimshottari& dasha, double jdUt) {
    if (!std::isfinite(jdUt)) return std::nullopt;
    for (int m = 0; m < 9; ++m) {
        const Mahadasha& md = dasha.mahadashas[static_cast<std::size_t>(m)];
        if (jdUt < md.period.startJdUt || jdUt >= md.period.endJdUt) continue;
        for (int a = 0; a < 9; ++a) {
            const DashaPeriod& p = md.antardashas[static_cast<std::size_t>(a)];
            if (jdUt >= p.startJdUt && jdUt < p.endJdUt) return RunningDasha{m, a};
        }
        return RunningDasha{m, 8};
    }
    return std::nullopt;
}

}  // namespace velmora
