#pragma once

// The Moon's geocentric tropical ecliptic longitude from five mean elements
// linear in time and the 25 largest periodic terms of the classical truncated
// lunar theory. No nutation, aberration or light time.
namespace velmora {

// t: Julian centuries of UT from 2000 January 1, 12h. Returns degrees, not
// reduced (the mean longitude alone runs to about -476 000° at t = -0.99).
double LunarLongitude(double t);

}  // namespace velmora
