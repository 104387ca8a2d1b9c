#pragma once

#include "shared/CalculationState.h"

// The panchang module's solar theory (1900 epoch), nutation and ayanamsa.
// Time arguments are Julian days in ephemeris time (JDE); d = JDE − 2415020,
// T = d / 36525. Angles in degrees.
namespace velmora {

// While below 0 add 360, then while above 360 subtract 360; 360 stays 360.
double Normalize360(double x);

// Eccentric anomaly in radians for a mean anomaly and tolerance in degrees.
// Newton's method with an iteration guard that never changes a converging case.
double SolveKepler(double meanAnomalyDeg, double e, double toleranceDeg);

// Nutation in longitude in degrees (13-term series).
double NutationInLongitude(double jde);

// Apparent tropical longitude of the Sun in 0..360 (360 included).
// Writes the unreduced, continuous longitude to SunLongitudeRaw.
double SunLongitude(CalculationState& state, double jde);

// Minus the ayanamsa in degrees (about −22.5 near 1900, −23.9 near 2000).
double NegativeAyanamsa(double jde);

}  // namespace velmora
