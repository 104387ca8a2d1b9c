#pragma once

#include <optional>
#include <vector>

#include "day/GoodHoursTables.h"
#include "day/HinduDay.h"

// The good and bad hours of a Hindu day: choghadiya, hora, Gowri panchangam,
// durmuhurta, varjyam, amrit kalam and panchak, on the tables of
// GoodHoursTables.h.
//
// Design: plain functions of the day's moments (Julian days, UT: sunrise,
// sunset, next sunrise), the weekday (vara 1 = Sunday .. 7 = Saturday) and
// the elements (the nakshatra spans). A part that needs a missing moment is
// absent, never made up; a weekday outside 1..7 gives nothing.
namespace velmora {

// One named part of the day: `key` is the index into the table the name comes
// from (ChoghadiyaNames, PlanetNames, GowriNames).
struct NamedSpan {
    int key = 0;
    double startJdUt = 0;
    double endJdUt = 0;
};

// The eight day parts (sunrise to sunset) and eight night parts (sunset to the
// next sunrise); either list is empty when its moments are missing.
struct DayAndNight {
    std::vector<NamedSpan> day;
    std::vector<NamedSpan> night;
};

DayAndNight ChoghadiyaOf(std::optional<double> sunrise, std::optional<double> sunset,
                         std::optional<double> nextSunrise, int vara);

// The 24 horas: twelve of daytime, then twelve of night (key: PlanetNames).
DayAndNight HorasOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> nextSunrise,
                    int vara);

DayAndNight GowriOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> nextSunrise,
                    int vara);

// The weekday's durmuhurtas in time order.
std::vector<DaySpan> DurmuhurtaOf(std::optional<double> sunrise, std::optional<double> sunset,
                                  std::optional<double> nextSunrise, int vara);

// Varjyam and amrit kalam of each nakshatra span (number 1..27) that reach
// into [dayStart, dayEnd), in time order; key = the nakshatra's number.
std::vector<NamedSpan> VarjyamOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd);
std::vector<NamedSpan> AmritKalamOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd);

// Panchak (the sidereal Moon from 300° to 360°) when it touches the day: its
// whole span. Searched on the panchang's own Moon and ayanamsa, as the
// nakshatras are.
std::optional<DaySpan> PanchakOf(const std::vector<DayElement>& nakshatras, double dayStart, double dayEnd);

}  // namespace velmora
