#pragma once

#include <array>

// The nine grahas and the lagna, sidereal (Lahiri), for a moment and a place.
//
// Sources:
// - The Sun and the planets: Mercury to Saturn and the Earth-Moon barycentre
//   from eraPlan94 (Simon et al. 1994, Astron. Astrophys. 282, 663),
//   heliocentric, ICRS axes; the Earth is the barycentre less the Moon's share
//   (1/82.30) of eraMoon98's geocentric Moon (within 0.15′ for the Sun, at a
//   twentieth of eraEpv00's cost); corrected for light-time (iterated) and
//   for annual aberration (eraAb).
// - The Moon: eraMoon98 (Meeus, Astronomical Algorithms 2nd ed. ch. 47, the
//   ELP-2000/82 series), geocentric, with light-time and aberration.
// - Precession IAU 2006 (eraPn06) with the IAU 2000B nutation (eraNut00b:
//   within 1 mas of IAU 2000A in 1995–2050, and a few mas over the century,
//   at a twentieth of its cost); the true ecliptic and equinox of date: the
//   true equator of date turned by the true obliquity.
// - The lagna from the apparent sidereal time (eraGmst06 plus the equation
//   of the equinoxes: Δψ cos ε_A and eraEect00's complementary terms), the
//   true obliquity and the latitude:
//   tan λ = cos θ / −(sin θ cos ε + tan φ sin ε), θ the local sidereal time
//   (Meeus, ch. 14).
// - Rahu: the Moon's mean ascending node (eraFaom03, IERS Conventions 2003)
//   or, as a setting, the osculating (true) node from the Moon's position and
//   velocity; Ketu opposite.
// - The Lahiri ayanamsa as the Indian Astronomical Ephemeris defines it:
//   23°15′00.658″ (true, nutation included) on 1956 March 21, 0h ET, carried
//   by the general precession in longitude (IAU 2006, Capitaine et al. 2003).
//   Its mean value that day is 23.245524743° (the true value less that day's
//   nutation in longitude); the true ayanamsa of a moment is the mean one plus
//   the moment's nutation in longitude.
//
// Time scales: the moment is a Julian day in UT; the ephemerides take TT
// (= TDB to 2 ms), formed with the program's ΔT.
namespace velmora {

enum class NodeKind { Mean, True };

// The order of the charts' tables: Su Mo Ma Me Ju Ve Sa Ra Ke.
enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu };
inline constexpr int GrahaCount = 9;

struct GrahaPlace {
    double longitude = 0.0;  // sidereal, degrees 0 <= λ < 360
    double speed = 0.0;      // degrees a day, negative when retrograde
};

struct SiderealSky {
    std::array<GrahaPlace, GrahaCount> grahas{};
    double lagna = 0.0;            // sidereal longitude rising in the east, degrees 0..360
    double ayanamsa = 0.0;         // true Lahiri ayanamsa of the moment, degrees
    double siderealTimeDeg = 0.0;  // local apparent sidereal time, degrees
};

// The mean Lahiri ayanamsa (no nutation), degrees, at a Julian day in TT.
double LahiriMeanAyanamsa(double jdTt);

// The sky of a moment. `jdUt` a Julian day in UT, `deltaTSeconds` TT − UT,
// latitude north positive and longitude east positive in degrees. Every
// input finite; the results are finite for every finite input (at the poles
// the lagna is whatever the formula's limit gives).
SiderealSky SiderealSkyAt(double jdUt, double deltaTSeconds, double latitudeDeg, double longitudeEastDeg,
                          NodeKind node);

}  // namespace velmora
