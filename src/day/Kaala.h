#pragma once

#include <optional>
#include <string_view>

#include "day/DayTables.h"
#include "day/HinduDay.h"

// The parts of the Hindu day (kaala) at which a festival's tithi or
// nakshatra is looked for, each written once from the day's sunrise, sunset,
// next sunrise and moonrise:
//
//   sunrise      the moment of sunrise (the udaya rule);
//   arunodaya    the four ghatis (96 minutes) before sunrise;
//   pratahkala   the first fifth of daytime (sunrise to sunset);
//   sangava      the second fifth;
//   purvahna     the forenoon, the first half of daytime;
//   madhyahna    the third fifth (around midday);
//   aparahna     the fourth fifth (the afternoon);
//   sayahna      the last fifth, ending at sunset;
//   pradosha     from sunset, the first fifth of the night (three of its
//                fifteen muhurtas);
//   nishita      the eighth of the fifteen muhurtas of the night (sunset to
//                the next sunrise), the one around midnight;
//   moonrise     the moment of the first moonrise on the civil date.
//
// The fivefold division of daytime and the muhurtas of the night follow the
// common almanac works on deciding festival days (Nirnaya Sindhu,
// Dharmasindhu); arunodaya as four ghatis before sunrise is their figure too.
//
// What "a tithi prevails at a kaala" means here, once for all rules: at a
// moment kaala (sunrise, moonrise) the tithi holds the moment; at a span kaala
// the tithi holds some part of it, however small. Which of two days wins
// when both are held, and what happens when neither is, is each festival's
// own rule (festivals/FestivalRules.h), and may compare the parts held.
namespace velmora {

enum class Kaala {
    Sunrise,
    Arunodaya,
    Pratahkala,
    Sangava,
    Purvahna,
    Madhyahna,
    Aparahna,
    Sayahna,
    Pradosha,
    Nishita,
    Moonrise,
};

inline constexpr double ArunodayaMinutes = 96;  // four ghatis of 24 minutes
inline constexpr int DaytimeFifths = 5;
inline constexpr int PradoshaMuhurtas = 3;      // of the night's 15
inline constexpr int NishitaMuhurta = 8;        // of the night's 15

// A kaala of one day: a span (start < end), or a moment (start == end).
// Julian days in UT.
struct KaalaSpan {
    double start = 0;
    double end = 0;
    bool IsMoment() const { return start == end; }
};

// The kaala of a day, or nothing when the day lacks the sunrise, sunset,
// next sunrise or moonrise it needs.
std::optional<KaalaSpan> KaalaOf(Kaala kaala, const HinduDay& day);

// "sunrise", "nishita" ...: the kaala's name as the rules' texts use it.
std::string_view KaalaName(Kaala kaala);

// How much of a kaala a span [from, to) holds: 1 or 0 for a moment (held
// when from <= moment < to), else the held fraction 0..1 of the kaala.
double KaalaShare(const KaalaSpan& kaala, double from, double to);

}  // namespace velmora
