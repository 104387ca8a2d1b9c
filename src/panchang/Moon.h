#pragma once

#include "shared/CalculationState.h"

namespace velmora {

// Apparent tropical longitude of the Moon in 0..360 (360 included) at a JDE.
// Writes MoonLongitudeRaw (unreduced, continuous), MoonDailyMotion (degrees per
// day) and, as scratch, UniversalHours (the argument of latitude in radians).
double MoonLongitude(CalculationState& state, double jde);

}  // namespace velmora
