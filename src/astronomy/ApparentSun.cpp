#include "astronomy/ApparentSun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <limits>

#include "astronomy/Calendar.h"

namespace velmora {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;
constexpr double kArcsecond = kDeg / 3600;
constexpr double kMjd0 = 2400000.5;  // ERFA's two-part dates: this plus the rest
constexpr double kJ2000 = 2451545.0;

// ΔT, seconds, at 1900.0, 1905.0 .. 2025.0 (observed: the Astronomical
// Almanac's table of ΔT, and IERS's UT1 for the recent years).
constexpr double kFirstYear = 1900;
constexpr double kStepYears = 5;
constexpr double kObservedDeltaT[] = {
    -2.79, 3.86,  10.46, 17.20, 21.16, 23.62, 24.02, 23.93, 24.33, 26.77, 29.15, 31.07, 33.15,  // 1900-1960
    35.73, 40.18, 45.48, 50.54, 54.34, 56.86, 60.78, 63.83, 64.69, 66.07, 67.64, 69.36, 69.10,  // 1965-2025
};
constexpr int kObservedCount = sizeof kObservedDeltaT / sizeof kObservedDeltaT[0];
constexpr double kLastObservedYear = kFirstYear + kStepYears * (kObservedCount - 1);  // 2025
constexpr double kRecentRate = 0.24;  // seconds a year after the last observed value
constexpr double kLinearEnd = 2050;

// The Lahiri ayanamsa's epoch: 1956 March 21, 0h ET, and its value there.
constexpr double kLahiriEpochTt = 2435553.5;
constexpr double kLahiriAtEpoch = (23 * 3600 + 15 * 60 + 0.658) * kArcsecond;  // radians, true

double DecimalYear(double jd) { return 2000 + (jd - 2451544.5) / 365.2425; }

// General precession in longitude, IAU 2006 (P03), radians, t in Julian
// centuries of TT from J2000.
double GeneralPrecession(double t) {
    const double arcsec =
        ((((-0.0000000383 * t - 0.000023857) * t + 0.00007964) * t + 1.1054348) * t + 5028.796195) * t;
    return arcsec * kArcsecond;
}

struct Nutation {
    double dpsi = 0;  // radians
    double deps = 0;
};

Nutation NutationAt(double jdTt) {
    Nutation n;
    eraNut00b(kMjd0, jdTt - kMjd0, &n.dpsi, &n.deps);
    return n;
}

double MeanLahiri(double jdTt) {
    static_assert(kLahiriEpochTt > 0);
    const double atEpoch = kLahiriAtEpoch - NutationAt(kLahiriEpochTt).dpsi;
    const double t = (jdTt - kJ2000) / 36525;
    const double t0 = (kLahiriEpochTt - kJ2000) / 36525;
    return atEpoch + GeneralPrecession(t) - GeneralPrecession(t0);
}

double Normalize(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    return d >= 360 ? 0 : d;
}

}  // namespace

double ObservedDeltaTSeconds(double jdUt) {
    if (!std::isfinite(jdUt)) return std::numeric_limits<double>::quiet_NaN();
    const double y = DecimalYear(jdUt);
    if (y < kFirstYear) return DeltaTHours(jdUt) * 3600;
    if (y < kLastObservedYear) {
        const double slot = std::floor((y - kFirstYear) / kStepYears);
        const int i = static_cast<int>(slot);
        const double u = (y - kFirstYear - slot * kStepYears) / kStepYears;
        return kObservedDeltaT[i] + (kObservedDeltaT[i + 1] - kObservedDeltaT[i]) * u;
    }
    const double last = kObservedDeltaT[kObservedCount - 1];
    if (y < kLinearEnd) return last + kRecentRate * (y - kLastObservedYear);
    const double atEnd = last + kRecentRate * (kLinearEnd - kLastObservedYear);
    const double u = (y - 1820) / 100;
    const double uEnd = (kLinearEnd - 1820) / 100;
    return atEnd + 32 * (u * u - uEnd * uEnd);
}

double TerrestrialFromUniversal(double jdUt) { return jdUt + ObservedDeltaTSeconds(jdUt) / 86400; }

double UniversalFromTerrestrial(double jdTt) {
    // ΔT changes by well under a millisecond within a minute: two steps.
    double ut = jdTt - ObservedDeltaTSeconds(jdTt) / 86400;
    ut = jdTt - ObservedDeltaTSeconds(ut) / 86400;
    return ut;
}

void ApparentSunVector(double jdTt, double gcrsAu[3]) {
    gcrsAu[0] = gcrsAu[1] = gcrsAu[2] = 0;
    if (!std::isfinite(jdTt)) return;
    double heliocentric[2][3];
    double barycentric[2][3];
    // TDB differs from TT by under 2 ms: the Earth moves 0.00006" in it.
    eraEpv00(kMjd0, jdTt - kMjd0, heliocentric, barycentric);
    double toSun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]};
    double distance = 0;
    double direction[3];
    eraPn(toSun, &distance, direction);
    // Aberration: the Earth's barycentric velocity in units of c.
    double v[3];
    for (int i = 0; i < 3; ++i) v[i] = barycentric[1][i] / ERFA_DC;
    const double bm1 = std::sqrt(1 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    double seen[3];
    eraAb(direction, v, distance, bm1, seen);
    for (int i = 0; i < 3; ++i) gcrsAu[i] = seen[i] * distance;
}

double ApparentSunLongitude(double jdTt) {
    if (!std::isfinite(jdTt)) return std::numeric_limits<double>::quiet_NaN();
    const double rest = jdTt - kMjd0;
    double seen[3];
    ApparentSunVector(jdTt, seen);

    const Nutation n = NutationAt(jdTt);
    double epsa = 0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraPn00(kMjd0, rest, n.dpsi, n.deps, &epsa, rb, rp, rbp, rn, rbpn);
    double ofDate[3];
    eraRxp(rbpn, seen, ofDate);
    const double eps = epsa + n.deps;
    const double y = ofDate[1] * std::cos(eps) + ofDate[2] * std::sin(eps);
    return Normalize(std::atan2(y, ofDate[0]) / kDeg);
}

double LahiriAyanamsa(double jdTt) {
    if (!std::isfinite(jdTt)) return std::numeric_limits<double>::quiet_NaN();
    return (MeanLahiri(jdTt) + NutationAt(jdTt).dpsi) / kDeg;
}

double LahiriSunLongitude(double jdTt) {
    if (!std::isfinite(jdTt)) return std::numeric_limits<double>::quiet_NaN();
    return Normalize(ApparentSunLongitude(jdTt) - LahiriAyanamsa(jdTt));
}

}  // namespace velmora
