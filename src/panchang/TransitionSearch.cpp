#include "panchang/TransitionSearch.h"

#include <cmath>
#include <limits>

#include "panchang/Calendar.h"
#include "panchang/Moon.h"
#include "panchang/Sun.h"
#include "shared/Angles.h"

namespace velmora {

namespace {

// Evaluations of the Sun and Moon allowed for one boundary. A converging search
// needs a handful; past this the current moment is taken as the boundary, so a
// pathological input cannot hang the program.
constexpr int kMaxEvaluations = 200;

// Greatest distance of the elongation from its target accepted as a boundary, degrees.
constexpr double kBoundaryTolerance = 0.001;

// Offsets taken off the unreduced longitudes in the yoga sum, degrees.
constexpr double kYogaMoonOffset = 491143.076989739;
constexpr double kYogaSunOffset = 36976.912405792;

// Sum of the Sun's motion (degrees per day) added to the Moon's in the yoga step.
constexpr double kYogaSunMotion = 1.0145616633;

// A span line: the start moment's text, "  to", " ", the end moment's text.
// Empty when either moment cannot be shown as a date.
std::string SpanText(CalculationState& state, double start, double end, double tz) {
    const std::string startText = FormatJDTime(state, start + tz / 24);
    if (startText.empty()) return {};
    const std::string endText = FormatJDTime(state, end + tz / 24);
    if (endText.empty()) return {};
    return startText + "  to" + " " + endText;
}

// Newton search for the moment near t at which the elongation Moon - Sun
// equals target (degrees, not 0 or 360). Moments in ephemeris time.
double ElongationBoundary(CalculationState& state, double t, double target) {
    for (int evaluation = 0; evaluation < kMaxEvaluations; ++evaluation) {
        const double sun = SunLongitude(state, t);
        const double moon = MoonLongitude(state, t);  // also refreshes MoonDailyMotion
        const double goal = Normalize360(target + sun);
        double delta = goal - moon;
        // The short way round: a boundary more than 180 degrees ahead lies behind.
        if (delta > 180) delta = delta - 360;
        if (delta < -180) delta = delta + 360;
        if (!(std::fabs(delta) > kBoundaryTolerance)) break;
        const double step = delta / (state.panchang.MoonDailyMotion - 1);
        if (!std::isfinite(step)) break;
        t = t + step;
    }
    return t;
}

// Newton search for the moment near t at which the unreduced sidereal yoga sum
// equals boundary (degrees). Moments in ephemeris time.
double YogaBoundary(CalculationState& state, double t, double boundary) {
    for (int evaluation = 0; evaluation < kMaxEvaluations; ++evaluation) {
        SunLongitude(state, t);
        MoonLongitude(state, t);
        const PanchangFields& p = state.panchang;
        const double moonS = p.NegAyanamsa + p.MoonLongitudeRaw - kYogaMoonOffset;
        const double sunS = p.NegAyanamsa + p.SunLongitudeRaw - kYogaSunOffset;
        const double sum = sunS + moonS;
        const double delta = boundary - sum;
        if (!(std::fabs(delta) > kBoundaryTolerance)) break;
        const double step = delta / (kYogaSunMotion + p.MoonDailyMotion);
        if (!std::isfinite(step)) break;
        t = t + step;
    }
    return t;
}

}  // namespace

double NewMoonTime(double jde, double k) {
    const double t = (jde - 2415020) / 36525;  // from the moment asked about, not from k
    const double tt = t * t;
    const double ttt = t * t * t;
    const double meanPhase = 2415020.75933 + 29.53058868 * k + 0.0001178 * tt - 0.000000155 * ttt +
                             0.00033 * std::sin((166.56 + 132.87 * t - 0.009173 * tt) * DegToRad);
    // Degrees.
    const double m = 359.2242 + 29.10535608 * k - 0.0000333 * tt - 0.00000347 * ttt;     // Sun's mean anomaly
    const double mm = 306.0253 + 385.81691806 * k + 0.0107306 * tt + 0.00001236 * ttt;   // Moon's mean anomaly
    const double f = 21.2964 + 390.67050646 * k - 0.0016528 * tt - 0.00000239 * ttt;     // Moon's argument of latitude
    // Days.
    const double correction =
        (0.1734 - 0.000393 * t) * std::sin(m * DegToRad) + 0.0021 * std::sin(2 * m * DegToRad) -
        0.4068 * std::sin(mm * DegToRad) + 0.0161 * std::sin(2 * mm * DegToRad) - 0.0004 * std::sin(3 * mm * DegToRad) +
        0.0104 * std::sin(2 * f * DegToRad) - 0.0051 * std::sin((m + mm) * DegToRad) -
        0.0074 * std::sin((m - mm) * DegToRad) + 0.0004 * std::sin((2 * f + m) * DegToRad) -
        0.0004 * std::sin((2 * f - m) * DegToRad) - 0.0006 * std::sin((2 * f + mm) * DegToRad) +
        0.0010 * std::sin((2 * f - mm) * DegToRad) + 0.0005 * std::sin((m + 2 * mm) * DegToRad);
    return meanPhase + correction;
}

PeriodMoments ElongationPeriodMoments(CalculationState& state, double jde, int n, double step) {
    // Lunation of the last new moon at or before jde. The estimate is one too
    // high only a short time before a new moon.
    double k = std::floor(12.3685 * ((jde - 2415020) / 365.25));
    if (NewMoonTime(jde, k) > jde) k = k - 1;

    // The 0 and 360 degree boundaries come from the new-moon series, which
    // disagrees with the Sun and Moon theories by up to a few minutes. Inside
    // that window the theories may already (or still) put the moment on the
    // other side of the new moon than the series does, and the literal choice
    // would be a whole lunation off; the nearer of the two candidates is the
    // one meant, and outside the window it is the literal one anyway.
    const double lastNewMoon = NewMoonTime(jde, k);
    const double nextNewMoon = NewMoonTime(jde, k + 1);
    const double nearNewMoonForStart = std::fabs(nextNewMoon - jde) < std::fabs(jde - lastNewMoon) ? nextNewMoon : lastNewMoon;
    const double nearNewMoonForEnd = std::fabs(jde - lastNewMoon) < std::fabs(nextNewMoon - jde) ? lastNewMoon : nextNewMoon;

    double t = jde;
    double moments[2] = {jde, jde};
    for (int pass = 0; pass < 2; ++pass) {
        // Index arithmetic in double: no overflow whatever n the caller passes.
        const double target = (static_cast<double>(n) + pass) * step;
        if (target == 0) {
            t = nearNewMoonForStart;
        } else if (target == 360) {
            t = nearNewMoonForEnd;
        } else {
            t = ElongationBoundary(state, t, target);  // the end search starts from the start moment
        }
        moments[pass] = t;
    }
    return {moments[0], moments[1]};
}

PeriodMoments YogaPeriodMoments(CalculationState& state, double jde, double yogaSum) {
    // A sum that is no number has no yoga: no boundaries, no moments.
    if (!std::isfinite(yogaSum)) {
        const double none = std::numeric_limits<double>::quiet_NaN();
        return {none, none};
    }
    const double span = std::floor(6 * yogaSum / 80);  // yoga count in the unbounded frame
    const double boundaries[2] = {span * 80 / 6, (span + 1) * 80 / 6};
    double t = jde;
    double moments[2] = {jde, jde};
    for (int pass = 0; pass < 2; ++pass) {
        t = YogaBoundary(state, t, boundaries[pass]);  // the end search starts from the start moment
        moments[pass] = t;
    }
    return {moments[0], moments[1]};
}

std::string ElongationPeriodText(CalculationState& state, double jde, int n, double tz, double step) {
    const PeriodMoments span = ElongationPeriodMoments(state, jde, n, step);
    return SpanText(state, span.start, span.end, tz);
}

std::string YogaPeriodText(CalculationState& state, double jde, double yogaSum, double tz) {
    const PeriodMoments span = YogaPeriodMoments(state, jde, yogaSum);
    return SpanText(state, span.start, span.end, tz);
}

}  // namespace velmora
