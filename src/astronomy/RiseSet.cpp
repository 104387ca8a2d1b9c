#include "astronomy/RiseSet.h"

#include <erfa.h>

#include <cmath>
#include <cstring>

#include "astronomy/Calendar.h"
#include "astronomy/Sun.h"

namespace velmora {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;
constexpr double kMjd0 = 2400000.5;        // ERFA's two-part dates: this plus the rest
constexpr double kAuMetres = 149597870700.0;
constexpr double kMoonRadiusMetres = 1737400.0;

// Hour angle rates, degrees per day, that size the steps to a meridian
// passage: the Earth turns 360.9856 degrees a day against the equinox, the
// Sun moves about 1 and the Moon about 13 of them the same way.
constexpr double kSunHourAngleRate = 360.0;
constexpr double kMoonHourAngleRate = 347.8;

// The Earth's turn against the equinox, radians per day.
constexpr double kEarthTurn = 2 * kPi * 1.00273781191135448;

// A root is found when the bracket is narrower than this, days (5 ms).
constexpr double kRootTolerance = 5.0e-3 / 86400;
constexpr int kMaxRootSteps = 60;

// Days: a longer interval is not searched (a caller's mistake, not a question).
constexpr double kLongestInterval = 4000;

// What one search holds fixed over its interval (a few days at most): the
// equation of the equinoxes, the GCRS-to-true-of-date matrix for the Moon and
// the true obliquity for the Sun change by well under 0.01" a day's worth.
struct Frame {
    RiseSetBody body;
    double latitude;   // radians, geodetic
    double longitude;  // radians, east
    double site[3];    // observer in the terrestrial frame, metres
    double equationOfEquinoxes;
    double trueObliquity;
    double rbpn[3][3];
};

Frame MakeFrame(RiseSetBody body, const Observer& observer, double jdUt) {
    Frame f{};
    f.body = body;
    f.latitude = observer.latitude * kDeg;
    f.longitude = observer.longitude * kDeg;
    if (eraGd2gc(1, f.longitude, f.latitude, observer.height, f.site) != 0) {
        f.site[0] = f.site[1] = f.site[2] = 0;
    }
    const double deltaT = DeltaTHours(jdUt);
    const double tt = jdUt - kMjd0 + (std::isfinite(deltaT) ? deltaT / 24 : 0);
    // One nutation (IAU 2000B) for the precession-nutation matrix, the
    // equation of the equinoxes and the true obliquity.
    double dpsi = 0;
    double deps = 0;
    eraNut00b(kMjd0, tt, &dpsi, &deps);
    double epsa = 0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn00(kMjd0, tt, dpsi, deps, &epsa, rb, rp, rbp, rn, f.rbpn);
    f.equationOfEquinoxes = eraEe00(kMjd0, tt, epsa, dpsi);
    f.trueObliquity = epsa + deps;
    return f;
}

// The body at a moment: its direction from the observer in the true equator
// and equinox of date (unit vector), the local sidereal angle, and the
// altitude target of its centre (radians).
struct Seen {
    double dir[3];
    double localSidereal;  // radians: Greenwich apparent sidereal time plus the longitude
    double target;
};

Seen Look(const Frame& f, double jdUt) {
    Seen s{};
    double deltaT = DeltaTHours(jdUt);
    if (!std::isfinite(deltaT)) deltaT = 0;
    const double ut = jdUt - kMjd0;
    const double tt = ut + deltaT / 24;
    const double gast = eraGmst06(kMjd0, ut, kMjd0, tt) + f.equationOfEquinoxes;
    s.localSidereal = gast + f.longitude;
    if (f.body == RiseSetBody::Sun) {
        const double lambda = SunLongitude(jdUt + deltaT / 24).longitude * kDeg;
        const double ce = std::cos(f.trueObliquity);
        const double se = std::sin(f.trueObliquity);
        s.dir[0] = std::cos(lambda);
        s.dir[1] = ce * std::sin(lambda);
        s.dir[2] = se * std::sin(lambda);
        s.target = kSunRisingAltitude * kDeg;
        return s;
    }
    double pv[2][3];
    eraMoon98(kMjd0, tt, pv);
    // ERFA 2.0 takes its inputs through pointers to non-const: local copies.
    double rbpn[3][3];
    std::memcpy(rbpn, f.rbpn, sizeof rbpn);
    double moon[3];
    eraRxp(rbpn, pv[0], moon);
    // The observer in the same frame: the terrestrial vector turned by GAST.
    const double cg = std::cos(gast);
    const double sg = std::sin(gast);
    const double site[3] = {(f.site[0] * cg - f.site[1] * sg) / kAuMetres, (f.site[0] * sg + f.site[1] * cg) / kAuMetres,
                            f.site[2] / kAuMetres};
    double siteCopy[3] = {site[0], site[1], site[2]};
    double topo[3];
    eraPmp(moon, siteCopy, topo);
    double distance = 0;
    eraPn(topo, &distance, s.dir);
    const double semidiameter = std::asin(kMoonRadiusMetres / (distance * kAuMetres));
    s.target = -kHorizonRefraction * kDeg - semidiameter;
    return s;
}

double AboveTarget(const Frame& f, const Seen& s) {
    const double cl = std::cos(f.latitude);
    double up[3] = {cl * std::cos(s.localSidereal), cl * std::sin(s.localSidereal), std::sin(f.latitude)};
    double dir[3] = {s.dir[0], s.dir[1], s.dir[2]};
    const double sinAltitude = eraPdp(up, dir);
    return std::asin(std::fmax(-1.0, std::fmin(1.0, sinAltitude))) - s.target;
}

double AboveTarget(const Frame& f, double jdUt) { return AboveTarget(f, Look(f, jdUt)); }

// Hour angle in degrees, 0..360.
double HourAngle(const Seen& s) {
    const double ra = std::atan2(s.dir[1], s.dir[0]);
    double h = std::fmod((s.localSidereal - ra) / kDeg, 360.0);
    if (h < 0) h += 360;
    return h;
}

// A meridian passage and the body seen then.
struct Passage {
    double t;
    Seen seen;
};

// The next meridian passage after `at` (upper or lower, whichever comes
// first; one closer than a degree of turn is passed over): estimated from the
// hour angle at `at`, then refined once, which puts it within seconds.
Passage NextPassage(const Frame& f, double at, const Seen& seenAt) {
    const double rate = f.body == RiseSetBody::Sun ? kSunHourAngleRate : kMoonHourAngleRate;
    const double h = HourAngle(seenAt);
    double ahead = 180 - std::fmod(h, 180.0);  // 0..180
    if (ahead < 1) ahead += 180;
    const double target = std::fmod(h + ahead, 360.0);
    double t = at + ahead / rate;
    const double off = std::fmod(target - HourAngle(Look(f, t)) + 540, 360.0) - 180;  // -180..180
    t += off / rate;
    return Passage{t, Look(f, t)};
}

// The rate of the altitude, radians per day, from the Earth's turning alone:
// the body's own motion is left out, which makes a Newton step a few per
// cent short (the Moon) and the next step mends it.
double AltitudeRate(const Frame& f, const Seen& s) {
    const double cl = std::cos(f.latitude);
    const double c = std::cos(s.localSidereal);
    const double sn = std::sin(s.localSidereal);
    const double sinAltitude = cl * c * s.dir[0] + cl * sn * s.dir[1] + std::sin(f.latitude) * s.dir[2];
    const double dSin = kEarthTurn * cl * (-sn * s.dir[0] + c * s.dir[1]);
    const double cosAltitude = std::sqrt(std::fmax(0.0, 1 - sinAltitude * sinAltitude));
    return cosAltitude > 1e-9 ? dSin / cosAltitude : 0;
}

// The root of a sign change of AboveTarget in (a, b]: Newton steps kept
// inside the bracket, which narrows with every evaluation; a step that
// would leave it is a secant step of the bracket instead.
double Root(const Frame& f, double a, double fa, double b, double fb) {
    auto secant = [&]() {
        const double t = (a * fb - b * fa) / (fb - fa);
        return t > a && t < b ? t : 0.5 * (a + b);
    };
    double t = secant();
    for (int i = 0; i < kMaxRootSteps; ++i) {
        const Seen seen = Look(f, t);
        const double ft = AboveTarget(f, seen);
        if ((ft >= 0) == (fb >= 0)) {
            b = t;
            fb = ft;
        } else {
            a = t;
            fa = ft;
        }
        if (!(b - a > kRootTolerance)) break;
        const double rate = AltitudeRate(f, seen);
        double next = rate != 0 ? t - ft / rate : secant();
        if (!(next > a && next < b)) next = secant();
        if (std::fabs(next - t) < kRootTolerance) return next;
        t = next;
    }
    return 0.5 * (a + b);
}

}  // namespace

