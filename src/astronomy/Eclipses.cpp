#include "astronomy/Eclipses.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "astronomy/ApparentSun.h"

namespace velmora {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;
constexpr double kMjd0 = 2400000.5;
constexpr double kAuMetres = 149597870700.0;
constexpr double kEarthRadius = 6378137.0 / kAuMetres;     // equatorial, AU
constexpr double kSunRadius = 696000.0e3 / kAuMetres;      // the canon's value, AU
constexpr double kMoonKPartial = 0.2725076;                // Moon's radius, Earth radii
constexpr double kMoonKCentral = 0.272281;                 // for total and annular phases
constexpr double kMoonLightTime = 1.282 / 86400;           // days, at the mean distance
constexpr double kDanjon = 1.01;                           // the Earth's radius with its air, 1 + 1/85 rounded as the canon
constexpr double kSynodicMonth = 29.530588861;
constexpr double kNewMoon2000 = 2451550.09766;             // a mean new moon, JDE (2000 January 6)
constexpr double kSunUp = -50.0 / 60 * kDeg;               // the Sun's centre when its upper limb rises
constexpr double kRefraction = 34.0 / 60 * kDeg;
constexpr double kSecond = 1.0 / 86400;
constexpr double kSample = 5.0 / 1440;                     // visibility sampled every 5 minutes
constexpr double kLongestRange = 400;

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const double a[3]) { return std::sqrt(Dot(a, a)); }

double AngleBetween(const double a[3], const double b[3]) {
    // atan2 of the cross and dot products: exact for small angles.
    const double c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    return std::atan2(Norm(c), Dot(a, b));
}

// The Sun and the Moon from the geocentre, GCRS, AU, at a moment in TT.
struct Sky {
    double sun[3];
    double moon[3];
};

Sky SkyAt(double jdTt) {
    Sky s{};
    ApparentSunVector(jdTt, s.sun);
    double pv[2][3];
    eraMoon98(kMjd0, jdTt - kMjd0 - kMoonLightTime, pv);
    std::memcpy(s.moon, pv[0], sizeof s.moon);
    return s;
}

// The Sun and the Moon over one eclipse: sampled every two hours and
// interpolated with four-point Lagrange polynomials, which the searches then
// query a few hundred times. Over two hours the Moon's path bends so little
// that the interpolation is good to a thousandth of an arcsecond.
class SkyTrack {
public:
    explicit SkyTrack(double centreTt) : first_(centreTt - kHalfSpan) {
        for (int i = 0; i < kNodes; ++i) nodes_[i] = SkyAt(first_ + i * kStep);
    }

    Sky At(double jdTt) const {
        double x = (jdTt - first_) / kStep;
        // Outside the track (never asked for) the end polynomials carry on;
        // a moment that is no number gets the first node's.
        x = std::isfinite(x) ? std::clamp(x, -1.0, kNodes + 1.0) : 0;
        const int j = std::clamp(static_cast<int>(std::floor(x)), 1, kNodes - 3);
        const double u = x - j;  // between nodes j and j + 1, nodes j - 1 .. j + 2 used
        const double w[4] = {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2,
                             -(u + 1) * u * (u - 2) / 2, (u + 1) * u * (u - 1) / 6};
        Sky s{};
        for (int k = 0; k < 4; ++k) {
            const Sky& n = nodes_[j - 1 + k];
            for (int i = 0; i < 3; ++i) {
                s.sun[i] += w[k] * n.sun[i];
                s.moon[i] += w[k] * n.moon[i];
            }
        }
        return s;
    }

    static constexpr double kHalfSpan = 1.25;  // days either side of the mean syzygy
private:
    static constexpr double kStep = 2.0 / 24;
    static constexpr int kNodes = static_cast<int>(2 * kHalfSpan / kStep) + 1;
    double first_;
    Sky nodes_[kNodes];
};

// What stays fixed over one eclipse (a few hours): the GCRS-to-true-of-date
// matrix and the equation of the equinoxes move by well under 0.01" in them.
struct Frame {
    double rbpn[3][3];
    double equationOfEquinoxes;
    double latitude;
    double longitude;
    double site[3];  // AU, terrestrial
};

