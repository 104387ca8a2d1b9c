#include "engine/LunarLongitude.h"

#include <cmath>

#include "shared/Angles.h"

namespace velmora {

double LunarLongitude(double t) {
    // Mean elements in degrees, linear in t. L' stays in degrees; the other
    // four become radians at once and every argument below combines the radian
    // values (none is reduced into one turn first).
    const double Lp = 218.3164591 + 481267.88134236 * t;
    const double D = (297.8502042 + 445267.1115168 * t) * DegToRad;
    const double M = (357.5291092 + 35999.0502909 * t) * DegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * t) * DegToRad;
    const double F = (93.2720993 + 483202.0175273 * t) * DegToRad;
    // Eccentricity of the Earth's orbit, as a factor on the terms that carry M.
    const double E = 1 - 0.002516 * t - 0.0000074 * (t * t);

    // Coefficients in degrees, summed in this order. Rows 8 and 24 differ only
    // in the sign of M'.
    double s = 1.274027 * std::sin(2 * D - Mp);
    s = s + 6.288774 * std::sin(Mp);
    s = s + 0.658314 * std::sin(2 * D);
    s = s + 0.213618 * std::sin(2 * Mp);
    s = s - 0.185116 * E * std::sin(M);
    s = s - 0.114332 * std::sin(2 * F);
    s = s + 0.058793 * std::sin(2 * D - 2 * Mp);
    s = s + 0.057066 * E * std::sin(2 * D - M - Mp);
    s = s + 0.053322 * std::sin(2 * D + Mp);
    s = s + 0.045758 * E * std::sin(2 * D - M);
    s = s - 0.040923 * E * std::sin(M - Mp);
    s = s - 0.034720 * std::sin(D);
    s = s - 0.030383 * E * std::sin(M + Mp);
    s = s + 0.015327 * std::sin(2 * D - 2 * F);
    s = s - 0.012528 * std::sin(Mp + 2 * F);
    s = s + 0.010980 * std::sin(Mp - 2 * F);
    s = s + 0.010675 * std::sin(4 * D - Mp);
    s = s + 0.010034 * std::sin(3 * Mp);
    s = s + 0.008548 * std::sin(4 * D - 2 * Mp);
    s = s - 0.007888 * E * std::sin(2 * D + M - Mp);
    s = s - 0.006766 * E * std::sin(2 * D + M);
    s = s - 0.005163 * std::sin(D - Mp);
    s = s + 0.004987 * E * std::sin(D + M);
    s = s + 0.004036 * E * std::sin(2 * D - M + Mp);
    s = s + 0.003994 * std::sin(2 * D + 2 * Mp);

    return Lp + s;
}

}  // namespace velmora
