#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "day/DayZone.h"
#include "shared/BirthRecord.h"

// The "Day" tab of the results window and the report's "Day" section: the
// Hindu day that holds the entered moment (the previous date's day when the
// moment comes before that date's sunrise, and the tab says so), its sunrise,
// sunset, moonrise and moonset, the ishtakala of the moment, the kalams and
// muhurtas, the lunar month and the years, the day's festivals, and an
// eclipse whose greatest moment falls in the day.
//
// Design: computed from the run's birth record alone (the entered date, time,
// place and zone, daylight saving included), with the day's core functions
// (day/HinduDay.h); the results page and the JSON Lines answers do not carry
// it, so they stay as they were. One table of rows names each value control
// and its caption for the window, the report and the tests.
namespace velmora {

struct DayTabRow {
    std::string_view control;  // the value label's objectName
    std::string_view caption;
};

inline constexpr std::array<DayTabRow, 22> DayTabRows = {{
    {"lblHinduDay", "Hindu Day"},
    {"lblSunrise", "Sunrise"},
    {"lblSunset", "Sunset"},
    {"lblNextSunrise", "Next Sunrise"},
    {"lblMoonrise", "Moonrise"},
    {"lblMoonset", "Moonset"},
    {"lblIshtakala", "Ishtakala"},
    {"lblRahuKalam", "Rahu Kalam"},
    {"lblYamaganda", "Yamaganda"},
    {"lblGulikaKalam", "Gulika Kalam"},
    {"lblAbhijitMuhurta", "Abhijit Muhurta"},
    {"lblBrahmaMuhurta", "Brahma Muhurta"},
    {"lblLunarMonth", "Lunar Month"},
    {"lblYears", "Years"},
    {"lblFestivals", "Festivals"},  // empty on a day without one
    // Every element in force during the day, one line each with its span.
    {"lblDayTithis", "Tithis"},
    {"lblDayNakshatras", "Nakshatras"},
    {"lblDayYogas", "Yogas"},
    {"lblDayKaranas", "Karanas"},
    {"lblSankranti", "Sankranti"},  // empty when the Sun enters no sign during the day
    {"lblDayNote", "Note"},  // empty when there is nothing to say
    {"lblEclipse", "Eclipse"},  // empty on a day without one
}};

using DayTabValues = std::array<std::string, DayTabRows.size()>;

// The position of a row by its control name (DayTabRows.size() for none).
constexpr std::size_t DayTabRowIndex(std::string_view control) {
    for (std::size_t i = 0; i < DayTabRows.size(); ++i) {
        if (DayTabRows[i].control == control) return i;
    }
    return DayTabRows.size();
}

// The values, in the rows' order, for the moment of a birth record. Nothing
// when the record holds no moment and place a day can be computed for (a
// record no run has filled).
std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth);

// The same for the record's clock reading taken on another clock: a place's
// clock from the time-zone database (a day opened from the month calendar),
// where the zone boxes cannot hold it (a place west of Greenwich on a clock
// ahead of it). The moment is the entered date and time on `clock`; every
// time is shown on it.
std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth, const DayZone& clock);

// The values at their widest (two-digit days, the longest names): what the
// window is sized for.
DayTabValues DayTabSizingValues();

}  // namespace velmora
