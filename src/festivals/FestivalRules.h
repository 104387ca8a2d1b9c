#pragma once

#include <span>
#include <string_view>

#include "day/Kaala.h"

// The festivals as rules, one row a festival; festivals/Festivals.h reads
// them. No dates: every date is found from its row.
//
// Lunar months are amanta (new moon to new moon, named as in DayTables.h):
// Janmashtami is "Bhadrapada Krishna Ashtami" in the purnimanta reckoning of
// North India but the Krishna Ashtami of amanta Shravana here, and Diwali is
// the Amavasya that ends amanta Ashwin. A festival never falls in an adhika
// month; it is kept in the nija month of the same name that follows.
// Tithis are numbered 1..30 through the month: 1..15 Shukla (15 Purnima),
// 16..30 Krishna (30 Amavasya).
//
// The rule for choosing the day, for a lunar festival:
//  1. The candidate days are those at whose kaala the tithi prevails
//     (Kaala.h); with `avoidBhadra`, a day counts only when some part of the
//     kaala holding the tithi is free of Bhadra (the Vishti karana).
//  2. Two candidates: `both` says which (the first, the second, or the one
//     whose kaala the tithi holds the larger part of).
//  3. One candidate that the tithi reaches only after its kaala began, or a
//     day lost to Bhadra: when `nextDayMinutes` or `nextDayFraction` is set
//     and the tithi lasts at least that long after the next sunrise (minutes,
//     or a fraction of that day's daytime), the next day is kept instead.
//  4. No candidate at all: `neither` says which day (the one on which the
//     tithi begins, or the one on which it ends).
// The common smarta convention of North India is the default; a row that
// follows a regional practice says so.
namespace velmora {

enum class RuleKind {
    Tithi,       // lunar month, tithi, kaala
    Sankranti,   // the Sun entering a sign, by a regional day rule
    Nakshatra,   // a nakshatra at a kaala within a solar month
    DayAfter,    // the day after another festival
};

enum class BothDays { First, Second, Larger };
enum class NeitherDay { Begins, Ends };

// When a solar month (or a sankranti festival) begins: the day whose
// `cutoff` comes after the Sun entered the sign.
enum class SolarDayRule {
    BeforeSunset,     // the sankranti before sunset: that day, else the next (North India, Tamil Nadu)
    BeforeAparahna,   // before the end of madhyahna (3/5 of daytime): that day, else the next (Kerala)
    CivilDate,        // the local date of the sankranti (Punjab)
};

struct FestivalRule {
    double nextDayMinutes = 0;
    double nextDayFraction = 0;
    std::string_view key;
    std::string_view after;  // DayAfter: the key of the festival before
    RuleKind kind = RuleKind::Tithi;
    int masa = 0;            // Tithi: amanta month 0 = Chaitra .. 11 = Phalguna
    int tithi = 0;           // Tithi: 1..30
    int sign = 0;            // Sankranti, Nakshatra: sidereal sign 0 = Mesha .. 11 = Meena
    int nakshatra = 0;       // Nakshatra: 1 = Ashwini .. 27 = Revati
    Kaala kaala = Kaala::Sunrise;
    BothDays both = BothDays::First;
    NeitherDay neither = NeitherDay::Begins;
    SolarDayRule solar = SolarDayRule::BeforeSunset;
    bool avoidBhadra = false;
};

// The table, in the order of the year from Makara Sankranti.
std::span<const FestivalRule> FestivalRules();

// The row of a key, or null.
const FestivalRule* FestivalRuleOf(std::string_view key);

}  // namespace velmora
