#include "day/LunarMonth.h"

#include <cmath>

#include "astronomy/Angles.h"
#include "astronomy/ApparentSun.h"
#include "astronomy/Calendar.h"
#include "astronomy/Elements.h"
#include "astronomy/Epochs.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/DayTables.h"

namespace velmora {

namespace {

constexpr double kSynodicMonth = 29.530588853;
constexpr double kSunMeanMotion = 0.9856473;  // degrees per day
constexpr double kLowestJd = 2086302.5;   // 1000-01-01
constexpr double kHighestJd = 2816787.5;  // 3000-01-01
constexpr int kMaxSteps = 50;
constexpr double kAngleTolerance = 1e-7;  // degrees: under 10 ms of the Sun, 1 ms of the elongation

double Wrap180(double x) { return x - 360 * std::floor((x + 180) / 360); }

int SignOf(double siderealLongitude) {
    const int sign = static_cast<int>(std::floor(siderealLongitude / 30));
    return sign < 0 ? 0 : sign > 11 ? 11 : sign;
}


// The sidereal Sun of the solar calendar: the apparent Sun less the Lahiri
// ayanamsa (ApparentSun.h), at a moment in TT with the observed ΔT.
double SolarSiderealAtTt(double jdTt) { return LahiriSunLongitude(jdTt); }

// The panchang's own sidereal Sun, some forty times cheaper and within
// 0.005° (six minutes of the Sun's motion, ΔT included) of the solar
// calendar's: good for telling that a moment is far from a sign's edge.
double CoarseSiderealAtJde(double jde) { return Normalize360(SunLongitude(jde).longitude + NegativeAyanamsa(jde)); }

// Degrees: farther than this from a sign's edge, the coarse Sun's sign is the
// accurate Sun's (four times the coarse Sun's worst error).
constexpr double kCoarseMargin = 0.02;

bool FarFromEdge(double siderealLongitude) {
    const double inSign = siderealLongitude - 30 * std::floor(siderealLongitude / 30);
    return inSign > kCoarseMargin && inSign < 30 - kCoarseMargin;
}

// The Sun's sidereal sign at a moment on the panchang's ephemeris time scale
// (its new moons): the coarse Sun's when that is far from an edge, otherwise
// the accurate one's.
int SolarSignAtJde(double jde) {
    const double coarse = CoarseSiderealAtJde(jde);
    if (FarFromEdge(coarse)) return SignOf(coarse);
    return SignOf(SolarSiderealAtTt(TerrestrialFromUniversal(UniversalFromEphemeris(jde))));
}

// The moment (TT) near `guess` at which the sidereal Sun is at `target` degrees.
std::optional<double> SunAtSiderealLongitude(double guess, double target) {
    double t = guess;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double off = Wrap180(target - SolarSiderealAtTt(t));
        if (!std::isfinite(off)) return std::nullopt;
        if (std::fabs(off) < kAngleTolerance) return t;
        t += off / kSunMeanMotion;
    }
    return std::nullopt;
}

// The JDE near `guess` at which the elongation Moon - Sun is `target` degrees.
std::optional<double> ElongationAt(double guess, double target) {
    double t = guess;
    for (int i = 0; i < kMaxSteps; ++i) {
        const SunMoon at = SunMoonAt(t);
        const double off = Wrap180(target - Elongation(at.moon.longitude, at.sun.longitude));
        if (!std::isfinite(off)) return std::nullopt;
        if (std::fabs(off) < kAngleTolerance) return t;
        t += off / (at.moon.dailyMotion - kSunMeanMotion);
    }
    return std::nullopt;
}

bool InRange(double jd) { return std::isfinite(jd) && jd >= kLowestJd && jd <= kHighestJd; }

// The lunation count of the panchang's new-moon series at or before a JDE.
double LunationAtOrBefore(double jde) {
    double k = std::floor(12.3685 * ((jde - J1900) / 365.25));
    if (NewMoonTime(jde, k) > jde) k -= 1;
    if (NewMoonTime(jde, k + 1) <= jde) k += 1;
    return k;
}

}  // namespace

double EphemerisFromUniversal(double jdUt) { return jdUt + DeltaTHours(jdUt) / 24; }

double UniversalFromEphemeris(double jde) { return jde - DeltaTHours(jde) / 24; }

double SiderealSunLongitude(double jdUt) { return SolarSiderealAtTt(TerrestrialFromUniversal(jdUt)); }

