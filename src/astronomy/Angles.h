#pragma once

// Degree/radian factors used by every sine and cosine of the engine and the
// panchang module. They are these decimal literals, not values derived from pi:
// the published results depend on the last bits.
namespace velmora {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;

}  // namespace velmora
