#pragma once

#include <span>

// The panchang's lunar theory (1900 epoch). Time arguments are Julian days in
// ephemeris time (JDE).
namespace velmora {

// The theory's corrected arguments at a moment, radians: the Moon's mean
// anomaly l, the Sun's mean anomaly Ms, the argument of latitude F and the
// mean elongation D. The daily motion is a series in these.
struct MoonArguments {
    double l;
    double ms;
    double f;
    double dd;
};

// The Moon at one moment.
struct MoonPosition {
    double longitude;        // apparent tropical longitude, degrees, 0..360 (360 included)
    double raw;              // the same before reduction, degrees: continuous in time
    double dailyMotion;      // degrees per day (0 when left for later, see MoonMotion)
    MoonArguments arguments;
};

// Whether MoonLongitude sums the motion series too. A search that may stop at
// a moment leaves it for later (MoonDailyMotion), since it needs the motion
// only to take another step.
enum class MoonMotion { Computed, Deferred };

// The Moon's apparent longitude and motion at a JDE; `nutation` is
// NutationInLongitude(jde) in degrees, passed in when the Sun needs it at the
// same moment.
MoonPosition MoonLongitude(double jde, double nutation, MoonMotion motion = MoonMotion::Computed);
MoonPosition MoonLongitude(double jde);

// The Moon's motion in longitude, degrees per day (a constant and 30 cosine terms).
double MoonDailyMotion(const MoonArguments& arguments);

// One row of the lunar longitude series: the integer multipliers of the Moon's
// mean anomaly l, the Sun's mean anomaly Ms, the argument of latitude F and the
// mean elongation D, and the coefficient in arcseconds.
struct LunarSeriesTerm {
    int l;
    int ms;
    int f;
    int d;
    double arcsec;
};

// The rows MoonLongitude sums, in table order: the main series (93 rows, with
// the eccentricity and node factors) and the supplementary series (27 rows,
// without them). Read-only views for checks against an independent ephemeris.
std::span<const LunarSeriesTerm> MoonMainSeries();
std::span<const LunarSeriesTerm> MoonSupplementarySeries();

}  // namespace velmora