double AltitudeAboveRising(RiseSetBody body, const Observer& observer, double jdUt) {
    const Frame f = MakeFrame(body, observer, jdUt);
    return AboveTarget(f, jdUt) / kDeg;
}

std::vector<HorizonCrossing> HorizonCrossings(RiseSetBody body, const Observer& observer, double jdUtFrom,
                                              double jdUtTo) {
    std::vector<HorizonCrossing> crossings;
    if (!(std::isfinite(jdUtFrom) && std::isfinite(jdUtTo) && jdUtFrom < jdUtTo)) return crossings;
    if (!(std::isfinite(observer.latitude) && std::isfinite(observer.longitude) && std::isfinite(observer.height)))
        return crossings;
    if (jdUtTo - jdUtFrom > kLongestInterval) return crossings;
    // Long intervals are searched a few days at a time, each with its own frame.
    constexpr double kFrameDays = 4;
    const int frames = static_cast<int>(std::ceil((jdUtTo - jdUtFrom) / kFrameDays));
    for (int frame = 0; frame < frames; ++frame) {
        const double start = jdUtFrom + frame * kFrameDays;
        const double end = std::fmin(jdUtTo, start + kFrameDays);
        const Frame f = MakeFrame(body, observer, 0.5 * (start + end));
        double a = start;
        Seen seenA = Look(f, a);
        double fa = AboveTarget(f, seenA);
        // Piece by piece from one meridian passage to the next.
        for (int guard = 0; guard < 64; ++guard) {
            const Passage passage = NextPassage(f, a, seenA);
            const bool last = !(passage.t < end);
            const double b = last ? end : passage.t;
            const Seen seenB = last ? Look(f, end) : passage.seen;
            const double fb = AboveTarget(f, seenB);
            if (b > a && (fa >= 0) != (fb >= 0)) crossings.push_back({Root(f, a, fa, b, fb), fb >= 0});
            if (last || !(b > a)) break;
            a = b;
            seenA = seenB;
            fa = fb;
        }
    }
    return crossings;
}

}  // namespace velmora
