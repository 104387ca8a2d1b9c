#pragma once

#include <vector>

// Rising and setting of the Sun and the Moon for a place on the Earth.
//
// Design: a body rises or sets when its altitude crosses a fixed target. The
// Sun is the panchang's own Sun (apparent longitude of date, latitude 0) with
// its centre at -0°50' (upper limb on the horizon with 34' of refraction: the
// almanacs' rule). The panchang's Moon has no latitude or distance, so the
// Moon comes from ERFA's eraMoon98, brought to the true equator of date
// (IAU 2000 precession with the 2000B nutation, one matrix per search),
// seen from the observer on the WGS84 ellipsoid (parallax included), with its
// upper limb at -34' (refraction) on the horizon. Earth rotation is ERFA's
// GMST (IAU 2006) plus the equation of the equinoxes; TT - UT is the
// panchang's ΔT, so rise and set fall on the panchang's time scale.
//
// The search cuts the interval at the body's meridian passages (upper and
// lower), between which the altitude rises or falls monotonically, and looks
// for one sign change in each piece. A body that stays above (or below) its
// target over an interval has no crossing there: callers say "does not rise"
// or "does not set", never a made-up time.
namespace velmora {

// A place: geodetic latitude and longitude in degrees (north and east
// positive), height above the ellipsoid in metres.
struct Observer {
    double latitude = 0;
    double longitude = 0;
    double height = 0;
};

enum class RiseSetBody { Sun, Moon };

// Altitude target of the body's centre, degrees, for the Sun (fixed).
inline constexpr double kSunRisingAltitude = -50.0 / 60.0;
// Refraction at the horizon, degrees (the Moon's target is minus this less
// its topocentric semidiameter).
inline constexpr double kHorizonRefraction = 34.0 / 60.0;

// How far the body's centre stands above its rising altitude, degrees, at a
// moment in UT (Julian day): positive while the body is up.
double AltitudeAboveRising(RiseSetBody body, const Observer& observer, double jdUt);

struct HorizonCrossing {
    double jdUt = 0;  // Julian day, universal time
    bool rising = false;
};

// Every rise and set of the body in [jdUtFrom, jdUtTo), in time order, to a
// small fraction of a second. Empty when the body stays up or down all the
// while (or the interval is empty, not finite, or longer than 4000 days). At
// most a few per day.
std::vector<HorizonCrossing> HorizonCrossings(RiseSetBody body, const Observer& observer, double jdUtFrom,
                                              double jdUtTo);

}  // namespace velmora
