#pragma once

#include <optional>
#include <vector>

// New and full moons, sankrantis and the lunar month. The new and full moons
// are the panchang's own theories: its Sun and Moon (src/astronomy) and its
// new-moon series, which is where the tithi spans put the new moon. The
// sidereal Sun of the solar calendar (the sankrantis, the solar months and the
// sign that names a lunar month) is the accurate one of ApparentSun.h: the
// apparent Sun from ERFA less the Lahiri ayanamsa, with the observed ΔT,
// within a minute of the Swiss Ephemeris's Lahiri (docs/accuracy.md). Every
// moment here is a Julian day in universal time, so it shows on a clock the way
// the day's times do.
//
// The lunar month (amanta: new moon to new moon) is named from the sidereal
// sign the Sun is in at the new moon that begins it (DayTables.h). A month in
// which the Sun changes no sign is adhika and carries the name of the month
// after it; a month with two sankrantis is kshaya (its second name is skipped).
// The purnimanta month is the amanta one in the Shukla paksha and the next
// amanta month's in the Krishna paksha (an adhika month keeps its own name in
// both halves). Shaka and Vikram years change with the first month named
// Chaitra.
namespace velmora {

// The sidereal Sun entering a sign.
struct Sankranti {
    int sign = 0;      // 0 = Mesha .. 11 = Meena: the sign entered
    double jdUt = 0;
};

// A new moon (elongation 0) or a full moon (elongation 180).
struct LunarPhase {
    bool full = false;
    double jdUt = 0;
};

// Sankrantis in [jdUtFrom, jdUtTo), in time order, each to well under a
// second of the accurate sidereal Sun. Empty for an empty or non-finite range,
// and for ranges longer than 200 years. The one source of sankranti moments:
// the Hindu day (HinduDay.h), the month calendar and the calendar file
// (CalendarDays.h), the solar months and the solar festivals use it.
std::vector<Sankranti> SankrantisBetween(double jdUtFrom, double jdUtTo);

// New and full moons in [jdUtFrom, jdUtTo), in time order. The new moons are
// the panchang's new-moon series (the tithi spans' 0° boundaries), the full
// moons the moments its Sun and Moon are 180° apart (the Poornami's end).
std::vector<LunarPhase> LunarPhasesBetween(double jdUtFrom, double jdUtTo);

struct LunarMonth {
    int amanta = 0;         // 0 = Chaitra .. 11 = Phalguna
    int purnimanta = 0;     // the same numbering
    bool adhika = false;    // no sankranti in this new-moon-to-new-moon month
    bool kshaya = false;    // two sankrantis in it
    bool shukla = true;     // paksha at the moment: waxing (tithis 1..15)
    int tithi = 1;          // 1..30 at the moment
    int shakaYear = 0;
    int vikramYear = 0;
    double startJdUt = 0;   // the new moon that begins the month
    double endJdUt = 0;     // the one that ends it
};

// The lunar month holding a moment (Julian day, UT). Nothing for a moment
// that is no finite number or lies outside the years 1000..3000.
std::optional<LunarMonth> LunarMonthAt(double jdUt);

// The sidereal longitude of the Sun, degrees 0..360, at a moment (UT): the
// accurate Sun of the solar calendar (the one SankrantisBetween follows), so a
// solar month read from it agrees with the sankranti moments.
double SiderealSunLongitude(double jdUt);

// UT to ephemeris time and back with the panchang's ΔT.
double EphemerisFromUniversal(double jdUt);
double UniversalFromEphemeris(double jde);

}  // namespace velmora
