#include "astronomy/Sun.h"

#include <cmath>
#include <iterator>

#include "astronomy/Angles.h"
#include "astronomy/Epochs.h"

namespace velmora {

namespace {

// Newton steps allowed before Kepler's equation gives up and returns the
// current estimate; a converging case needs two or three.
constexpr int kMaxKeplerSteps = 200;

}  // namespace

double SolveKepler(double meanAnomalyDeg, double e, double toleranceDeg) {
    const double m = meanAnomalyDeg * DegToRad;
    const double tol = toleranceDeg * DegToRad;
    double ecc = m;  // eccentric anomaly, radians
    double delta = 1;
    for (int step = 0; step < kMaxKeplerSteps && std::fabs(delta) >= tol; ++step) {
        delta = (m + e * std::sin(ecc) - ecc) / (1 - e * std::cos(ecc));
        if (!std::isfinite(delta)) break;  // a useless step: keep the current estimate
        ecc = ecc + delta;
    }
    return ecc;
}

// Nutation in longitude after the 1900-epoch theory of the classical almanacs
// (Explanatory Supplement to the Astronomical Ephemeris, 1961): the 13
// largest terms. Each row: the multipliers of the Sun's mean longitude L, the
// Moon's mean longitude L', the Sun's mean anomaly M, the Moon's mean anomaly
// M', the elongation D and the node Ω, then the coefficient in arcseconds and
// its change per Julian century. Summed in this order.
namespace {

struct NutationTerm {
    double l;  // whole numbers, kept as doubles so that no term converts them
    double lm;
    double m;
    double mm;
    double d;
    double om;
    double arcsec;
    double arcsecPerCentury;
};

constexpr NutationTerm kNutationTerms[] = {
    {0, 0, 0, 0, 0, 1, -17.2327, -0.01737},  // Ω
    {0, 0, 0, 0, 0, 2, 0.2088, 0},           // 2Ω
    {0, 0, 0, 1, 0, 0, 0.0675, 0},           // M'
    {0, 0, 0, 1, -2, 0, -0.0149, 0},         // M' - 2D
    {0, 2, 0, 0, 0, -1, -0.0342, 0},         // 2L' - Ω
    {0, 2, 0, -1, 0, 0, 0.0114, 0},          // 2L' - M'
    {0, 2, 0, 0, 0, 0, -0.2037, 0},          // 2L'
    {0, 2, 0, 1, 0, 0, -0.0261, 0},          // 2L' + M'
    {2, 0, 0, 0, 0, -1, 0.0124, 0},          // 2L - Ω
    {2, 0, -1, 0, 0, 0, 0.0214, 0},          // 2L - M
    {2, 0, 0, 0, 0, 0, -1.2729, 0},          // 2L
    {2, 0, 1, 0, 0, 0, -0.0497, 0},          // 2L + M
    {0, 0, 1, 0, 0, 0, 0.1261, 0},           // M
};
static_assert(std::size(kNutationTerms) == 13);

}  // namespace

// The fundamental arguments' decimals (such as 0.000150000005960465) are kept
// verbatim, float noise included: the results depend on the last bits.
double NutationInLongitude(double jde) {
    const double t = (jde - J1900) / DaysPerJulianCentury;
    const double tt = t * t;
    // Fundamental arguments in degrees of T, turned into radians before they
    // are combined.
    const double l = (279.6967 + 36000.7689 * t + 0.000303 * tt) * DegToRad;                            // L
    const double lm = (270.4341639 + 481267.8831417 * t - 0.0011333333 * tt) * DegToRad;                // L'
    const double m = (358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * tt) * DegToRad;  // M
    const double mm = (296.104608333376 + 477198.849108334 * t + 0.0091916667090522 * tt) * DegToRad;   // M'
    const double d = (350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * tt) * DegToRad;   // D
    const double om = (259.183275000254 - 1934.14200833321 * t + 0.0020777778 * tt) * DegToRad;        // Ω
    double arcsec = 0;
    for (const NutationTerm& term : kNutationTerms) {
        const double argument = term.l * l + term.lm * lm + term.m * m + term.mm * mm + term.d * d + term.om * om;
        arcsec = arcsec + (term.arcsec + term.arcsecPerCentury * t) * std::sin(argument);
    }
    return arcsec / 3600;
}

// Newcomb's theory of the Sun in the form of the classical almanacs (mean
// elements of 1900, Kepler's equation, and the perturbations by Venus,
// Jupiter and the Moon), plus nutation and aberration.
SunPosition SunLongitude(double jde, double nutation) {
    const double d = jde - J1900;               // days of ephemeris time from J1900
    const double t = d / DaysPerJulianCentury;  // Julian centuries
    const double tt = t * t;
    const double ttt = t * t * t;

    // Mean longitude, never reduced: the raw longitude must grow continuously.
    const double l = 279.696678 + 0.9856473354 * d + 1.089 * tt / 3600;
    // Longitude of perigee less 180 degrees.
    const double g = 101.220833 + 6189.03 * t / 3600 + 1.63 * tt / 3600 + 0.012 * ttt / 3600;
    const double m = Normalize360(l - g + 180);

    // Long-period terms, arcseconds.
    const double p = 0.266 * std::sin((31.8 + 119 * t) * DegToRad) + 6.4 * std::sin((231.19 + 20.2 * t) * DegToRad) +
                     (1.882 - 0.016 * t) * std::sin((57.24 + 150.27 * t) * DegToRad);
    const double mp = m + p / 3600;

    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * tt;
    const double ecc = SolveKepler(mp, e, 0.0000003);

    // True anomaly; at E = pi the half-angle tangent is infinite, and there
    // the true anomaly equals the eccentric one.
    double nu = 0.0;
    if (std::fabs(3.14159265358979 - ecc) < 0.0000000001) {
        nu = ecc;
    } else {
        nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(ecc / 2));
    }
    nu = Normalize360(nu * RadToDeg);

