#pragma once

#include <array>
#include <optional>
#include <vector>

#include "chart/Grahas.h"

// The Vimshottari dasha: 120 years shared among nine lords in a fixed order
// (Ketu 7, Venus 20, Sun 6, Moon 10, Mars 7, Rahu 18, Jupiter 16, Saturn 19,
// Mercury 17), the n-th nakshatra from Ashwini ruled by the (n mod 9)-th
// lord. The lord of the Moon's nakshatra at birth runs first; the part of
// its years still to come is the part of the nakshatra the Moon has still to
// cross (the "balance of dasha"). Each mahadasha is shared among the nine
// lords in the same order, starting with its own lord, in proportion to their
// years (an antardasha lasts Y_maha × Y_antar / 120 years).
//
// The dasha year is 365.25 days (a Julian year); dates are Julian days in UT.
namespace velmora {

inline constexpr double DashaYearDays = 365.25;

struct DashaLord {
    Graha graha;
    int years;
};

// Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury.
extern const std::array<DashaLord, 9> VimshottariLords;

struct DashaPeriod {
    Graha lord = Graha::Ketu;
    double startJdUt = 0;
    double endJdUt = 0;
};

struct Mahadasha {
    DashaPeriod period;
    std::array<DashaPeriod, 9> antardashas{};
};

struct Vimshottari {
    Graha birthLord = Graha::Ketu;
    double balanceYears = 0;        // of the birth lord's years, still to run at birth
    std::array<Mahadasha, 9> mahadashas{};  // the first began before the birth
};

// The dasha of a birth from the Moon's sidereal longitude (degrees) at the
// birth moment (Julian day, UT). Nothing for a longitude that is not finite.
std::optional<Vimshottari> VimshottariOf(double moonSiderealDeg, double birthJdUt);

// The mahadasha and antardasha running at a moment, as indexes into the
// dasha's arrays; nothing before the birth lord's start or after the nine.
struct RunningDasha {
    int mahadasha;
    int antardasha;
};
std::optional<RunningDasha> DashaRunningAt(const Vimshottari& dasha, double jdUt);

}  // namespace velmora
