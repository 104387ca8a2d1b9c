#pragma once

#include "astronomy/Angles.h"

// The panchang's solar theory (1900 epoch), nutation and ayanamsa. Time
// arguments are Julian days in ephemeris time (JDE); d = JDE − J1900 days,
// T = d / 36525 Julian centuries. Angles in degrees unless a name says radians.
namespace velmora {

// Eccentric anomaly in radians for a mean anomaly and a tolerance in degrees,
// by Newton's method, with an iteration guard that never changes a converging
// case (it stops at the current estimate).
double SolveKepler(double meanAnomalyDeg, double e, double toleranceDeg);

// Nutation in longitude, degrees (13-term series).
double NutationInLongitude(double jde);

// The Sun at one moment.
struct SunPosition {
    double longitude;  // apparent tropical longitude, 0..360 (360 included)
    double raw;        // the same before reduction: continuous in time (the yoga sum reads it)
};

// The Sun's apparent longitude at a JDE; `nutation` is NutationInLongitude(jde),
// passed in when the Moon needs it at the same moment.
SunPosition SunLongitude(double jde, double nutation);
SunPosition SunLongitude(double jde);

// Minus the ayanamsa at a JDE, degrees (about −22.5 near 1900, −23.9 near 2000).
double NegativeAyanamsa(double jde);

}  // namespace velmora
