#pragma once

#include <optional>
#include <string>

#include "calendar/MonthGrid.h"
#include "day/DayZone.h"
#include "day/HinduDay.h"
#include "names/Language.h"

// What a wall almanac prints in a date's box besides the elements at sunrise:
// when the tithi and nakshatra of sunrise end, a tithi that neither holds this
// sunrise nor the next (kshaya), the moonrise, the moment of a full or new
// moon and of a sankranti, and a mark on the date a lunar month begins. Every
// time is the local clock rounded to the minute; a moment after midnight
// (still the same Hindu day, which runs to the next sunrise) carries its own
// date: "17 May 01:31" (ClockTextOnDate).
namespace velmora {

// Fills the cell's marks from its day. `previousSunrise` is the start of the
// day before when known (else taken as one day earlier), for the month's
// first date.
void AddAlmanacMarks(MonthCell& cell, const HinduDay& day, std::optional<double> previousSunrise,
                     const DayZone& zone);

// The pieces of a date's box as the window, the printed month and the report
// tool write them, in `language`; the cell's names and times must already be
// in that language (LocalizedGrid). Empty pieces are not shown.
struct AlmanacBox {
    std::string masaBegins;           // "Adhika Jyeshtha begins"
    std::string tithi;                // "Shukla Shashthi till 06:25", "Purnima"
    std::vector<std::string> kshaya;  // "then Shukla Saptami (kshaya)"
    std::string nakshatra;            // "Rohini till 10:12"
    std::string sankranti;            // "Vrishabha Sankranti 06:22"
    std::string moon;                 // "New moon 17 May 01:31"
    std::string sun;                  // "↑06:02 ↓19:05 ☽↑11:27" (– for no rise or set)
};
AlmanacBox AlmanacBoxOf(const MonthCell& cell, Language language);

}  // namespace velmora
