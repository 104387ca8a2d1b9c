#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/Observances.h"
#include "day/DayZone.h"
#include "day/HinduDay.h"

// The festivals of a run of Hindu days, each day found from its row of
// FestivalRules.h: which tithi (or sankranti, or nakshatra) prevails at which
// kaala on which of the days, and the row's rule for two days or none.
namespace velmora {

struct FestivalDay {
    std::string_view key;   // a key of FestivalNames.h
    std::string_view name;  // its English name
    CalendarDate date;      // the civil date of the Hindu day (its sunrise)
    std::string rule;       // why this date, in words: "Ashtami (Krishna, amanta Shravana) holds nishita on 4 September"
};

// The festivals dated `from`..`to` (inclusive), in date order and then in
// the table's order. `days` are consecutive Hindu days at one place, in date
// order, covering at least three days before `from` and three after `to` so
// that a festival near either end can compare its day with the neighbour;
// moments in the rule texts are on the zone's clock.
std::vector<FestivalDay> FestivalsBetween(const std::vector<HinduDay>& days, const CalendarDate& from,
                                          const CalendarDate& to, const DayZone& zone);

// The Hindu days a year's festivals are read from (the year and a few days
// either side), and the festivals of the year at a place. Empty when the
// place, zone or year (1001..2999) gives no days.
std::vector<HinduDay> FestivalDaysOfYear(int year, const Observer& place, const DayZone& zone);
std::vector<FestivalDay> FestivalsOfYear(int year, const Observer& place, const DayZone& zone);

// The festivals of one date at a place (the days either side computed for
// the rules).
std::vector<FestivalDay> FestivalsOn(const CalendarDate& date, const Observer& place, const DayZone& zone);

// The number of days either side of a range that FestivalsBetween wants.
inline constexpr int FestivalContextDays = 3;

// "Kamada Ekadashi" for the Ekadashi of a day whose lunar month is `masa`;
// empty when the month is not known.
std::string EkadashiNameOf(int amanta, bool shukla, bool adhika);

}  // namespace velmora
