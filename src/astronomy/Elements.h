#pragma once

// The two angles the panchang's elements are read from: the Moon's elongation
// from the Sun (tithi, karana) and the sidereal sum of the two (yoga).
namespace velmora {

// Moon-minus-Sun elongation in degrees: 360 is added to the Moon when it lies
// below the Sun, so the result is 0..360 for reduced inputs.
double Elongation(double moonLon, double sunLon);

// Offsets taken off the unreduced longitudes in the yoga sum, degrees: whole
// turns less a small offset, subtracted exactly as given so the sum keeps its
// low bits.
inline constexpr double YogaMoonOffset = 491143.076989739;
inline constexpr double YogaSunOffset = 36976.912405792;

// Unreduced sidereal sum of the Moon and Sun in degrees, from the raw
// (continuous) tropical longitudes and minus the ayanamsa. Modulo 360 it is
// the sidereal Moon plus the sidereal Sun plus 0.010604469 degrees.
double YogaSumOf(double negAyanamsa, double moonLongitudeRaw, double sunLongitudeRaw);

}  // namespace velmora
