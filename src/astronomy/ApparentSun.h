#pragma once

// The Sun's apparent place from ERFA, a ΔT from the observed values, and the
// Lahiri ayanamsa, for the moments that must be right to the minute: the
// sankrantis (so the solar months and the solar festivals, day/LunarMonth.h)
// and the eclipses (astronomy/Eclipses.h). The panchang's own Sun (Sun.h) and
// ΔT (Calendar.h) stay where the seed's tabs use them.
//
// The apparent Sun (true equator, equinox and ecliptic of date) is built from
// IAU routines, each in ERFA 2.0:
//   - eraEpv00: the Earth's heliocentric and barycentric position and velocity
//     (VSOP2000 fit, a few km 1900-2100). The Sun seen from the geocentre is
//     minus the Earth's heliocentric vector; the Sun's own motion during the
//     8.3 minutes of light time moves it by 0.02" and is left out.
//   - eraAb: annual aberration from the Earth's barycentric velocity (−20.5").
//   - eraNut00b + eraPn00: IAU 2000 precession with the 2000B nutation
//     (1 mas), GCRS to the true equator and equinox of date, and the true
//     obliquity (mean obliquity plus the nutation in obliquity) that turns
//     the equator of date into the ecliptic of date.
//
// The Lahiri ayanamsa as the Indian national ephemeris defines it: the
// Calendar Reform Committee (1955) fixed the zero of the sidereal zodiac as
// the point of the ecliptic whose true tropical longitude was 23°15′00″ on
// 1956 March 21; the Indian Astronomical Ephemeris gives 23°15′00.658″ for
// 1956 March 21, 0h ET (JD 2435553.5 TT), as a true ayanamsa (it holds the
// nutation in longitude of that moment). The point is fixed among the stars,
// so the mean ayanamsa grows with the general precession in longitude p_A;
// the Indian ephemeris used Newcomb's rate (50.2564″ + 0.0222″ T a year, T in
// centuries from 1900) until 1984 and the IAU's precession since. We take p_A
// of IAU 2006 (Capitaine, Wallace & Chapront 2003, P03; the series ERFA's
// eraP06e evaluates): mean ayanamsa(t) = 23°15′00.658″ − Δψ(1956) + p_A(t) −
// p_A(1956), and the true ayanamsa adds Δψ(t). A sidereal longitude is the
// apparent (true-equinox) longitude less the true ayanamsa, which is the
// mean-equinox longitude less the mean ayanamsa.
namespace velmora {

// ΔT = TT − UT in seconds at a moment in universal time (Julian day).
// 1900-2025: the observed values at five-year steps (the Astronomical
// Almanac's and IERS's tables), interpolated linearly; 2025-2050 a straight
// line rising 0.24 s a year (the recent mean rate; the future is uncertain by
// seconds); after 2050 the long-term parabola 32 s × u² (u in centuries from
// 1820) joined on; before 1900 the panchang's own ΔT (DeltaTHours). NaN for a
// moment that is no finite number.
double ObservedDeltaTSeconds(double jdUt);

// Julian days: universal time to terrestrial time and back with that ΔT.
double TerrestrialFromUniversal(double jdUt);
double UniversalFromTerrestrial(double jdTt);

// The Sun's apparent geocentric ecliptic longitude, degrees 0..360, true
// equinox and ecliptic of date, at a moment in TT (Julian day). Within 0.1″
// of the Swiss Ephemeris 1901-2050.
double ApparentSunLongitude(double jdTt);

// The apparent Sun as a vector from the geocentre, GCRS axes, astronomical
// units (direction with aberration, true distance), at a moment in TT. Zeros
// for a moment that is no finite number.
void ApparentSunVector(double jdTt, double gcrsAu[3]);

// The true Lahiri ayanamsa (mean ayanamsa plus the nutation in longitude),
// degrees, at a moment in TT.
double LahiriAyanamsa(double jdTt);

// The Sun's sidereal (nirayana) longitude with the Lahiri ayanamsa, degrees
// 0..360, at a moment in TT. NaN for a moment that is no finite number.
double LahiriSunLongitude(double jdTt);

}  // namespace velmora