Frame MakeFrame(const Observer& place, double jdTt) {
    Frame f{};
    double dpsi = 0;
    double deps = 0;
    eraNut00b(kMjd0, jdTt - kMjd0, &dpsi, &deps);
    double epsa = 0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn00(kMjd0, jdTt - kMjd0, dpsi, deps, &epsa, rb, rp, rbp, rn, f.rbpn);
    f.equationOfEquinoxes = eraEe00(kMjd0, jdTt - kMjd0, epsa, dpsi);
    f.latitude = place.latitude * kDeg;
    f.longitude = place.longitude * kDeg;
    double site[3] = {0, 0, 0};
    if (eraGd2gc(1, f.longitude, f.latitude, place.height, site) != 0) site[0] = site[1] = site[2] = 0;
    for (int i = 0; i < 3; ++i) f.site[i] = site[i] / kAuMetres;
    return f;
}

// The Sun and the Moon from the place, true equator and equinox of date, AU,
// and the local zenith in the same axes.
struct Topocentric {
    double sun[3];
    double moon[3];
    double zenith[3];
};

Topocentric SeenFrom(const Frame& f, const SkyTrack& track, double jdTt) {
    const Sky sky = track.At(jdTt);
    Topocentric t{};
    double rbpn[3][3];
    std::memcpy(rbpn, f.rbpn, sizeof rbpn);
    double sun[3] = {sky.sun[0], sky.sun[1], sky.sun[2]};
    double moon[3] = {sky.moon[0], sky.moon[1], sky.moon[2]};
    double sunOfDate[3];
    double moonOfDate[3];
    eraRxp(rbpn, sun, sunOfDate);
    eraRxp(rbpn, moon, moonOfDate);
    const double ut = UniversalFromTerrestrial(jdTt) - kMjd0;
    const double gast = eraGmst06(kMjd0, ut, kMjd0, jdTt - kMjd0) + f.equationOfEquinoxes;
    const double cg = std::cos(gast);
    const double sg = std::sin(gast);
    const double site[3] = {f.site[0] * cg - f.site[1] * sg, f.site[0] * sg + f.site[1] * cg, f.site[2]};
    const double local = gast + f.longitude;
    t.zenith[0] = std::cos(f.latitude) * std::cos(local);
    t.zenith[1] = std::cos(f.latitude) * std::sin(local);
    t.zenith[2] = std::sin(f.latitude);
    for (int i = 0; i < 3; ++i) {
        t.sun[i] = sunOfDate[i] - site[i];
        t.moon[i] = moonOfDate[i] - site[i];
    }
    return t;
}

double AltitudeOf(const double body[3], const double zenith[3]) {
    return std::asin(std::clamp(Dot(body, zenith) / Norm(body), -1.0, 1.0));
}

