#include "chart/Grahas.h"

#include <cmath>

#include <erfa.h>
#include <erfam.h>

namespace velmora {

namespace {

constexpr double kRadToDeg = 180.0 / ERFA_DPI;
constexpr double kMjdZero = 2400000.5;

// Lahiri's mean ayanamsa on 1956 March 21, 0h ET (Julian day 2435553.5 TT).
constexpr double kLahiriEpochJdTt = 2435553.5;
constexpr double kLahiriEpochMeanDeg = 23.245524743;

double Wrap360(double deg) {
    double d = std::fmod(deg, 360.0);
    if (d < 0) d += 360.0;
    if (d >= 360.0) d -= 360.0;
    return d;
}

// The general precession in longitude p_A from J2000, arcseconds, for t in
// Julian centuries TT (IAU 2006; Capitaine, Wallace and Chapront 2003, eq. 39).
double GeneralPrecessionArcsec(double t) {
    return (5028.796195 + (1.1054348 + (0.00007964 + (-0.000023857 + (-0.0000000383) * t) * t) * t) * t) * t;
}

// Ecliptic longitude (degrees) and its rate (degrees a day) of a geocentric
// direction and its rate, both already on the true ecliptic of date.
struct EclipticMotion {
    double lonDeg;
    double rateDegPerDay;
};

EclipticMotion Motion(const double p[3], const double v[3]) {
    const double xy = p[0] * p[0] + p[1] * p[1];
    EclipticMotion m{};
    m.lonDeg = Wrap360(std::atan2(p[1], p[0]) * kRadToDeg);
    m.rateDegPerDay = xy > 0 ? (p[0] * v[1] - p[1] * v[0]) / xy * kRadToDeg : 0.0;
    return m;
}

// Everything one moment shares: the frame of the true ecliptic of date and
// the Earth's state for aberration.
struct Frame {
    double tt1 = kMjdZero, tt2 = 0;
    double ecliptic[3][3]{};  // GCRS to the true ecliptic and equinox of date
    double rbpn[3][3]{};      // GCRS to the true equator and equinox of date
    double earthHelio[2][3]{};
    double earthVelC[3]{};  // the Earth's velocity in units of c
    double moon[2][3]{};     // the Moon, geocentric, geometric (AU, AU a day)
    double sunDistanceAu = 1;
    double bm1 = 1;
    double trueObliquity = 0;  // radians
    double nutationLon = 0;    // radians
    double meanObliquity = 0;  // radians
};

// The apparent direction of a geocentric geometric vector (AU) on the true
// ecliptic of date, with its rate.
EclipticMotion Apparent(Frame& f, double geo[3], double geoVel[3]) {
    double r = 0;
    double unit[3];
    eraPn(geo, &r, unit);
    double aberrated[3];
    if (r > 0) {
        eraAb(unit, f.earthVelC, f.sunDistanceAu, f.bm1, aberrated);
    } else {
        eraCp(unit, aberrated);
    }
    double p[3], v[3];
    eraRxp(f.ecliptic, aberrated, p);
    eraRxp(f.ecliptic, geoVel, v);
    // The rate from the geometric vector: aberration changes it by far less
    // than anything the retrograde mark depends on.
    double g[3];
    eraRxp(f.ecliptic, geo, g);
    EclipticMotion m = Motion(p, v);
    m.rateDegPerDay = Motion(g, v).rateDegPerDay;
    return m;
}

// A planet (eraPlan94 number 1 Mercury, 2 Venus, 4 Mars, 5 Jupiter, 6
// Saturn) as seen from the Earth: the light left it τ days before the moment.
// Over τ (at most about 0.06 day) the planet's path is straight to well under
// 0.01″, so one evaluation of the theory serves every pass of the iteration.
EclipticMotion PlanetSeen(Frame& f, int planet) {
    double pv[2][3];
    eraPlan94(f.tt1, f.tt2, planet, pv);
    double geo[3], vel[3];
    double tau = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 3; ++i) geo[i] = pv[0][i] - pv[1][i] * tau - f.earthHelio[0][i];
        tau = eraPm(geo) / ERFA_DC;
    }
    eraPmp(pv[1], f.earthHelio[1], vel);
    return Apparent(f, geo, vel);
}

Frame FrameAt(double jdUt, double deltaTSeconds) {
    Frame f;
    f.tt2 = (jdUt - kMjdZero) + deltaTSeconds / ERFA_DAYSEC;
    double dpsi = 0, deps = 0;
    eraNut00b(f.tt1, f.tt2, &dpsi, &deps);
    double epsa = 0, rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn06(f.tt1, f.tt2, dpsi, deps, &epsa, rb, rp, rbp, rn, f.rbpn);
    f.meanObliquity = epsa;
    f.trueObliquity = epsa + deps;
    f.nutationLon = dpsi;
    double tilt[3][3];
    eraIr(tilt);
    eraRx(f.trueObliquity, tilt);
    eraRxr(tilt, f.rbpn, f.ecliptic);

    // The Earth: the Earth-Moon barycentre less the Moon's share of the
    // Moon's geocentric vector (the Moon's mass is 1/82.30 of the two).
    double emb[2][3];
    eraPlan94(f.tt1, f.tt2, 3, emb);
    eraMoon98(f.tt1, f.tt2, f.moon);
    constexpr double kMoonShare = 1.0 / (1.0 + 81.300568);
    double v2 = 0;
    for (int i = 0; i < 3; ++i) {
        f.earthHelio[0][i] = emb[0][i] - kMoonShare * f.moon[0][i];
        f.earthHelio[1][i] = emb[1][i] - kMoonShare * f.moon[1][i];
        // Heliocentric for barycentric velocity: the Sun's own 0.01 km/s
        // about the barycentre changes the aberration by under 0.01″.
        f.earthVelC[i] = f.earthHelio[1][i] / ERFA_DC;
        v2 += f.earthVelC[i] * f.earthVelC[i];
    }
    f.bm1 = std::sqrt(1 - v2);
    f.sunDistanceAu = eraPm(f.earthHelio[0]);
    return f;
}

}  // namespace

