#pragma once

#include <optional>
#include <string>
#include <vector>

#include "day/GoodHours.h"
#include "day/HinduDay.h"
#include "day/SolarCalendars.h"

// Everything a day's page shows beyond the elements and the kalams: the good
// and bad hours, the year's names, the season and ayana, and the three solar
// calendars' dates, computed from one HinduDay.
namespace velmora {

struct DayInFull {
    DayAndNight choghadiya;
    DayAndNight hora;
    DayAndNight gowri;
    std::vector<DaySpan> durmuhurta;
    std::vector<NamedSpan> varjyam;     // key: the nakshatra's number
    std::vector<NamedSpan> amritKalam;  // key: the nakshatra's number
    std::optional<DaySpan> panchak;

    // Indices into SamvatsaraNames, RituNames and AyanaNames.
    std::optional<int> samvatsaraNorth;  // the Vikram year's
    std::optional<int> samvatsaraSouth;  // the Shaka year's (changes at Ugadi)
    std::optional<int> samvatsaraTamil;  // changes at the Mesha sankranti
    std::optional<int> ritu;
    std::optional<int> ayana;

    std::optional<SolarDate> tamil;
    std::optional<SolarDate> malayalam;
    std::optional<SolarDate> bengali;
};

// Many days of one place and zone share a SolarMonthCache (made for that
// place and zone); without one the day's sankrantis are searched for it alone.
// "Karthigai 22, Vishvavasu" / "Vrischikam 6, 1201" / "Ogrohayon 6, 1432".
std::string SolarDateText(SolarCalendar calendar, const SolarDate& date);

DayInFull ComputeDayInFull(const HinduDay& day, const DayZone& zone, SolarMonthCache* solar = nullptr);

}  // namespace velmora