// Golden-section search for the minimum of f on [a, b], to `tolerance` days.
template <typename F>
double Minimum(F f, double a, double b, double tolerance) {
    const double g = 0.6180339887498949;
    double c = b - g * (b - a);
    double d = a + g * (b - a);
    double fc = f(c);
    double fd = f(d);
    for (int i = 0; i < 80 && b - a > tolerance; ++i) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

// Bisection for g(t) = 0 on [a, b] where g changes sign, to under a second.
template <typename G>
std::optional<double> Root(G g, double a, double b) {
    double ga = g(a);
    const double gb = g(b);
    if (!std::isfinite(ga) || !std::isfinite(gb) || (ga > 0) == (gb > 0)) return std::nullopt;
    for (int i = 0; i < 60 && b - a > 0.2 * kSecond; ++i) {
        const double m = (a + b) / 2;
        const double gm = g(m);
        if (!std::isfinite(gm)) return std::nullopt;
        if ((gm > 0) == (ga > 0)) {
            a = m;
            ga = gm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

// The fraction of a disc of radius r1 covered by one of radius r2 whose
// centre is d away (any one unit).
double CoveredFraction(double r1, double r2, double d) {
    if (d >= r1 + r2) return 0;
    if (d <= std::fabs(r1 - r2)) return r2 >= r1 ? 1 : (r2 * r2) / (r1 * r1);
    const double a1 = std::acos(std::clamp((d * d + r1 * r1 - r2 * r2) / (2 * d * r1), -1.0, 1.0));
    const double a2 = std::acos(std::clamp((d * d + r2 * r2 - r1 * r1) / (2 * d * r2), -1.0, 1.0));
    const double lens = r1 * r1 * (a1 - std::sin(2 * a1) / 2) + r2 * r2 * (a2 - std::sin(2 * a2) / 2);
    return lens / (kPi * r1 * r1);
}

// ----- lunar eclipses ------------------------------------------------------

struct Shadow {
    double distance;   // the Moon's centre from the shadow's centre, radians
    double umbra;      // radii, radians
    double penumbra;
    double moonRadius;
    double moonDistance;  // AU
};

Shadow ShadowAt(const SkyTrack& track, double jdTt) {
    const Sky s = track.At(jdTt);
    const double antiSun[3] = {-s.sun[0], -s.sun[1], -s.sun[2]};
    const double dm = Norm(s.moon);
    const double ds = Norm(s.sun);
    const double moonParallax = std::asin(kEarthRadius / dm);
    const double sunParallax = std::asin(kEarthRadius / ds);
    const double sunRadius = std::asin(kSunRadius / ds);
    Shadow sh{};
    sh.distance = AngleBetween(s.moon, antiSun);
    sh.umbra = kDanjon * moonParallax - sunRadius + sunParallax;
    sh.penumbra = kDanjon * moonParallax + sunRadius + sunParallax;
    sh.moonRadius = std::asin(kMoonKPartial * kEarthRadius / dm);
    sh.moonDistance = dm;
    return sh;
}

std::optional<Eclipse> LunarEclipseNear(double fullMoonTt, const Observer& place) {
    const SkyTrack track(fullMoonTt);
    const double greatest = Minimum([&](double t) { return ShadowAt(track, t).distance; }, fullMoonTt - 0.8,
                                    fullMoonTt + 0.8, 0.2 * kSecond);
    const Shadow at = ShadowAt(track, greatest);
    if (at.distance >= at.penumbra + at.moonRadius) return std::nullopt;

    Eclipse e;
    e.magnitude = (at.umbra + at.moonRadius - at.distance) / (2 * at.moonRadius);
    e.penumbralMagnitude = (at.penumbra + at.moonRadius - at.distance) / (2 * at.moonRadius);
    e.kind = e.magnitude >= 1 ? EclipseKind::TotalLunar
             : e.magnitude > 0 ? EclipseKind::PartialLunar
                               : EclipseKind::PenumbralLunar;
    e.localKind = e.kind;
    e.localMagnitude = e.magnitude;
    e.gamma = at.distance * at.moonDistance / kEarthRadius;
    e.seenFromPlace = true;
    e.greatestJdUt = UniversalFromTerrestrial(greatest);
    e.localGreatestJdUt = e.greatestJdUt;

    struct Edge {
        const char* in;
        const char* out;
        const char* inName;
        const char* outName;
        double (*radius)(const Shadow&);
    };
    static const Edge edges[] = {
        {"P1", "P4", "penumbral eclipse begins", "penumbral eclipse ends",
         [](const Shadow& s) { return s.penumbra + s.moonRadius; }},
        {"U1", "U4", "partial eclipse begins", "partial eclipse ends",
         [](const Shadow& s) { return s.umbra + s.moonRadius; }},
        {"U2", "U3", "total eclipse begins", "total eclipse ends",
         [](const Shadow& s) { return s.umbra - s.moonRadius; }},
    };
    const Frame frame = MakeFrame(place, greatest);
    auto contact = [&](const char* key, const char* name, double tt) {
        const Topocentric t = SeenFrom(frame, track, tt);
        EclipseContact c;
        c.key = key;
        c.name = name;
        c.jdUt = UniversalFromTerrestrial(tt);
        const double altitude = AltitudeOf(t.moon, t.zenith);
        c.altitude = altitude / kDeg;
        const double semidiameter = std::asin(kMoonKPartial * kEarthRadius / Norm(t.moon));
        c.aboveHorizon = altitude > -kRefraction - semidiameter;
        return c;
    };
    std::vector<EclipseContact> before;
    std::vector<EclipseContact> after;
    double umbralStart = 0;
    double umbralEnd = 0;
    double start = greatest;
    double end = greatest;
    for (const Edge& edge : edges) {
        auto g = [&](double t) {
            const Shadow s = ShadowAt(track, t);
            return s.distance - edge.radius(s);
        };
        const std::optional<double> in = Root(g, greatest - 0.3, greatest);
        const std::optional<double> out = Root(g, greatest, greatest + 0.3);
        if (!in || !out) continue;
        before.push_back(contact(edge.in, edge.inName, *in));
        after.insert(after.begin(), contact(edge.out, edge.outName, *out));
        if (edge.in[0] == 'P') {
            start = *in;
            end = *out;
        }
        if (edge.in[1] == '1' && edge.in[0] == 'U') {
            umbralStart = *in;
            umbralEnd = *out;
        }
    }
    e.contacts = before;
    e.contacts.push_back(contact("max", "greatest eclipse", greatest));
    e.contacts.insert(e.contacts.end(), after.begin(), after.end());

    // Visible: the Moon up at some moment of the phase that counts (the
    // umbral phase, or the penumbral one for a penumbral eclipse).
    const bool umbral = e.kind != EclipseKind::PenumbralLunar && umbralEnd > umbralStart;
    const double from = umbral ? umbralStart : start;
    const double to = umbral ? umbralEnd : end;
    for (double t = from; t <= to + 1e-9 && !e.visible; t += std::min(kSample, std::max(to - t, kSecond))) {
        e.visible = contact("", "", t).aboveHorizon;
        if (t >= to) break;
    }
    if (e.visible && umbral) {
        e.sutakFromJdUt = UniversalFromTerrestrial(umbralStart) - 9.0 / 24;
        e.sutakToJdUt = UniversalFromTerrestrial(umbralEnd);
    }
    return e;
}

// ----- solar eclipses ------------------------------------------------------

struct Axis {
    double gamma;      // Earth radii, unsigned
    double north;      // sign of the axis point's z (north of the equator: +)
    double z;          // the Moon to the fundamental plane along the axis, Earth radii
    double sunMoon;    // Earth radii
};

Axis AxisAt(const SkyTrack& track, double jdTt) {
    const Sky s = track.At(jdTt);
    double u[3] = {s.moon[0] - s.sun[0], s.moon[1] - s.sun[1], s.moon[2] - s.sun[2]};
    const double d = Norm(u);
    for (double& x : u) x /= d;
    const double along = Dot(s.moon, u);
    const double p[3] = {s.moon[0] - along * u[0], s.moon[1] - along * u[1], s.moon[2] - along * u[2]};
    Axis a{};
    a.gamma = Norm(p) / kEarthRadius;
    a.north = p[2] >= 0 ? 1 : -1;
    a.z = -along / kEarthRadius;
    a.sunMoon = d / kEarthRadius;
    return a;
}

std::optional<Eclipse> SolarEclipseNear(double newMoonTt, const Observer& place) {
    const SkyTrack track(newMoonTt);
    const double greatest = Minimum([&](double t) { return AxisAt(track, t).gamma; }, newMoonTt - 0.8,
                                    newMoonTt + 0.8, 0.2 * kSecond);
    const Axis a = AxisAt(track, greatest);
    const double sunR = kSunRadius / kEarthRadius;
    const double penumbra = kMoonKPartial + a.z * (sunR + kMoonKPartial) / a.sunMoon;
    if (a.gamma >= 1 + penumbra) return std::nullopt;

    Eclipse e;
    e.greatestJdUt = UniversalFromTerrestrial(greatest);
    e.localGreatestJdUt = e.greatestJdUt;
    e.gamma = a.gamma * a.north;
    if (a.gamma < 1) {
        // The umbral cone's radius where the axis meets the surface: positive
        // while the cone has not closed (total), negative past its vertex.
        const double surface = a.z - std::sqrt(1 - a.gamma * a.gamma);
        const double umbra = kMoonKCentral - surface * (sunR - kMoonKCentral) / a.sunMoon;
        e.kind = umbra > 0 ? EclipseKind::TotalSolar : EclipseKind::AnnularSolar;
    } else {
        e.kind = EclipseKind::PartialSolar;
    }

    // At the place.
    const Frame frame = MakeFrame(place, greatest);
    struct Disc {
        double separation;
        double sun;
        double moonPartial;
        double moonCentral;
        double altitude;
    };
    auto disc = [&](double t) {
        const Topocentric tp = SeenFrom(frame, track, t);
        const double dm = Norm(tp.moon);
        return Disc{AngleBetween(tp.sun, tp.moon), std::asin(kSunRadius / Norm(tp.sun)),
                    std::asin(kMoonKPartial * kEarthRadius / dm), std::asin(kMoonKCentral * kEarthRadius / dm),
                    AltitudeOf(tp.sun, tp.zenith)};
    };
    const double local =
        Minimum([&](double t) { return disc(t).separation; }, greatest - 0.2, greatest + 0.2, 0.2 * kSecond);
    const Disc mid = disc(local);
    e.localKind = EclipseKind::PartialSolar;
    if (mid.separation >= mid.sun + mid.moonPartial) return e;  // the place is outside the penumbra
    e.seenFromPlace = true;
    e.localGreatestJdUt = UniversalFromTerrestrial(local);
    e.localMagnitude = (mid.sun + mid.moonPartial - mid.separation) / (2 * mid.sun);
    e.localObscuration = CoveredFraction(mid.sun, mid.moonPartial, mid.separation);
    const bool central = mid.separation < std::fabs(mid.moonCentral - mid.sun);
    if (central) e.localKind = mid.moonCentral > mid.sun ? EclipseKind::TotalSolar : EclipseKind::AnnularSolar;
    if (central && mid.moonCentral > mid.sun) e.localMagnitude = mid.moonCentral / mid.sun;

    auto contact = [&](const char* key, const char* name, double tt) {
        const Disc d = disc(tt);
        EclipseContact c;
        c.key = key;
        c.name = name;
        c.jdUt = UniversalFromTerrestrial(tt);
        c.altitude = d.altitude / kDeg;
        c.aboveHorizon = d.altitude > kSunUp;
        return c;
    };
    auto outer = [&](double t) {
        const Disc d = disc(t);
        return d.separation - (d.sun + d.moonPartial);
    };
    const std::optional<double> c1 = Root(outer, local - 0.2, local);
    const std::optional<double> c4 = Root(outer, local, local + 0.2);
    if (c1) e.contacts.push_back(contact("C1", "partial eclipse begins", *c1));
    if (central) {
        auto inner = [&](double t) {
            const Disc d = disc(t);
            return d.separation - std::fabs(d.moonCentral - d.sun);
        };
        const bool total = e.localKind == EclipseKind::TotalSolar;
        const std::optional<double> c2 = Root(inner, local - 0.05, local);
        const std::optional<double> c3 = Root(inner, local, local + 0.05);
        if (c2) e.contacts.push_back(contact("C2", total ? "total eclipse begins" : "annular eclipse begins", *c2));
        e.contacts.push_back(contact("max", "greatest eclipse", local));
        if (c3) e.contacts.push_back(contact("C3", total ? "total eclipse ends" : "annular eclipse ends", *c3));
    } else {
        e.contacts.push_back(contact("max", "greatest eclipse", local));
    }
    if (c4) e.contacts.push_back(contact("C4", "partial eclipse ends", *c4));
    if (!c1 || !c4) return e;

    for (double t = *c1;; t = std::min(t + kSample, *c4)) {
        if (disc(t).altitude > kSunUp) {
            e.visible = true;
            break;
        }
        if (t >= *c4) break;
    }
    if (e.visible) {
        e.sutakFromJdUt = UniversalFromTerrestrial(*c1) - 12.0 / 24;
        e.sutakToJdUt = UniversalFromTerrestrial(*c4);
    }
    return e;
}

// A quick test that rules out most syzygies: the Moon more than 1.6° from the
// ecliptic plane (the Sun's path) at the mean syzygy can eclipse nothing.
bool NearANode(double jdTt) {
    const Sky s = SkyAt(jdTt);
    // The ecliptic's pole from the Sun's position and motion is overkill here:
    // the Moon's angle above the plane of the Sun's orbit, from the Earth's
    // heliocentric motion a day apart.
    const Sky later = SkyAt(jdTt + 1);
    const double n[3] = {s.sun[1] * later.sun[2] - s.sun[2] * later.sun[1], s.sun[2] * later.sun[0] - s.sun[0] * later.sun[2],
                         s.sun[0] * later.sun[1] - s.sun[1] * later.sun[0]};
    const double latitude = std::asin(std::clamp(Dot(s.moon, n) / (Norm(s.moon) * Norm(n)), -1.0, 1.0));
    return std::fabs(latitude) < 2.0 * kDeg;
}

}  // namespace

bool IsSolar(EclipseKind kind) {
    return kind == EclipseKind::PartialSolar || kind == EclipseKind::AnnularSolar || kind == EclipseKind::TotalSolar;
}

std::string EclipseKindName(EclipseKind kind) {
    switch (kind) {
        case EclipseKind::PartialSolar: return "partial solar";
        case EclipseKind::AnnularSolar: return "annular solar";
        case EclipseKind::TotalSolar: return "total solar";
        case EclipseKind::PenumbralLunar: return "penumbral lunar";
        case EclipseKind::PartialLunar: return "partial lunar";
        case EclipseKind::TotalLunar: return "total lunar";
    }
    return {};
}

std::string EclipseKindKey(EclipseKind kind) {
    switch (kind) {
        case EclipseKind::PartialSolar: return "solar-partial";
        case EclipseKind::AnnularSolar: return "solar-annular";
        case EclipseKind::TotalSolar: return "solar-total";
        case EclipseKind::PenumbralLunar: return "lunar-penumbral";
        case EclipseKind::PartialLunar: return "lunar-partial";
        case EclipseKind::TotalLunar: return "lunar-total";
    }
    return {};
}

std::vector<Eclipse> EclipsesBetween(double jdUtFrom, double jdUtTo, const Observer& place) {
    std::vector<Eclipse> found;
    if (!(std::isfinite(jdUtFrom) && std::isfinite(jdUtTo) && jdUtFrom < jdUtTo && jdUtTo - jdUtFrom <= kLongestRange))
        return found;
    if (!(std::isfinite(place.latitude) && std::isfinite(place.longitude) && std::isfinite(place.height))) return found;
    if (std::fabs(place.latitude) > 90) return found;
    const double from = TerrestrialFromUniversal(jdUtFrom);
    const double to = TerrestrialFromUniversal(jdUtTo);
    const double first = std::floor((from - kNewMoon2000) / kSynodicMonth) - 1;
    for (double k = first;; k += 0.5) {
        const double mean = kNewMoon2000 + k * kSynodicMonth;
        if (mean > to + 2) break;
        // The true syzygy is within 15 hours of the mean one, and the greatest
        // eclipse at a place within a few hours of the syzygy.
        if (mean < from - 1.2 || mean > to + 1.2) continue;
        if (!NearANode(mean)) continue;
        const bool full = k != std::floor(k);
        const std::optional<Eclipse> e = full ? LunarEclipseNear(mean, place) : SolarEclipseNear(mean, place);
        if (e && e->localGreatestJdUt >= jdUtFrom && e->localGreatestJdUt < jdUtTo) found.push_back(*e);
    }
    return found;
}

}  // namespace velmora
