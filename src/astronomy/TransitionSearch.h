#pragma once

#include <array>
#include <optional>
#include <string>

#include "astronomy/Moon.h"
#include "astronomy/Sun.h"

// Start and end moments of the tithi, karana and yoga in force at a moment.
// Every search moment is a JDE. A shown moment is t + tz / 24: the caller
// passes as tz its zone less ΔT (hours), so that shown moments are local clock
// times. A span text is the start moment's text, "  to", " ", the end's.
namespace velmora {

// The Sun and the Moon at one moment, with the nutation computed once for both.
struct SunMoon {
    double jde = 0;
    SunPosition sun{};
    MoonPosition moon{};
    bool moonMotionDeferred = false;  // moon.dailyMotion not summed yet

    // The Moon's daily motion, summed now if it was left for later.
    double MoonDailyMotionNow() const {
        return moonMotionDeferred ? MoonDailyMotion(moon.arguments) : moon.dailyMotion;
    }
};

SunMoon SunMoonAt(double jde, MoonMotion motion = MoonMotion::Computed);

// JDE of the new moon of lunation k (k = 0 near JDE 2415020.75933); T is taken
// from the jde argument.
double NewMoonTime(double jde, double k);

// Start and end of a span as JDEs (no zone applied).
struct PeriodMoments {
    double start = 0;
    double end = 0;
};

// The span of elongation element n (tithi: step 12, n 0..29; karana: step 6,
// n 0..59) around the moment `at`. Nothing when a boundary search gives up
// (its iteration guard, or a step or distance that is no number).
std::optional<PeriodMoments> ElongationPeriodMoments(const SunMoon& at, int n, double step);

// Several elongation spans around one moment (the tithi and the karana): the
// new moons on either side are found once, and a start boundary searched for
// one element is reused when another asks for the same one (the first half of
// a tithi starts where the tithi starts). Every span is exactly the one
// ElongationPeriodMoments gives.
class ElongationSpans {
public:
    explicit ElongationSpans(const SunMoon& at);

    std::optional<PeriodMoments> Moments(int n, double step);
    std::string Text(int n, double tz, double step);

private:
    SunMoon at_;
    double nearNewMoonForStart_;  // JDEs: the new moon a 0° start is taken from,
    double nearNewMoonForEnd_;    // and the one a 360° end is taken from
    // The last start boundary searched from at_: its target (degrees) and the
    // evaluation found there.
    std::optional<double> startTarget_;
    std::optional<SunMoon> startBoundary_;
};

// The span of the yoga whose unreduced sidereal sum at `at` is yogaSum, with
// minus the ayanamsa (degrees) held at its value for the query moment.
// Nothing when the sum is not finite or a search gives up.
std::optional<PeriodMoments> YogaPeriodMoments(const SunMoon& at, double yogaSum, double negAyanamsa);

// The spans of the sidereal Moon: the mansion (13°20′), its pada (3°20′) and
// the sign (30°) it is in. The sidereal Moon is the panchang's apparent Moon
// plus minus the ayanamsa (degrees), held at its value for the query moment,
// as the yoga holds it. Spans are counted in padas of 10/3 degrees from 0°
// sidereal: division n of a span `padas` long runs from pada n·padas to
// (n + 1)·padas (a mansion is 4 padas, a sign 9). Each boundary is searched
// by Newton steps on the Moon alone (no Sun), bounded as the other searches
// are, from the Moon evaluated nearest to it so far (the query moment's, or
// any an earlier search evaluated); a step of more than 0.05 degrees allows
// for the change of the motion that two known Moons show, and the last step,
// within 0.05 degrees, is taken without evaluating where it lands, so an edge
// is found to a fraction of a second. A boundary two spans share (a mansion
// starts where its first pada starts, every sign edge is a pada edge) is
// found once. About five evaluations of the Moon for the three spans, one for
// most edges; nothing is allocated.
inline constexpr int PadasPerMansion = 4;
inline constexpr int PadasPerSign = 9;
inline constexpr int PadasPerTurn = 108;
inline constexpr double PadaDegrees = 10.0 / 3;

class SiderealMoonSpans {
public:
    SiderealMoonSpans(const SunMoon& at, double negAyanamsa);

    // The sidereal Moon at the query moment, degrees 0..360 (360 included), or
    // NaN when it is no number.
    double Longitude() const { return longitude_; }

    // Nothing when n lies outside the turn or a boundary search gives up.
    std::optional<PeriodMoments> Moments(int n, int padas);
    std::string Text(int n, int padas, double tz);

    // Evaluations of the Moon made so far (for the tests and the benchmarks).
    int Evaluations() const { return evaluations_; }

private:
    std::optional<double> Boundary(int pada);
    // Keeps an evaluated Moon as a starting point; returns its place.
    std::size_t Remember(double jde, const MoonPosition& moon);
    // The change of the Moon's motion (degrees a day per day) near known Moon
    // `at`, from its motion and another known one; nothing without two.
    std::optional<double> MotionChangeNear(std::size_t at) const;

    double negAyanamsa_;
    double longitude_;
    // Moons evaluated so far, the query moment's first: where the next search
    // may start (dailyMotion NaN until summed). Three spans need about five.
    struct Known {
        double jde;
        MoonPosition moon;
    };
    std::array<Known, 16> known_{};
    int knownCount_ = 0;
    struct Found {
        int pada;  // 0..107
        std::optional<double> jde;
    };
    std::array<Found, 6> found_{};
    int foundCount_ = 0;
    int evaluations_ = 0;
};

// A span as text from its moments: the start's text, "  to", " ", the end's;
// empty when there is no span or a moment cannot be shown as a date.
std::string PeriodText(const std::optional<PeriodMoments>& span, double tz);

// The spans as text. Empty when a search gave up or a moment cannot be shown
// as a date (a JDE or zone that is not a finite number, or one far outside any
// calendar).
std::string ElongationPeriodText(const SunMoon& at, int n, double tz, double step);
std::string YogaPeriodText(const SunMoon& at, double yogaSum, double negAyanamsa, double tz);

// The same from a bare JDE.
std::string ElongationPeriodText(double jde, int n, double tz, double step);
std::string YogaPeriodText(double jde, double yogaSum, double negAyanamsa, double tz);

}  // namespace velmora
