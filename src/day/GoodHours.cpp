#include "day/GoodHours.h"

#include <algorithm>
#include <cmath>

#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/LunarMonth.h"

namespace velmora {

namespace {

bool ValidVara(int vara) { return vara >= 1 && vara <= 7; }

// Both ends known, finite and in order.
bool Ordered(std::optional<double> from, std::optional<double> to) {
    return from && to && std::isfinite(*from) && std::isfinite(*to) && *to > *from;
}

// Part `index` (0-based) of `parts` equal parts of [from, to).
NamedSpan PartOf(double from, double to, int index, int parts, int key) {
    const double length = (to - from) / parts;
    return {key, from + index * length, from + (index + 1) * length};
}

int ChaldeanPosition(int planet) {
    for (int i = 0; i < 7; ++i) {
        if (ChaldeanOrder[static_cast<std::size_t>(i)] == planet) return i;
    }
    return 0;
}

int PlanetAt(int position) { return ChaldeanOrder[static_cast<std::size_t>(((position % 7) + 7) % 7)]; }

// The span a table value in ghatis gives inside one nakshatra span.
NamedSpan GhatiSpan(const DayElement& n, double ghati) {
    const double length = n.endJdUt - n.startJdUt;
    return {n.number, n.startJdUt + length * (ghati / GhatisPerNakshatra),
            n.startJdUt + length * ((ghati + VarjyamGhatis) / GhatisPerNakshatra)};
}

template <typename Table>
std::vector<NamedSpan> NakshatraSpans(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd,
                                      const Table& table, bool withMulaSecond) {
    std::vector<NamedSpan> found;
    for (const DayElement& n : nakshatras) {
        if (n.number < 1 || n.number > 27 || !(n.endJdUt > n.startJdUt)) continue;
        const auto index = static_cast<std::size_t>(n.number - 1);
        NamedSpan spans[2] = {GhatiSpan(n, table[index]), {}};
        int count = 1;
        if (withMulaSecond && n.number - 1 == MulaIndex) spans[count++] = GhatiSpan(n, MulaSecondVarjyamGhati);
        for (int i = 0; i < count; ++i) {
            if (spans[i].startJdUt < dayEnd && spans[i].endJdUt > dayStart) found.push_back(spans[i]);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const NamedSpan& a, const NamedSpan& b) { return a.startJdUt < b.startJdUt; });
    return found;
}

}  // namespace

DayAndNight ChoghadiyaOf(std::optional<double> sunrise, std::optional<double> sunset,
                         std::optional<double> nextSunrise, int vara) {
    DayAndNight out;
    if (!ValidVara(vara)) return out;
    const int lord = ChaldeanPosition(vara - 1);
    auto name = [](int position) { return ChoghadiyaOfPlanet[static_cast<std::size_t>(PlanetAt(position))]; };
    if (Ordered(sunrise, sunset)) {
        for (int k = 0; k < ChoghadiyaParts; ++k) {
            out.day.push_back(PartOf(*sunrise, *sunset, k, ChoghadiyaParts, name(lord + k)));
        }
    }
    if (Ordered(sunset, nextSunrise)) {
        for (int k = 0; k < ChoghadiyaParts; ++k) {
            out.night.push_back(PartOf(*sunset, *nextSunrise, k, ChoghadiyaParts,
                                       name(lord + ChoghadiyaNightStep * (k + 1))));
        }
    }
    return out;
}

DayAndNight HorasOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> nextSunrise,
                    int vara) {
    DayAndNight out;
    if (!ValidVara(vara)) return out;
    const int lord = ChaldeanPosition(vara - 1);
    if (Ordered(sunrise, sunset)) {
        for (int k = 0; k < HorasPerHalf; ++k) {
            out.day.push_back(PartOf(*sunrise, *sunset, k, HorasPerHalf, PlanetAt(lord + k)));
        }
    }
    if (Ordered(sunset, nextSunrise)) {
        for (int k = 0; k < HorasPerHalf; ++k) {
            out.night.push_back(PartOf(*sunset, *nextSunrise, k, HorasPerHalf, PlanetAt(lord + HorasPerHalf + k)));
        }
    }
    return out;
}

DayAndNight GowriOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> nextSunrise,
                    int vara) {
    DayAndNight out;
    if (!ValidVara(vara)) return out;
    const auto w = static_cast<std::size_t>(vara - 1);
    if (Ordered(sunrise, sunset)) {
        for (int k = 0; k < GowriParts; ++k) {
            out.day.push_back(PartOf(*sunrise, *sunset, k, GowriParts, GowriDay[w][static_cast<std::size_t>(k)]));
        }
    }
    if (Ordered(sunset, nextSunrise)) {
        for (int k = 0; k < GowriParts; ++k) {
            out.night.push_back(
                PartOf(*sunset, *nextSunrise, k, GowriParts, GowriNight[w][static_cast<std::size_t>(k)]));
        }
    }
    return out;
}

std::vector<DaySpan> DurmuhurtaOf(std::optional<double> sunrise, std::optional<double> sunset,
                                  std::optional<double> nextSunrise, int vara) {
    std::vector<DaySpan> out;
    if (!ValidVara(vara)) return out;
    for (const DurmuhurtaPart& p : DurmuhurtaParts[static_cast<std::size_t>(vara - 1)]) {
        if (p.part < 1) continue;
        const std::optional<double> from = p.night ? sunset : sunrise;
        const std::optional<double> to = p.night ? nextSunrise : sunset;
        if (!Ordered(from, to)) continue;
        const NamedSpan s = PartOf(*from, *to, p.part - 1, 15, 0);
        out.push_back({s.startJdUt, s.endJdUt});
    }
    return out;
}

std::vector<NamedSpan> VarjyamOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd) {
    return NakshatraSpans(nakshatras, dayStart, dayEnd, VarjyamGhati, true);
}

std::vector<NamedSpan> AmritKalamOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd) {
    return NakshatraSpans(nakshatras, dayStart, dayEnd, AmritKalamGhati, false);
}

std::optional<DaySpan> PanchakOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd) {
    // Panchak lies in Dhanishta (23) .. Revati (27); look only when one of
    // them is in force, from a moment inside the day where it is.
    for (const DayElement& n : nakshatras) {
        if (n.number < 23 || n.number > 27) continue;
        const double from = std::max(n.startJdUt, dayStart);
        const double to = std::min(n.endJdUt, dayEnd);
        if (!(to > from)) continue;
        // In Dhanishta the second half is the one that counts: its last moment
        // in the day is where the Moon is furthest on.
        const double at = n.number == 23 ? to - 1.0 / 1440 : from + 0.5 * (to - from);
        if (!(at > from - 1.0 / 1440)) continue;
        const double jde = EphemerisFromUniversal(at);
        SiderealMoonSpans spans(SunMoonAt(jde), NegativeAyanamsa(jde));
        const double lon = spans.Longitude();
        if (!(lon >= 300 && lon < 360)) continue;
        const std::optional<PeriodMoments> span = spans.Moments(PanchakFirstPada / PanchakPadas, PanchakPadas);
        if (!span) return std::nullopt;
        const DaySpan s{UniversalFromEphemeris(span->start), UniversalFromEphemeris(span->end)};
        if (s.startJdUt < dayEnd && s.endJdUt > dayStart) return s;
    }
    return std::nullopt;
}

}  // namespace velmora
