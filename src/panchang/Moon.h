#pragma once

#include <span>

#include "shared/CalculationState.h"

namespace velmora {

// Apparent tropical longitude of the Moon in 0..360 (360 included) at a JDE.
// Writes MoonLongitudeRaw (unreduced, continuous), MoonDailyMotion (degrees per
// day) and, as scratch, UniversalHours (the argument of latitude in radians).
double MoonLongitude(CalculationState& state, double jde);

// One row of the lunar longitude series: the integer multipliers of the Moon's
// mean anomaly l, the Sun's mean anomaly Ms, the argument of latitude F and the
// mean elongation D, and the coefficient in arcseconds.
struct LunarSeriesTerm {
    int l;
    int ms;
    int f;
    int d;
    double arcsec;
};

// The rows MoonLongitude sums, in table order: the main series (93 rows, with
// the eccentricity and node factors) and the supplementary series (27 rows,
// without them). Read-only views for checks against an independent ephemeris.
std::span<const LunarSeriesTerm> MoonMainSeries();
std::span<const LunarSeriesTerm> MoonSupplementarySeries();

}  // namespace velmora
