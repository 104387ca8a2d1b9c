#include "astronomy/Moon.h"

#include <cmath>
#include <array>
#include <cstddef>
#include <iterator>

#include "astronomy/Angles.h"
#include "astronomy/Epochs.h"
#include "astronomy/Sun.h"

namespace velmora {

namespace {

// Brown's lunar theory, truncated: the main longitude series with its
// long-period and additive terms, as the classical almanacs tabulate it.
//
// Main series, arcseconds, in the order of the theory's table. Each row: the
// integer multipliers of the Moon's mean anomaly l, the Sun's mean anomaly Ms,
// the argument of latitude F and the mean elongation D, then the coefficient.
constexpr LunarSeriesTerm kMainSeries[] = {
    {0, 0, 0, 4, 13.902},
    {0, 0, 0, 2, 2369.912},
    {1, 0, 0, 4, 1.979},
    {1, 0, 0, 2, 191.953},
    {1, 0, 0, 0, 22639.5},
    {1, 0, 0, -2, -4586.465},
    {1, 0, 0, -4, -38.428},
    {1, 0, 0, -6, -0.393},
    {0, 1, 0, 4, -0.289},
    {0, 1, 0, 2, -24.42},
    {0, 1, 0, 0, -668.146},
    {0, 1, 0, -2, -165.145},
    {0, 1, 0, -4, -1.877},
    {0, 0, 0, 3, 0.403},
    {0, 0, 0, 1, -125.154},
    {2, 0, 0, 4, 0.213},
    {2, 0, 0, 2, 14.387},
    {2, 0, 0, 0, 769.016},
    {2, 0, 0, -2, -211.656},
    {2, 0, 0, -4, -30.773},
    {2, 0, 0, -6, -0.57},
    {1, 1, 0, 2, -2.921},
    {1, 1, 0, 0, -109.673},
    {1, 1, 0, -2, -205.962},
    {1, 1, 0, -4, -4.391},
    {1, -1, 0, 4, 0.283},
    {1, -1, 0, 2, 14.577},
    {1, -1, 0, 0, 147.687},
    {1, -1, 0, -2, 28.475},
    {1, -1, 0, -4, 0.636},
    {0, 2, 0, 2, -0.189},
    {0, 2, 0, 0, -7.486},
    {0, 2, 0, -2, -8.096},
    {0, 0, 2, 2, -5.741},
    {0, 0, 2, 0, -411.608},
    {0, 0, 2, -2, -55.173},
    {0, 0, 2, -4, 0.025},
    {1, 0, 0, 1, -8.466},
    {1, 0, 0, -1, 18.609},
    {1, 0, 0, -3, 3.215},
    {0, 1, 0, 1, 18.023},
    {0, 1, 0, -1, 0.56},
    {3, 0, 0, 2, 1.06},
    {3, 0, 0, 0, 36.124},
    {3, 0, 0, -2, -13.193},
    {3, 0, 0, -4, -1.187},
    {3, 0, 0, -6, -0.293},
    {2, 1, 0, 2, -0.29},
    {2, 1, 0, 0, -7.649},
    {2, 1, 0, -2, -8.627},
    {2, 1, 0, -4, -2.74},
    {2, -1, 0, 2, 1.181},
    {2, -1, 0, 0, 9.703},
    {2, -1, 0, -2, -2.494},
    {2, -1, 0, -4, 0.36},
    {1, 2, 0, 0, -1.167},
    {1, 2, 0, -2, -7.412},
    {1, 2, 0, -4, -0.311},
    {1, -2, 0, 2, 0.757},
    {1, -2, 0, 0, 2.58},
    {1, -2, 0, -2, 2.533},
    {0, 3, 0, -2, -0.344},
    {1, 0, 2, 2, -0.992},
    {1, 0, 2, 0, -45.099},
    {1, 0, 2, -2, -0.179},
    {1, 0, -2, 2, -6.382},
    {1, 0, -2, 0, 39.528},
    {1, 0, -2, -2, 9.366},
    {0, 1, 2, 0, 0.415},
    {0, 1, 2, -2, -2.152},
    {0, 1, -2, 2, -1.44},
    {0, 1, -2, -2, 0.384},
    {2, 0, 0, 1, -0.586},
    {2, 0, 0, -1, 1.75},
    {2, 0, 0, -3, 1.225},
    {1, 1, 0, 1, 1.267},
    {1, -1, 0, -1, -1.089},
    {0, 0, 2, -1, 0.584},
    {4, 0, 0, 0, 1.938},
    {4, 0, 0, -2, -0.952},
    {3, 1, 0, 0, -0.551},
    {3, 1, 0, -2, -0.482},
    {3, -1, 0, 0, 0.681},
    {2, 0, 2, 0, -3.996},
    {2, 0, 2, -2, 0.557},
    {2, 0, -2, 2, -0.459},
    {2, 0, -2, 0, -1.298},
    {2, 0, -2, -2, 0.538},
    {1, 1, -2, -2, 0.426},
    {1, -1, 2, 0, -0.304},
    {1, -1, -2, 2, -0.372},
    {0, 0, 4, 0, 0.418},
    {2, -1, 0, -1, -0.352},
};
static_assert(std::size(kMainSeries) == 93);

// Supplementary series, arcseconds, in the order of the theory's table: the
// same columns as the main series. These terms carry neither the eccentricity
// factor nor the node factor.
constexpr LunarSeriesTerm kSupplementarySeries[] = {
    {0, 0, 0, 6, 0.127},
    {0, 2, 0, -4, -0.151},
    {0, 0, 2, 4, -0.085},
    {0, 1, 0, 3, 0.15},
    {2, 1, 1, -6, -0.091},
    {0, 3, 0, 0, -0.103},
    {1, 0, 2, -4, -0.301},
    {1, 0, -2, -4, 0.202},
    {1, 1, 0, -1, 0.137},
    {1, 1, 0, -3, 0.233},
    {1, -1, 0, 1, -0.122},
    {1, -1, 0, -3, -0.276},
    {0, 0, 2, 1, 0.255},
    {0, 0, 2, -3, 0.254},
    {3, 1, 0, -4, -0.1},
    {3, -1, 0, -2, -0.183},
    {2, 2, 0, -2, -0.297},
    {2, 2, 0, -4, -0.161},
    {2, -2, 0, 0, 0.197},
    {2, -2, 0, -2, 0.254},
    {1, 3, 0, -2, -0.25},
    {2, 0, 2, 2, -0.123},
    {2, 0, -2, -4, 0.173},
    {1, 1, 2, 0, 0.263},
    {3, 0, 0, -1, 0.13},
    {5, 0, 0, 0, 0.113},
    {3, 0, 2, -2, 0.092},
};
static_assert(std::size(kSupplementarySeries) == 27);

// The rows as the sums use them: multipliers as doubles (each converts
// exactly, so the products are the same bits) and the factors each main term
// carries decided once.
struct EvaluatedTerm {
    double l;
    double ms;
    double f;
    double d;
    double arcsec;
    int eccentricityPower;  // 0, 1 or 2: times E once per Ms, twice for 2Ms
    bool nodeFactor;        // times the node factor squared (terms in F)
};

template <std::size_t N>
constexpr std::array<EvaluatedTerm, N> Evaluated(const LunarSeriesTerm (&rows)[N]) {
    std::array<EvaluatedTerm, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const LunarSeriesTerm& r = rows[i];
        const int power = r.ms == 0 ? 0 : (r.ms == 2 || r.ms == -2) ? 2 : 1;
        out[i] = EvaluatedTerm{static_cast<double>(r.l), static_cast<double>(r.ms), static_cast<double>(r.f),
                               static_cast<double>(r.d), r.arcsec, power, r.f != 0};
    }
    return out;
}

constexpr auto kMainTerms = Evaluated(kMainSeries);
constexpr auto kSupplementaryTerms = Evaluated(kSupplementarySeries);

// Additive terms of the longitude, arcseconds: each the sine of an angle
// linear in days d from J1900, in revolutions (phase + rate × d). Summed in
// this order.
struct AdditiveTerm {
    double arcsec;
    double phase;              // revolutions
    double revolutionsPerDay;  // a negative rate is the term's "− rate × d"
};

constexpr AdditiveTerm kAdditiveTerms[] = {
    {0.822, 0.3248, -0.0017125594},
    {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156},
    {0.662, 0.65162, 0.0365724168},
    {0.643, 0.88098, -0.0025069941},
    {1.137, 0.85823, 0.036448727},
    {0.436, 0.71892, 0.036217918},
    {0.327, 0.97639, 0.000173491},
};
static_assert(std::size(kAdditiveTerms) == 8);

// The Moon's motion in longitude, degrees per day: a constant and 30 cosine
// terms in the corrected arguments. Each argument is up to three multiples
// of l, Ms, F and D, added in the order written (which differs from term to
// term, and the last bits depend on it). Summed in this order.
struct ArgumentPart {
    int multiple;
    double MoonArguments::*of;
};

struct MotionTerm {
    double degreesPerDay;
    int parts;
    ArgumentPart part[3];
};

constexpr double kMeanMotion = 13.176397;  // degrees per day

constexpr MotionTerm kMotionTerms[] = {
    {1.434006, 1, {{1, &MoonArguments::l}}},  // l
    {0.280135, 1, {{2, &MoonArguments::dd}}},  // 2D
    {0.251632, 2, {{2, &MoonArguments::dd}, {-1, &MoonArguments::l}}},  // 2D - l
    {0.09742, 1, {{2, &MoonArguments::l}}},  // 2l
    {-0.052799, 1, {{2, &MoonArguments::f}}},  // 2F
    {0.034848, 2, {{2, &MoonArguments::dd}, {1, &MoonArguments::l}}},  // 2D + l
    {0.018732, 2, {{2, &MoonArguments::dd}, {-1, &MoonArguments::ms}}},  // 2D - Ms
    {0.010316, 3, {{2, &MoonArguments::dd}, {-1, &MoonArguments::ms}, {-1, &MoonArguments::l}}},  // 2D - Ms - l
    {0.008649, 2, {{1, &MoonArguments::ms}, {-1, &MoonArguments::l}}},  // Ms - l
    {-0.008642, 2, {{2, &MoonArguments::f}, {1, &MoonArguments::l}}},  // 2F + l
    {-0.007471, 2, {{1, &MoonArguments::ms}, {1, &MoonArguments::l}}},  // Ms + l
    {-0.007387, 1, {{1, &MoonArguments::dd}}},  // D
    {0.006864, 1, {{3, &MoonArguments::l}}},  // 3l
    {0.00665, 2, {{4, &MoonArguments::dd}, {-1, &MoonArguments::l}}},  // 4D - l
    {0.003523, 2, {{2, &MoonArguments::dd}, {2, &MoonArguments::l}}},  // 2D + 2l
    {0.003377, 2, {{4, &MoonArguments::dd}, {-2, &MoonArguments::l}}},  // 4D - 2l
    {0.003287, 1, {{4, &MoonArguments::dd}}},  // 4D
    {-0.003193, 1, {{1, &MoonArguments::ms}}},  // Ms
    {-0.003003, 2, {{2, &MoonArguments::dd}, {1, &MoonArguments::ms}}},  // 2D + Ms
    {0.002577, 3, {{1, &MoonArguments::l}, {-1, &MoonArguments::ms}, {2, &MoonArguments::dd}}},  // l - Ms + 2D
    {-0.002567, 2, {{2, &MoonArguments::f}, {-1, &MoonArguments::l}}},  // 2F - l
    {-0.001794, 2, {{2, &MoonArguments::dd}, {-2, &MoonArguments::l}}},  // 2D - 2l
    {-0.001716, 3, {{1, &MoonArguments::l}, {-2, &MoonArguments::f}, {-2, &MoonArguments::dd}}},  // l - 2F - 2D
    {-0.001698, 3, {{2, &MoonArguments::dd}, {1, &MoonArguments::ms}, {-1, &MoonArguments::l}}},  // 2D + Ms - l
    {-0.001415, 2, {{2, &MoonArguments::dd}, {2, &MoonArguments::f}}},  // 2D + 2F
    {0.001183, 2, {{2, &MoonArguments::l}, {-1, &MoonArguments::ms}}},  // 2l - Ms
    {0.00115, 2, {{1, &MoonArguments::dd}, {1, &MoonArguments::ms}}},  // D + Ms
    {-0.001035, 2, {{1, &MoonArguments::dd}, {1, &MoonArguments::l}}},  // D + l
    {-0.001019, 2, {{2, &MoonArguments::f}, {2, &MoonArguments::l}}},  // 2F + 2l
    {-0.001006, 2, {{1, &MoonArguments::ms}, {2, &MoonArguments::l}}},  // Ms + 2l
};
static_assert(std::size(kMotionTerms) == 30);

}  // namespace


