#pragma once

// The two epochs the program counts time from, as Julian days. The engine
// counts Julian centuries of universal time from either; the panchang's Sun,
// Moon, nutation and new-moon series count days and centuries of ephemeris
// time from J1900.
namespace velmora {

inline constexpr double J1900 = 2415020.0;  // 1899 December 31, 12h
inline constexpr double J2000 = 2451545.0;  // 2000 January 1, 12h

inline constexpr double DaysPerJulianCentury = 36525.0;

}  // namespace velmora
