#pragma once

#include <optional>
#include <vector>

#include "day/HinduDay.h"

// Tarabalam and chandrabalam of a day for a person, on the rules of
// GoodHoursTables.h: the tara (1..9) of each nakshatra in force during the day
// counted from the birth nakshatra, and the place (1..12) of each Moon sign in
// force counted from the birth Moon sign.
namespace velmora {

struct Birth {
    int nakshatra = 0;  // 1..27
    int moonSign = 0;   // 0 = Mesha .. 11
};

// The tara (1..9) of a nakshatra counted from the birth one; nothing outside
// 1..27.
std::optional<int> TaraOf(int birthNakshatra, int nakshatra);
// The place (1..12) of a sign counted from the birth sign; nothing outside 0..11.
std::optional<int> ChandraPlaceOf(int birthSign, int sign);

struct TaraSpan {
    int tara = 0;       // 1..9 (TaraNames[tara - 1]), or for chandrabalam the place 1..12
    int of = 0;         // the day's nakshatra (1..27) or Moon sign (0..11)
    bool good = false;
    double startJdUt = 0;
    double endJdUt = 0;
};

struct DayStrength {
    std::vector<TaraSpan> tarabalam;
    std::vector<TaraSpan> chandrabalam;
};

// From the day's nakshatra spans and the Moon's sign spans (searched here on
// the panchang's own Moon and ayanamsa). Empty lists for a birth outside range.
DayStrength DayStrengthOf(const HinduDay& day, const Birth& birth);

// The Moon's sidereal signs in force over [from, to) (UT), in time order:
// `of` is the sign, tara unused.
std::vector<TaraSpan> MoonSignsOver(double from, double to);

}  // namespace velmora