std::vector<Sankranti> SankrantisBetween(double jdUtFrom, double jdUtTo) {
    std::vector<Sankranti> found;
    if (!(InRange(jdUtFrom) && InRange(jdUtTo) && jdUtFrom < jdUtTo)) return found;
    // A range of a few days (a day's) within one sign, far from its edges,
    // holds no sankranti: the coarse Sun says so without the accurate one.
    if (jdUtTo - jdUtFrom < 20) {
        const double first = CoarseSiderealAtJde(EphemerisFromUniversal(jdUtFrom));
        const double last = CoarseSiderealAtJde(EphemerisFromUniversal(jdUtTo));
        if (FarFromEdge(first) && FarFromEdge(last) && SignOf(first) == SignOf(last)) return found;
    }
    const double fromJde = TerrestrialFromUniversal(jdUtFrom);
    const double toJde = TerrestrialFromUniversal(jdUtTo);
    const double longitude = SolarSiderealAtTt(fromJde);
    int sign = SignOf(longitude) + 1;  // the next sign to enter
    double guess = fromJde + (30.0 * sign - longitude) / kSunMeanMotion;
    for (;;) {
        const std::optional<double> t = SunAtSiderealLongitude(guess, 30.0 * (sign % 12));
        if (!t || *t >= toJde) break;
        if (*t >= fromJde) found.push_back({sign % 12, UniversalFromTerrestrial(*t)});
        ++sign;
        guess = *t + 30 / kSunMeanMotion;
    }
    return found;
}

std::vector<LunarPhase> LunarPhasesBetween(double jdUtFrom, double jdUtTo) {
    std::vector<LunarPhase> found;
    if (!(InRange(jdUtFrom) && InRange(jdUtTo) && jdUtFrom < jdUtTo)) return found;
    const double fromJde = EphemerisFromUniversal(jdUtFrom);
    const double toJde = EphemerisFromUniversal(jdUtTo);
    for (double k = LunationAtOrBefore(fromJde);; k += 1) {
        const double newMoon = NewMoonTime(fromJde + (k - LunationAtOrBefore(fromJde)) * kSynodicMonth, k);
        if (newMoon >= toJde) break;
        if (newMoon >= fromJde) found.push_back({false, UniversalFromEphemeris(newMoon)});
        const std::optional<double> full = ElongationAt(newMoon + kSynodicMonth / 2, 180);
        if (full && *full >= fromJde && *full < toJde) found.push_back({true, UniversalFromEphemeris(*full)});
    }
    return found;
}

std::optional<LunarMonth> LunarMonthAt(double jdUt) {
    if (!InRange(jdUt)) return std::nullopt;
    const double jde = EphemerisFromUniversal(jdUt);
    const double k = LunationAtOrBefore(jde);
    const double start = NewMoonTime(jde, k);
    const double end = NewMoonTime(jde, k + 1);
    const int startSign = SolarSignAtJde(start);
    const int endSign = SolarSignAtJde(end);
    const int sankrantis = (endSign - startSign + 12) % 12;

    LunarMonth m;
    m.amanta = MasaOfSunSign(startSign);
    m.adhika = sankrantis == 0;
    m.kshaya = sankrantis >= 2;
    m.startJdUt = UniversalFromEphemeris(start);
    m.endJdUt = UniversalFromEphemeris(end);

    const SunMoon at = SunMoonAt(jde);
    const double elongation = Elongation(at.moon.longitude, at.sun.longitude);
    int tithi = static_cast<int>(std::floor(elongation / 12)) + 1;
    // The month's new moons come from the series, which may differ from the
    // theories by a few minutes: inside the month the paksha follows the month.
    if (jde - start < 1 && tithi > 15) tithi = 1;
    if (end - jde < 1 && tithi <= 15) tithi = 30;
    m.tithi = tithi < 1 ? 1 : tithi > 30 ? 30 : tithi;
    m.shukla = m.tithi <= 15;
    // In the Krishna paksha the purnimanta month already has the next amanta
    // month's name (from the Sun at the new moon ending this one); an adhika
    // month keeps its own name throughout.
    m.purnimanta = (m.shukla || m.adhika) ? m.amanta : MasaOfSunSign(endSign);

    // The year began with the first Chaitra: counting back the months since
    // then lands in February to May of that Gregorian year.
    CalendarMoment began;
    if (!CalendarFromJulianDay(m.startJdUt - m.amanta * kSynodicMonth, began)) return std::nullopt;
    m.shakaYear = static_cast<int>(began.year) - ShakaYearOffset;
    m.vikramYear = m.shakaYear + VikramFromShaka;
    return m;
}

}  // namespace velmora
