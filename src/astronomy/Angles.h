#pragma once

// Degree/radian factors used by every sine and cosine of the engine and the
// panchang module. They are these decimal literals, not values derived from pi:
// the published results depend on the last bits.
namespace velmora {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;

// While below 0 add 360, then while above 360 subtract 360; 360 stays 360.
// Infinities and NaN come back unchanged.
double Normalize360(double x);

}  // namespace velmora