double LahiriMeanAyanamsa(double jdTt) {
    const double t = (jdTt - ERFA_DJ00) / ERFA_DJC;
    const double t0 = (kLahiriEpochJdTt - ERFA_DJ00) / ERFA_DJC;
    return kLahiriEpochMeanDeg + (GeneralPrecessionArcsec(t) - GeneralPrecessionArcsec(t0)) / 3600.0;
}

SiderealSky SiderealSkyAt(double jdUt, double deltaTSeconds, double latitudeDeg, double longitudeEastDeg,
                          NodeKind node) {
    Frame f = FrameAt(jdUt, deltaTSeconds);
    SiderealSky sky;
    const double meanAyanamsa = LahiriMeanAyanamsa(f.tt1 + f.tt2);
    sky.ayanamsa = meanAyanamsa + f.nutationLon * kRadToDeg;
    auto place = [&](Graha g, const EclipticMotion& m) {
        sky.grahas[static_cast<int>(g)] = {Wrap360(m.lonDeg - sky.ayanamsa), m.rateDegPerDay};
    };

    // The Sun: the Earth's heliocentric vector turned round (the Sun's own
    // motion about the barycentre in the 8 minutes of light-time is a few km).
    double sun[3], sunVel[3];
    eraSxp(-1, f.earthHelio[0], sun);
    eraSxp(-1, f.earthHelio[1], sunVel);
    place(Graha::Sun, Apparent(f, sun, sunVel));

    // The Moon, geocentric; light-time (about 1.3 s) taken off along its
    // velocity.
    double (&moon)[2][3] = f.moon;
    const double moonTau = eraPm(moon[0]) / ERFA_DC;
    double moonSeen[3];
    for (int i = 0; i < 3; ++i) moonSeen[i] = moon[0][i] - moon[1][i] * moonTau;
    place(Graha::Moon, Apparent(f, moonSeen, moon[1]));

    place(Graha::Mars, PlanetSeen(f, 4));
    place(Graha::Mercury, PlanetSeen(f, 1));
    place(Graha::Jupiter, PlanetSeen(f, 5));
    place(Graha::Venus, PlanetSeen(f, 2));
    place(Graha::Saturn, PlanetSeen(f, 6));

    double rahuTrue = 0, rahuSpeed = 0;
    if (node == NodeKind::True) {
        // The osculating node: where the plane of the Moon's geometric orbit
        // (r × v) cuts the true ecliptic of date; its rate from a second
        // state an hour later.
        auto nodeOf = [&](double pv[2][3]) {
            double r[3], v[3], h[3];
            eraRxp(f.ecliptic, pv[0], r);
            eraRxp(f.ecliptic, pv[1], v);
            eraPxp(r, v, h);
            return std::atan2(h[0], -h[1]) * kRadToDeg;
        };
        double later[2][3];
        constexpr double kStepDays = 1.0 / 24;
        eraMoon98(f.tt1, f.tt2 + kStepDays, later);
        const double a = nodeOf(moon);
        double step = nodeOf(later) - a;
        if (step > 180) step -= 360;
        if (step < -180) step += 360;
        rahuTrue = a;
        rahuSpeed = step / kStepDays;
        sky.grahas[static_cast<int>(Graha::Rahu)] = {Wrap360(rahuTrue - sky.ayanamsa), rahuSpeed};
    } else {
        // The mean node is on the mean equinox of date: the mean ayanamsa
        // goes with it.
        const double t = f.tt2 - (ERFA_DJ00 - kMjdZero);
        const double omega = eraFaom03(t / ERFA_DJC) * kRadToDeg;
        // d Ω / dt of the same series, degrees a day (−1934.136°/century).
        sky.grahas[static_cast<int>(Graha::Rahu)] = {Wrap360(omega - meanAyanamsa), -1934.1362891 / ERFA_DJC};
    }
    const GrahaPlace rahu = sky.grahas[static_cast<int>(Graha::Rahu)];
    sky.grahas[static_cast<int>(Graha::Ketu)] = {Wrap360(rahu.longitude + 180), rahu.speed};

    // The lagna: the ecliptic's point on the eastern horizon.
    // Apparent sidereal time: the mean (IAU 2006) plus the equation of the
    // equinoxes from this moment's nutation and its complementary terms.
    const double gast = eraAnp(eraGmst06(kMjdZero, jdUt - kMjdZero, f.tt1, f.tt2) +
                               f.nutationLon * std::cos(f.meanObliquity) + eraEect00(f.tt1, f.tt2));
    const double theta = eraAnp(gast + longitudeEastDeg / kRadToDeg);
    const double phi = latitudeDeg / kRadToDeg;
    const double eps = f.trueObliquity;
    const double ascendant =
        std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(eps) + std::tan(phi) * std::sin(eps)));
    sky.lagna = Wrap360(ascendant * kRadToDeg - sky.ayanamsa);
    sky.siderealTimeDeg = theta * kRadToDeg;
    return sky;
}

}  // namespace velmora
