#include "day/ElementChanges.h"

#include <cmath>

#include "astronomy/Elements.h"
#include "astronomy/Epochs.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/HinduDay.h"
#include "day/LunarMonth.h"
#include "engine/Engine.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"

namespace velmora {

namespace {

// The three angles the elements are read from.
enum class Angle { Elongation, YogaSum, SiderealMoon };

// Degrees an element spans on its angle.
constexpr double kKaranaDegrees = 6;
constexpr double kYogaDegrees = 80.0 / 6;
constexpr double kNakshatraDegrees = 40.0 / 3;

// The angles' mean course, degrees at J2000 (JDE) and degrees a day: a
// straight line fitted to the panchang's own angles over 1000-3000, from
// which each stays within 10.1° (the Moon's and the Sun's equations of
// centre, evection, variation). It only says where a search starts.
struct MeanCourse {
    double atJ2000;
    double perDay;
};
constexpr MeanCourse kElongationCourse{445257.791264699, 12.190749110152};
constexpr MeanCourse kYogaSumCourse{-10348.9932918, 14.161967332029};
constexpr MeanCourse kSiderealMoonCourse{481514.3936841995, 13.176358221090};

// The Sun's mean motion, degrees a day: it sizes the Newton steps of the
// elongation and the yoga sum (the true motion differs by at most 0.034).
constexpr double kSunMotion = 0.9856473;

// A search takes its last step without looking where it lands once a step is
// this short, days (8.6 s): the step's own error is then under 0.03 s.
constexpr double kLastStep = 1e-4;
constexpr int kMaxSteps = 30;

// Julian days of 1000-01-01 and 3000-01-01: the years the day is computed for.
constexpr double kLowestJd = 2086302.5;
constexpr double kHighestJd = 2816787.5;

// Which angle an element kind reads, the count on that angle for element
// count n, and the angle's step: a tithi is two karanas.
struct OnAngle {
    Angle angle;
    long long count;
    double degrees;
};

OnAngle AngleOf(ElementKind kind, long long n) {
    switch (kind) {
        case ElementKind::Tithi: return {Angle::Elongation, 2 * n, kKaranaDegrees};
        case ElementKind::Karana: return {Angle::Elongation, n, kKaranaDegrees};
        case ElementKind::Yoga: return {Angle::YogaSum, n, kYogaDegrees};
        case ElementKind::Nakshatra: return {Angle::SiderealMoon, n, kNakshatraDegrees};
    }
    return {Angle::Elongation, n, kKaranaDegrees};
}

double ElementDegrees(ElementKind kind) {
    return kind == ElementKind::Tithi ? 2 * kKaranaDegrees : AngleOf(kind, 0).degrees;
}

const MeanCourse& CourseOf(Angle angle) {
    switch (angle) {
        case Angle::Elongation: return kElongationCourse;
        case Angle::YogaSum: return kYogaSumCourse;
        case Angle::SiderealMoon: return kSiderealMoonCourse;
    }
    return kElongationCourse;
}

// The angle, unreduced, degrees: the raw longitudes never wrap.
double AngleValue(Angle angle, const SunMoon& at, double negAyanamsa) {
    switch (angle) {
        case Angle::Elongation: return at.moon.raw - at.sun.raw;
        case Angle::YogaSum: return YogaSumOf(negAyanamsa, at.moon.raw, at.sun.raw);
        case Angle::SiderealMoon: return at.moon.raw + negAyanamsa;
    }
    return std::nan("");
}

// The angle's rate, degrees a day (the ayanamsa's 0.00004 left out).
double AngleRate(Angle angle, const SunMoon& at) {
    const double moon = at.MoonDailyMotionNow();
    switch (angle) {
        case Angle::Elongation: return moon - kSunMotion;
        case Angle::YogaSum: return moon + kSunMotion;
        case Angle::SiderealMoon: return moon;
    }
    return std::nan("");
}

// JDE at which the angle reaches `target` degrees: Newton steps from the
// mean course's moment, so the answer depends on the target alone.
std::optional<double> AngleReaches(Angle angle, double target) {
    const MeanCourse& course = CourseOf(angle);
    double t = J2000 + (target - course.atJ2000) / course.perDay;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (!(std::isfinite(t) && t > kLowestJd - 2 && t < kHighestJd + 2)) return std::nullopt;
        const SunMoon at = SunMoonAt(t, MoonMotion::Deferred);
        const double value = AngleValue(angle, at, NegativeAyanamsa(t));
        const double move = (target - value) / AngleRate(angle, at);
        if (!std::isfinite(move)) return std::nullopt;
        t = t + move;
        if (std::fabs(move) < kLastStep) return t;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ElementChanges::Change(ElementKind kind, long long n) {
    const OnAngle on = AngleOf(kind, n);
    const std::pair<int, long long> key{static_cast<int>(on.angle), on.count};
    if (const auto known = found_.find(key); known != found_.end()) return known->second;
    ++searches_;
    std::optional<double> moment;
    // Counts outside the years searched are refused before any arithmetic.
    if (std::fabs(static_cast<double>(on.count)) < 1e9) {
        if (const std::optional<double> jde = AngleReaches(on.angle, static_cast<double>(on.count) * on.degrees)) {
            const double ut = UniversalFromEphemeris(*jde);
            if (std::isfinite(ut) && ut >= kLowestJd && ut <= kHighestJd) moment = ut;
        }
    }
    found_.emplace(key, moment);
    return moment;
}

std::optional<long long> ElementCountAt(ElementKind kind, double jdUt) {
    if (!(std::isfinite(jdUt) && jdUt >= kLowestJd && jdUt <= kHighestJd)) return std::nullopt;
    const double jde = EphemerisFromUniversal(jdUt);
    const SunMoon at = SunMoonAt(jde, MoonMotion::Deferred);
    const double value = AngleValue(AngleOf(kind, 0).angle, at, NegativeAyanamsa(jde));
    const double count = std::floor(value / ElementDegrees(kind));
    if (!std::isfinite(count) || std::fabs(count) > 1e9) return std::nullopt;
    return static_cast<long long>(count);
}

namespace {

long long Modulo(long long n, long long m) { return ((n % m) + m) % m; }

}  // namespace

int ElementNumber(ElementKind kind, long long count) {
    switch (kind) {
        case ElementKind::Tithi: return static_cast<int>(Modulo(count, 30)) + 1;
        case ElementKind::Karana: return static_cast<int>(Modulo(count, 60)) + 1;
        case ElementKind::Yoga:
        case ElementKind::Nakshatra: return static_cast<int>(Modulo(count, 27)) + 1;
    }
    return 0;
}

std::string_view ElementName(ElementKind kind, long long count) {
    const int index = ElementNumber(kind, count) - 1;
    switch (kind) {
        case ElementKind::Tithi: return TithiNameOf(index).value_or("");
        case ElementKind::Karana: {
            const std::optional<int> karana = KaranaIndexOf(index);
            return karana ? TableRow(KaranaNames, *karana).value_or("") : std::string_view();
        }
        case ElementKind::Yoga: return TableRow(YogaNames, index).value_or("");
        case ElementKind::Nakshatra: return TableRow(NakshatraNames, index).value_or("");
    }
    return {};
}

std::vector<DayElement> ElementChanges::Over(ElementKind kind, double fromJdUt, double toJdUt) {
    std::vector<DayElement> list;
    if (!(fromJdUt < toJdUt)) return list;
    std::optional<long long> n = ElementCountAt(kind, fromJdUt);
    if (!n) return list;
    std::optional<double> start = Change(kind, *n);
    std::optional<double> end = Change(kind, *n + 1);
    // The angle at the day's start and the searched moments can disagree for
    // a moment within the search's last step of a change: the element in
    // force is the one whose searched span holds the start.
    for (int guard = 0; guard < 4 && start && end; ++guard) {
        if (*start > fromJdUt) {
            --*n;
            end = start;
            start = Change(kind, *n);
        } else if (!(*end > fromJdUt)) {
            ++*n;
            start = end;
            end = Change(kind, *n + 1);
        } else {
            break;
        }
    }
    while (start && end && *start <= fromJdUt && *end > fromJdUt && list.size() < 16) {
        const double inDay = std::fmax(*start, fromJdUt);
        list.push_back(DayElement{ElementNumber(kind, *n), ElementName(kind, *n), *start, *end, inDay});
        if (!(*end < toJdUt)) break;
        // The next element begins where this one ends: the same moment.
        ++*n;
        start = end;
        end = Change(kind, *n + 1);
        fromJdUt = *start;
    }
    return list;
}

}  // namespace velmora
