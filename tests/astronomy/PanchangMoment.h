#pragma once

// The moment of a query as the panchang report forms it, for tests of the
// searches: UT from a civil date and UT hours, ephemeris time by ΔT, the
// ayanamsa, the Sun and Moon at the moment, and the element indexes.
#include <cmath>

#include "astronomy/Calendar.h"
#include "astronomy/Elements.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"

namespace velmora::testing {

struct PanchangMoment {
    double jdUt = 0;
    double jde = 0;
    SunMoon at;             // the Sun and Moon at jde
    double moon = 0;        // tropical, degrees 0..360
    double sun = 0;
    double negAyanamsa = 0; // degrees
    double yogaSum = 0;     // unreduced sidereal sum, degrees
    int tithi = 0;          // 0..29
    int halfTithi = 0;      // 0..59
};

inline PanchangMoment MomentAtJde(double jde) {
    PanchangMoment m;
    m.jde = jde;
    m.negAyanamsa = NegativeAyanamsa(jde);
    m.at = SunMoonAt(jde);
    m.moon = m.at.moon.longitude;
    m.sun = m.at.sun.longitude;
    m.yogaSum = YogaSumOf(m.negAyanamsa, m.at.moon.raw, m.at.sun.raw);
    const double elongation = Elongation(m.moon, m.sun);
    m.tithi = static_cast<int>(std::floor(elongation / 12));
    m.halfTithi = static_cast<int>(std::floor(elongation / 6));
    return m;
}

inline PanchangMoment MomentAt(int month, int day, int year, double utHours) {
    const double jdUt = JulianDayFromDate(month, day, year) + utHours / 24;
    const double jde = jdUt + DeltaTHours(jdUt) / 24;
    PanchangMoment m = MomentAtJde(jde);
    m.jdUt = jdUt;
    return m;
}

}  // namespace velmora::testing