std::span<const LunarSeriesTerm> MoonMainSeries() { return kMainSeries; }

std::span<const LunarSeriesTerm> MoonSupplementarySeries() { return kSupplementarySeries; }

MoonPosition MoonLongitude(double jde) { return MoonLongitude(jde, NutationInLongitude(jde)); }

MoonPosition MoonLongitude(double jde, double nutation, MoonMotion motion) {
    const double d = jde - J1900;               // days of ephemeris time from J1900
    const double t = d / DaysPerJulianCentury;  // Julian centuries
    const double tt = t * t;
    const double ttt = t * t * t;
    const double twoPi = 360 * DegToRad;

    // 1. Mean elements, degrees. L0 is never reduced so the raw longitude stays
    // continuous. Decimals such as 0.000150000005960465 and 0.00143611113230387
    // are single-precision values written out at length; they are kept
    // verbatim, float noise included, because the results depend on the last bits.
    const double l0Mean = 270.4337361 + 13.1763965445281 * d - 5.86 * tt / 3600 + 0.0068 * ttt / 3600;
    const double d0 = 350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * tt + 0.0000018888889 * ttt;
    const double p0 = 334.329556 + 14648522.52 * t / 3600 - 37.17 * tt / 3600 - 0.045 * ttt / 3600;
    const double ms0 = 358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * tt - 0.0000033333333623078 * ttt;
    const double anomaly0 = Normalize360(l0Mean - p0);
    const double n0 = 259.183275 - 6962911.23 * t / 3600 + 7.48 * tt / 3600 + 0.008 * ttt / 3600;
    const double f0 = Normalize360(l0Mean - n0);

    // 2. Long-period arguments, in revolutions.
    const double e12 = d * 0.000000000001;
    const double e16 = d * d * 0.0000000000000001;
    const double s1 = std::sin(twoPi * (0.53733431 - 10104982 * e12 + 191 * e16));
    const double a2 = twoPi * (0.71995354 - 147094228 * e12 + 43 * e16);
    const double s2 = std::sin(a2);
    const double c2 = std::cos(a2);
    const double s3 = std::sin(twoPi * (0.14222222 + 1536238 * e12));
    const double a4 = twoPi * (0.48398132 - 147269147 * e12 + 43 * e16);
    const double s4 = std::sin(a4);
    const double c4 = std::cos(a4);
    const double s5 = std::sin(twoPi * (0.52453688 - 147162675 * e12 + 43 * e16));
    const double s6 = std::sin(twoPi * (0.84536324 - 11459387 * e12));
    const double s7 = std::sin(twoPi * (0.23363774 + 1232723 * e12 + 191 * e16));
    const double s8 = std::sin(twoPi * (0.5875 + 9050118 * e12));
    const double s9 = std::sin(twoPi * (0.61043085 - 67718733 * e12));

    // 3. Long-period corrections, arcseconds.
    const double dL0 = 0.84 * s3 + 0.31 * s7 + 14.27 * s1 + 7.261 * s2 + 0.282 * s4 + 0.237 * s6;
    const double dl = -2.1 * s3 - 2.076 * s2 - 0.84 * s4 - 0.593 * s6;
    const double dF = 0.63 * s3 + 95.96 * s2 + 15.58 * s4 + 1.86 * s5;
    const double dMs = -6.4 * s3 - 0.27 * s8 - 1.89 * s6 + 0.2 * s9;
    const double dG = (-4.318 * c2 - 0.698 * c4) / 3600 / 360;
    const double fac = 1.000002708 + 139.978 * dG;

    // 4. Corrected arguments, radians.
    const double l = (anomaly0 + (dL0 - dl) / 3600) * DegToRad;
    const double ms = (ms0 + dMs / 3600) * DegToRad;
    const double f = (f0 + (dL0 - dF) / 3600) * DegToRad;
    const double dd = (d0 + (dL0 - dMs) / 3600) * DegToRad;

    // 5. Decreasing eccentricity of the Earth's orbit, and the node factor.
    const double ecc = 1 - 0.00000006832 * d;
    const double fac2 = fac * fac;

    // 6. Main series, arcseconds.
    double sa = 0;
    for (const EvaluatedTerm& row : kMainTerms) {
        double term = std::sin(row.l * l + row.ms * ms + row.f * f + row.d * dd);
        if (row.eccentricityPower >= 1) term = term * ecc;
        if (row.eccentricityPower == 2) term = term * ecc;
        if (row.nodeFactor) term = term * fac2;
        sa = sa + term * row.arcsec;
    }

    // 7. Supplementary series, arcseconds.
    double sb = 0;
    for (const EvaluatedTerm& row : kSupplementaryTerms) {
        sb = sb + std::sin(row.l * l + row.ms * ms + row.f * f + row.d * dd) * row.arcsec;
    }

    // 8. Additive terms, arcseconds.
    double sx = 0;
    for (const AdditiveTerm& term : kAdditiveTerms) {
        sx = sx + term.arcsec * std::sin(twoPi * (term.phase + term.revolutionsPerDay * d));
    }

    // 9. Apparent longitude, degrees.
    const double raw = (l0Mean + nutation) + (((dL0 + sa) + sb) + sx) / 3600;

    MoonPosition position{Normalize360(raw), raw, 0.0, MoonArguments{l, ms, f, dd}};
    if (motion == MoonMotion::Computed) position.dailyMotion = MoonDailyMotion(position.arguments);
    return position;
}

double MoonDailyMotion(const MoonArguments& a) {
    // 10. Current motion, degrees per day, from the corrected arguments.
    double motion = kMeanMotion;
    for (const MotionTerm& term : kMotionTerms) {
        double argument = term.part[0].multiple * (a.*term.part[0].of);
        for (int i = 1; i < term.parts; ++i) argument = argument + term.part[i].multiple * (a.*term.part[i].of);
        motion = motion + term.degreesPerDay * std::cos(argument);
    }
    return motion;
}

}  // namespace velmora
