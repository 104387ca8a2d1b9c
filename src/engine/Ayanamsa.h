#pragma once

#include <string>

// Minus the ayanamsa (a negative number of degrees: about -22.5 in 1901,
// -23.9 in 2000) from a mean precession plus two small periodic terms, and its
// degrees-minutes-seconds text.
namespace velmora {

// t: Julian centuries of UT from 2000 January 1, 12h. Degrees.
// Used to make the Moon's longitude sidereal.
double AyanamsaShift2000(double t);

// t: Julian centuries of UT from 1899 December 31, 12h. Degrees.
// Used for the text shown on the results window.
double AyanamsaShift1900(double t);

// Text of an angle in degrees: signed whole degrees, "° ", truncated minutes,
// "' ", truncated seconds and a double quote, e.g. -23° 51' 14". The sign
// multiplies the whole degrees only, so -0.5 reads 0° 30' 0". A value that is
// not finite gives an empty text.
std::string FormatDms(double x);

}  // namespace velmora
