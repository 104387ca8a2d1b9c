#pragma once

// The moment of a query as the panchang report forms it, for tests of the
// searches: UT from a civil date and UT hours, ephemeris time by ΔT, the
// ayanamsa, then the Moon before the Sun (the raw values the yoga sum uses are
// those of these two calls), and the element indexes.
#include <cmath>

#include "panchang/Calendar.h"
#include "panchang/Moon.h"
#include "panchang/Sun.h"
#include "shared/CalculationState.h"

namespace velmora::testing {

struct PanchangMoment {
    double jdUt = 0;
    double jde = 0;
    double moon = 0;  // tropical, degrees 0..360
    double sun = 0;
    double yogaSum = 0;  // unreduced sidereal sum, degrees
    int tithi = 0;       // 0..29
    int halfTithi = 0;   // 0..59
};

// Elongation Moon - Sun in degrees, 0..360, with 360 added to the Moon when it
// is behind the Sun.
inline double Elongation(double moon, double sun) { return (moon < sun ? moon + 360 : moon) - sun; }

inline PanchangMoment MomentAtJde(CalculationState& state, double jde) {
    PanchangMoment m;
    m.jde = jde;
    state.panchang.NegAyanamsa = NegativeAyanamsa(jde);
    m.moon = MoonLongitude(state, jde);
    m.sun = SunLongitude(state, jde);
    const PanchangFields& p = state.panchang;
    m.yogaSum = (p.NegAyanamsa + p.MoonLongitudeRaw - 491143.076989739) + (p.NegAyanamsa + p.SunLongitudeRaw - 36976.912405792);
    const double elongation = Elongation(m.moon, m.sun);
    m.tithi = static_cast<int>(std::floor(elongation / 12));
    m.halfTithi = static_cast<int>(std::floor(elongation / 6));
    return m;
}

inline PanchangMoment MomentAt(CalculationState& state, int month, int day, int year, double utHours) {
    const double jdUt = JulianDayFromDate(month, day, year) + utHours / 24;
    const double jde = jdUt + DeltaTHours(state, jdUt) / 24;
    PanchangMoment m = MomentAtJde(state, jde);
    m.jdUt = jdUt;
    return m;
}

}  // namespace velmora::testing
