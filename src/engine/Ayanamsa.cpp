#include "engine/Ayanamsa.h"

#include <cmath>
#include <cstdio>

#include "astronomy/Angles.h"
#include "shared/NumberText.h"

namespace velmora {

double AyanamsaShift2000(double t) {
    // Sun's mean longitude and the Moon's ascending node, degrees.
    const double L = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t);
    const double Om = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t);
    // Arc seconds, then degrees. The first periodic term is of L itself.
    return (1.27 * std::sin(L * DegToRad) + 17.23 * std::sin(Om * DegToRad) -
            (5025.64 + 1.11 * t) * t - 85886.27) /
           3600;
}

double AyanamsaShift1900(double t) {
    // The node from arc seconds; only brought down below 360, never raised
    // when negative. fmod gives exactly what subtracting 360 until below 360
    // gives (each subtraction is exact), without a loop that grows with t.
    double Om = (933060 - 6962911 * t + 7.5 * (t * t)) / 3600;
    if (Om >= 360) Om = std::fmod(Om, 360.0);
    // Twice the Sun's mean longitude, degrees.
    const double L2 = (2013816 + 259205536 * t) / 3600;
    return (1.27 * std::sin(L2 * DegToRad) + 17.23 * std::sin(Om * DegToRad) -
            (5025.64 + 1.11 * t) * t - 80861.27) /
           3600;
}

namespace {

// A whole-valued double as plain decimal; -0 reads 0.
std::string WholeText(double whole) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole + 0.0);
    return buffer;
}

}  // namespace

std::string FormatDms(double x) {
    if (!std::isfinite(x)) return {};
    const double s = x < 0 ? -1 : 1;
    const double a = std::fabs(x);
    const double d = std::floor(a);
    const double f = a - d;
    const double m = 60 * f;
    const double mi = std::floor(m);
    const double sec = std::floor(60 * (m - mi));
    return WholeText(s * d) + "\u00B0 " + WholeText(mi) + "' " + WholeText(sec) + "\"";
}

}  // namespace velmora
