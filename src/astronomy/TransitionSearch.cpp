#include "astronomy/TransitionSearch.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "astronomy/Angles.h"
#include "astronomy/Calendar.h"
#include "astronomy/Elements.h"
#include "astronomy/Epochs.h"

namespace velmora {

namespace {

// Evaluations of the Sun and Moon allowed for one boundary. A converging search
// needs a handful (at most 6 seen over 1901-2050); past this it gives up.
constexpr int kMaxEvaluations = 200;

// Greatest distance of the elongation or the yoga sum from its target accepted
// as a boundary, degrees: about 7 seconds of time for the tithi.
constexpr double kBoundaryTolerance = 0.001;

// A Moon search that is this close to its boundary, degrees, takes its last
// Newton step without evaluating the Moon where it lands. The Moon's motion
// changes by less than 0.5 degrees a day per day and is never under 11.7
// degrees a day, so the step is at most 0.0043 days and lands within
// 0.5 × 0.0043² / 2 ≈ 0.000005 degrees of the boundary (0.03 s of time),
// 200 times inside kBoundaryTolerance. It saves about a third of the
// evaluations, and a search that lands within kBoundaryTolerance still takes
// that last step, so the Moon's edges are found to a fraction of a second.
constexpr double kMoonLastStep = 0.05;

// The Sun's mean motion inverted, days per degree (1 / 0.9856…). The yoga step
// adds it to the Moon's motion in degrees per day as it stands; it only sizes
// the Newton steps, and the searches converge with it.
constexpr double kYogaSunMotion = 1.0145616633;

// A span line: the start moment's text, "  to", " ", the end moment's text.
// Empty when there is no span or either moment cannot be shown as a date.
std::string SpanText(const std::optional<PeriodMoments>& span, double tz) {
    return PeriodText(span, tz);
}

}  // namespace

std::string PeriodText(const std::optional<PeriodMoments>& span, double tz) {
    if (!span) return {};
    const std::string startText = FormatJDTime(span->start + tz / 24);
    if (startText.empty()) return {};
    const std::string endText = FormatJDTime(span->end + tz / 24);
    if (endText.empty()) return {};
    return startText + "  to" + " " + endText;
}

namespace {

// What a search gives back: the evaluation at its boundary (a start, from
// which the end's search goes on), or, for an end, the boundary's moment alone.
enum class Landing { Evaluated, MomentOnly };

// A Newton step from within this distance of the target, degrees, lands
// within kBoundaryTolerance of it, so the evaluation where it lands would
// only confirm the boundary. The step's slope (the Moon's motion series less
// or plus the Sun's mean motion) is off the true rate of the elongation or the
// yoga sum by at most about 0.075 degrees a day (the series against the
// theory it sums about 0.01, the Sun's true motion 0.953..1.019 against 1 or
// 1.0146), in at least 10.8 degrees a day: 0.7 % of the step, 0.00035 degrees
// here; the change of the rate over the step (under 0.7 degrees a day per
// day over 0.005 days) adds 0.00001. Three times inside the tolerance, so an
// end found without that evaluation is exactly the moment found with it.
constexpr double kSureLastStep = 0.05;

// Newton search, from the evaluated moment `at`, for the moment at which the
// elongation Moon − Sun equals target (degrees, not 0 or 360). Returns the
// evaluation at the boundary (or only its jde, for Landing::MomentOnly), or
// nothing when the search gives up.
std::optional<SunMoon> ElongationBoundary(SunMoon at, double target, Landing landing = Landing::Evaluated) {
    for (int evaluation = 1;; ++evaluation) {
        const double goal = Normalize360(target + at.sun.longitude);
        double delta = goal - at.moon.longitude;
        // The short way round: a boundary more than 180 degrees ahead lies behind.
        if (delta > 180) delta = delta - 360;
        if (delta < -180) delta = delta + 360;
        if (!std::isfinite(delta)) return std::nullopt;
        if (!(std::fabs(delta) > kBoundaryTolerance)) return at;
        const double step = delta / (at.MoonDailyMotionNow() - 1);
        if (!std::isfinite(step) || evaluation == kMaxEvaluations) return std::nullopt;
        if (landing == Landing::MomentOnly && std::fabs(delta) <= kSureLastStep) {
            SunMoon end;
            end.jde = at.jde + step;
            return end;
        }
        // The motion there is needed only if the search goes on from it.
        at = SunMoonAt(at.jde + step, MoonMotion::Deferred);
    }
}

// Newton search, from the evaluated moment `at`, for the moment at which the
// unreduced sidereal yoga sum equals boundary (degrees).
std::optional<SunMoon> YogaBoundary(SunMoon at, double boundary, double negAyanamsa,
                                    Landing landing = Landing::Evaluated) {
    for (int evaluation = 1;; ++evaluation) {
        const double sum = YogaSumOf(negAyanamsa, at.moon.raw, at.sun.raw);
        const double delta = boundary - sum;
        if (!std::isfinite(delta)) return std::nullopt;
        if (!(std::fabs(delta) > kBoundaryTolerance)) return at;
        const double step = delta / (kYogaSunMotion + at.MoonDailyMotionNow());
        if (!std::isfinite(step) || evaluation == kMaxEvaluations) return std::nullopt;
        if (landing == Landing::MomentOnly && std::fabs(delta) <= kSureLastStep) {
            SunMoon end;
            end.jde = at.jde + step;
            return end;
        }
        at = SunMoonAt(at.jde + step, MoonMotion::Deferred);
    }
}

}  // namespace

SunMoon SunMoonAt(double jde, MoonMotion motion) {
    const double nutation = NutationInLongitude(jde);
    return SunMoon{jde, SunLongitude(jde, nutation), MoonLongitude(jde, nutation, motion),
                   motion == MoonMotion::Deferred};
}

namespace {

// The periodic terms of a new moon, days, summed in this order. Each row: the
// multipliers of the Sun's mean anomaly M, the Moon's mean anomaly M' and the
// Moon's argument of latitude F (their sum in degrees, multiplied by DegToRad
// once), the coefficient and its change per Julian century.
struct NewMoonTerm {
    int m;
    int mm;
    int f;
    double days;
    double daysPerCentury;
};

constexpr NewMoonTerm kNewMoonTerms[] = {
    {1, 0, 0, 0.1734, -0.000393},  // M
    {2, 0, 0, 0.0021, 0},          // 2M
    {0, 1, 0, -0.4068, 0},         // M'
    {0, 2, 0, 0.0161, 0},          // 2M'
    {0, 3, 0, -0.0004, 0},         // 3M'
    {0, 0, 2, 0.0104, 0},          // 2F
    {1, 1, 0, -0.0051, 0},         // M + M'
    {1, -1, 0, -0.0074, 0},        // M - M'
    {1, 0, 2, 0.0004, 0},          // 2F + M
    {-1, 0, 2, -0.0004, 0},        // 2F - M
    {0, 1, 2, -0.0006, 0},         // 2F + M'
    {0, -1, 2, 0.0010, 0},         // 2F - M'
    {1, 2, 0, 0.0005, 0},          // M + 2M'
};
static_assert(std::size(kNewMoonTerms) == 13);

}  // namespace

// Mean new moon with the 13 largest periodic terms, after the classical
// almanacs' phases of the Moon (1900 epoch; J. Meeus, Astronomical Formulae for
// Calculators, ch. 32).
double NewMoonTime(double jde, double k) {
    const double t = (jde - J1900) / DaysPerJulianCentury;  // from the moment asked about, not from k
    const double tt = t * t;
    const double ttt = t * t * t;
    const double meanPhase = 2415020.75933 + 29.53058868 * k + 0.0001178 * tt - 0.000000155 * ttt +
                             0.00033 * std::sin((166.56 + 132.87 * t - 0.009173 * tt) * DegToRad);
    // Degrees.
    const double m = 359.2242 + 29.10535608 * k - 0.0000333 * tt - 0.00000347 * ttt;    // Sun's mean anomaly
    const double mm = 306.0253 + 385.81691806 * k + 0.0107306 * tt + 0.00001236 * ttt;  // Moon's mean anomaly
    const double f = 21.2964 + 390.67050646 * k - 0.0016528 * tt - 0.00000239 * ttt;    // Moon's argument of latitude
    double correction = 0;
    for (const NewMoonTerm& term : kNewMoonTerms) {
        const double argument = (term.m * m + term.mm * mm + term.f * f) * DegToRad;
        correction = correction + (term.days + term.daysPerCentury * t) * std::sin(argument);
    }
    return meanPhase + correction;
}

ElongationSpans::ElongationSpans(const SunMoon& at) : at_(at) {
    const double jde = at.jde;
    // Lunation of the last new moon at or before jde. The estimate is one too
    // high only a short time before a new moon.
    double k = std::floor(12.3685 * ((jde - J1900) / 365.25));
    double lastNewMoon = NewMoonTime(jde, k);
    if (lastNewMoon > jde) {
        k = k - 1;
        lastNewMoon = NewMoonTime(jde, k);
    }
    const double nextNewMoon = NewMoonTime(jde, k + 1);

    // The 0 and 360 degree boundaries come from the new-moon series, which
    // disagrees with the Sun and Moon theories by up to a few minutes. Inside
    // that window the theories may already (or still) put the moment on the
    // other side of the new moon than the series does, and the literal choice
    // would be a whole lunation off; the nearer of the two candidates is the
    // one meant, and outside the window it is the literal one anyway.
    nearNewMoonForStart_ = std::fabs(nextNewMoon - jde) < std::fabs(jde - lastNewMoon) ? nextNewMoon : lastNewMoon;
    nearNewMoonForEnd_ = std::fabs(jde - lastNewMoon) < std::fabs(nextNewMoon - jde) ? lastNewMoon : nextNewMoon;
}

std::optional<PeriodMoments> ElongationSpans::Moments(int n, double step) {
    // The end search starts from the start moment; `from` is the evaluation
    // there when one was made.
    std::optional<SunMoon> from = at_;
    double moments[2] = {at_.jde, at_.jde};
    for (int pass = 0; pass < 2; ++pass) {
        // Index arithmetic in double: no overflow whatever n the caller passes.
        const double target = (static_cast<double>(n) + pass) * step;
        if (target == 0 || target == 360) {
            moments[pass] = target == 0 ? nearNewMoonForStart_ : nearNewMoonForEnd_;
            from.reset();
            continue;
        }
        std::optional<SunMoon> boundary;
        if (pass == 0 && startTarget_ == target) {
            boundary = startBoundary_;  // the same search from the same moment
        } else {
            // An end is not searched on from: its moment is all it gives.
            boundary = ElongationBoundary(from ? *from : SunMoonAt(moments[0], MoonMotion::Deferred), target,
                                          pass == 0 ? Landing::Evaluated : Landing::MomentOnly);
            if (pass == 0) {
                startTarget_ = target;
                startBoundary_ = boundary;
            }
        }
        if (!boundary) return std::nullopt;
        moments[pass] = boundary->jde;
        from = boundary;
    }
    return PeriodMoments{moments[0], moments[1]};
}

std::string ElongationSpans::Text(int n, double tz, double step) { return SpanText(Moments(n, step), tz); }

std::optional<PeriodMoments> ElongationPeriodMoments(const SunMoon& at, int n, double step) {
    return ElongationSpans(at).Moments(n, step);
}

std::optional<PeriodMoments> YogaPeriodMoments(const SunMoon& at, double yogaSum, double negAyanamsa) {
    // A sum that is no number has no yoga: no boundaries, no moments.
    if (!std::isfinite(yogaSum)) return std::nullopt;
    const double span = std::floor(6 * yogaSum / 80);  // yoga count in the unbounded frame
    const double boundaries[2] = {span * 80 / 6, (span + 1) * 80 / 6};
    SunMoon from = at;
    double moments[2] = {0, 0};
    for (int pass = 0; pass < 2; ++pass) {
        const std::optional<SunMoon> boundary =
            YogaBoundary(from, boundaries[pass], negAyanamsa, pass == 0 ? Landing::Evaluated : Landing::MomentOnly);
        if (!boundary) return std::nullopt;
        moments[pass] = boundary->jde;
        from = *boundary;  // the end search starts from the start moment
    }
    return PeriodMoments{moments[0], moments[1]};
}

std::string ElongationPeriodText(const SunMoon& at, int n, double tz, double step) {
    return ElongationSpans(at).Text(n, tz, step);
}

std::string YogaPeriodText(const SunMoon& at, double yogaSum, double negAyanamsa, double tz) {
    return SpanText(YogaPeriodMoments(at, yogaSum, negAyanamsa), tz);
}

std::string ElongationPeriodText(double jde, int n, double tz, double step) {
    return ElongationPeriodText(SunMoonAt(jde), n, tz, step);
}

std::string YogaPeriodText(double jde, double yogaSum, double negAyanamsa, double tz) {
    return YogaPeriodText(SunMoonAt(jde), yogaSum, negAyanamsa, tz);
}

SiderealMoonSpans::SiderealMoonSpans(const SunMoon& at, double negAyanamsa)
    : negAyanamsa_(negAyanamsa), longitude_(Normalize360(at.moon.longitude + negAyanamsa)) {
    MoonPosition moon = at.moon;
    moon.dailyMotion = at.MoonDailyMotionNow();
    known_[0] = {at.jde, moon};
    knownCount_ = 1;
}

std::optional<double> SiderealMoonSpans::Boundary(int pada) {
    // The end of the last pada is the start of the first.
    pada = pada % PadasPerTurn;
    for (int i = 0; i < foundCount_; ++i) {
        const Found& f = found_[static_cast<std::size_t>(i)];
        if (f.pada == pada) return f.jde;
    }
    // The tropical longitude at which the sidereal Moon reaches the boundary.
    const double goal = Normalize360(pada * PadaDegrees - negAyanamsa_);
    // The short way round: a span's boundaries lie within 30 degrees of the
    // query moment and of each other.
    const auto towards = [goal](const MoonPosition& moon) {
        double delta = goal - moon.longitude;
        if (delta > 180) delta = delta - 360;
        if (delta < -180) delta = delta + 360;
        return delta;
    };
    // From the Moon evaluated nearest to the boundary so far: the query
    // moment, or one an earlier search evaluated (an edge of the pada lies
    // between the moment and the mansion's or the sign's edge).
    std::size_t at = 0;
    for (std::size_t i = 1; i < static_cast<std::size_t>(knownCount_); ++i) {
        if (std::fabs(towards(known_[i].moon)) < std::fabs(towards(known_[at].moon))) at = i;
    }
    std::optional<double> result;
    for (int evaluation = 1;; ++evaluation) {
        Known& from = known_[at];
        const double delta = towards(from.moon);
        if (!std::isfinite(delta)) break;
        // The motion of a known Moon is summed once, when a search first
        // steps from it.
        if (std::isnan(from.moon.dailyMotion)) from.moon.dailyMotion = MoonDailyMotion(from.moon.arguments);
        double step = delta / from.moon.dailyMotion;
        if (!std::isfinite(step) || evaluation == kMaxEvaluations) break;
        if (std::fabs(delta) <= kMoonLastStep) {
            result = from.jde + step;  // no evaluation there: it would only confirm
            break;
        }
        // A long step (an edge of the mansion or the sign a day or two away)
        // allows for the change of the motion on the way, as far as two known
        // motions tell it, so that it lands within the last step's reach.
        if (const std::optional<double> rate = MotionChangeNear(at)) {
            const double root = from.moon.dailyMotion * from.moon.dailyMotion + 2 * *rate * delta;
            const double curved = 2 * delta / (from.moon.dailyMotion + std::sqrt(root));
            if (root > 0 && std::isfinite(curved)) step = curved;
        }
        const double jde = from.jde + step;
        MoonPosition moon = MoonLongitude(jde, NutationInLongitude(jde), MoonMotion::Deferred);
        moon.dailyMotion = std::numeric_limits<double>::quiet_NaN();  // not summed yet
        ++evaluations_;
        if (!std::isfinite(jde)) break;
        at = Remember(jde, moon);
    }
    if (foundCount_ < static_cast<int>(found_.size())) found_[static_cast<std::size_t>(foundCount_++)] = {pada, result};
    return result;
}

std::size_t SiderealMoonSpans::Remember(double jde, const MoonPosition& moon) {
    // Every Moon evaluated is a starting point for later searches; when the
    // list is full (only a search that does not converge gets there) the last
    // place is reused.
    if (knownCount_ < static_cast<int>(known_.size())) ++knownCount_;
    const auto i = static_cast<std::size_t>(knownCount_ - 1);
    known_[i] = {jde, moon};
    return i;
}

std::optional<double> SiderealMoonSpans::MotionChangeNear(std::size_t at) const {
    // The Moon's motion changes by less than about 0.6 degrees a day per day;
    // from two motions at least an hour apart, the nearer the better.
    const Known& here = known_[at];
    std::optional<double> rate;
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < static_cast<std::size_t>(knownCount_); ++i) {
        const Known& other = known_[i];
        const double apart = std::fabs(other.jde - here.jde);
        if (i == at || std::isnan(other.moon.dailyMotion) || apart < 1.0 / 24 || apart >= nearest) continue;
        const double change = (here.moon.dailyMotion - other.moon.dailyMotion) / (here.jde - other.jde);
        if (!std::isfinite(change) || std::fabs(change) > 2) continue;
        rate = change;
        nearest = apart;
    }
    return rate;
}

std::optional<PeriodMoments> SiderealMoonSpans::Moments(int n, int padas) {
    if (padas < 1 || padas > PadasPerTurn || n < 0 || n >= PadasPerTurn / padas) return std::nullopt;
    const std::optional<double> from = Boundary(n * padas);
    if (!from) return std::nullopt;
    const std::optional<double> to = Boundary((n + 1) * padas);
    if (!to) return std::nullopt;
    return PeriodMoments{*from, *to};
}

std::string SiderealMoonSpans::Text(int n, int padas, double tz) { return PeriodText(Moments(n, padas), tz); }

}  // namespace velmora
