#include "engine/LunarLongitude.h"

#include <cmath>
#include <iterator>

#include "astronomy/Angles.h"

namespace velmora {

namespace {

// One periodic term: the multipliers of D, M, M' and F, the coefficient, and
// whether it carries the eccentricity factor E (the terms in M).
struct LunarTerm {
    int d;
    int m;
    int mp;
    int f;
    double degrees;
    bool timesE;
};

// The 25 largest terms of the Moon's longitude, degrees, summed in this order
// (J. Meeus, Astronomical Algorithms, 1st ed. 1991, table 45.A). Rows 8 and 24
// differ only in the sign of M'.
constexpr LunarTerm kTerms[] = {
    {2, 0, -1, 0, 1.274027, false},   // 2D - M'
    {0, 0, 1, 0, 6.288774, false},    // M'
    {2, 0, 0, 0, 0.658314, false},    // 2D
    {0, 0, 2, 0, 0.213618, false},    // 2M'
    {0, 1, 0, 0, -0.185116, true},    // M
    {0, 0, 0, 2, -0.114332, false},   // 2F
    {2, 0, -2, 0, 0.058793, false},   // 2D - 2M'
    {2, -1, -1, 0, 0.057066, true},   // 2D - M - M'
    {2, 0, 1, 0, 0.053322, false},    // 2D + M'
    {2, -1, 0, 0, 0.045758, true},    // 2D - M
    {0, 1, -1, 0, -0.040923, true},   // M - M'
    {1, 0, 0, 0, -0.034720, false},   // D
    {0, 1, 1, 0, -0.030383, true},    // M + M'
    {2, 0, 0, -2, 0.015327, false},   // 2D - 2F
    {0, 0, 1, 2, -0.012528, false},   // M' + 2F
    {0, 0, 1, -2, 0.010980, false},   // M' - 2F
    {4, 0, -1, 0, 0.010675, false},   // 4D - M'
    {0, 0, 3, 0, 0.010034, false},    // 3M'
    {4, 0, -2, 0, 0.008548, false},   // 4D - 2M'
    {2, 1, -1, 0, -0.007888, true},   // 2D + M - M'
    {2, 1, 0, 0, -0.006766, true},    // 2D + M
    {1, 0, -1, 0, -0.005163, false},  // D - M'
    {1, 1, 0, 0, 0.004987, true},     // D + M
    {2, -1, 1, 0, 0.004036, true},    // 2D - M + M'
    {2, 0, 2, 0, 0.003994, false},    // 2D + 2M'
};
static_assert(std::size(kTerms) == 25);

}  // namespace

double LunarLongitude(double t) {
    // Mean elements in degrees, linear in t (ibid., 45.1-45.5). L' stays in
    // degrees; the other four become radians at once and every argument below
    // combines the radian values (none is reduced into one turn first).
    const double Lp = 218.3164591 + 481267.88134236 * t;
    const double D = (297.8502042 + 445267.1115168 * t) * DegToRad;
    const double M = (357.5291092 + 35999.0502909 * t) * DegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * t) * DegToRad;
    const double F = (93.2720993 + 483202.0175273 * t) * DegToRad;
    // Eccentricity of the Earth's orbit, as a factor on the terms that carry M (45.6).
    const double E = 1 - 0.002516 * t - 0.0000074 * (t * t);

    // Each argument is formed in the order D, M, M', F, which is the order the
    // terms are written in; a negative coefficient added is the term subtracted.
    double s = 0;
    for (const LunarTerm& term : kTerms) {
        const double argument = term.d * D + term.m * M + term.mp * Mp + term.f * F;
        const double coefficient = term.timesE ? term.degrees * E : term.degrees;
        s = s + coefficient * std::sin(argument);
    }
    return Lp + s;
}

}  // namespace velmora