    // Planetary and lunar perturbation arguments, degrees.
    const double a = 153.23 + 22518.7541 * t;
    const double b = 216.57 + 45037.5082 * t;
    const double c = 312.69 + 32964.3577 * t;
    const double dm = 350.74 + 445267.1142 * t - 0.00144 * tt;
    const double h = 353.4 + 65928.7155 * t;
    const double k = 315.6 + 893.3 * t;

    const double dl = 0.00134 * std::cos(a * DegToRad) + 0.00154 * std::cos(b * DegToRad) +
                      0.002 * std::cos(c * DegToRad) + 0.00179 * std::sin(dm * DegToRad) +
                      0.202 * std::sin(k * DegToRad) / 3600;
    const double dr = 0.00000543 * std::sin(a * DegToRad) + 0.00001575 * std::sin(b * DegToRad) +
                      0.00001627 * std::sin(c * DegToRad) + 0.00003076 * std::cos(dm * DegToRad) +
                      0.00000926999999 * std::sin(h * DegToRad);  // 9.27e-6 as written, float noise kept

    // The equation of centre is nu - M. M is reduced to 0..360 and nu comes
    // from the perturbed anomaly, so for a few minutes each January they sit on
    // opposite sides of the wrap; put the turn back so the raw longitude does
    // not jump by 360 degrees.
    double tl = l + dl + nu - m;
    const double centre = nu - m;
    if (centre > 180) tl -= 360;
    if (centre < -180) tl += 360;

    const double r = 1.0000002 * (1 - e * e) / (1 + e * std::cos(nu * DegToRad)) + dr;  // radius vector, AU
    const double aberration = 20.496 * (1 - e * e) / r / 3600;

    const double raw = tl + nutation - aberration;
    return SunPosition{Normalize360(raw), raw};
}

SunPosition SunLongitude(double jde) { return SunLongitude(jde, NutationInLongitude(jde)); }

double NegativeAyanamsa(double jde) {
    const double t = (jde - J1900) / DaysPerJulianCentury;
    const double om = 259.183275 - 1934.14200833321 * t + 0.0020777778 * (t * t) + 0.0000022222222 * (t * t * t);
    const double l = 279.696678 + 36000.76892 * t + 0.0003025 * (t * t);
    return (17.23 * std::sin(om * DegToRad) + 1.27 * std::sin(2 * l * DegToRad) - (5025.64 + 1.11 * t) * t - 80861.27) /
           3600;
}

}  // namespace velmora
