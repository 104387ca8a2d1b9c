#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

inline constexpr std::array<DayTabRow, 17> DayTabRows = {{
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
    {"lblDayNote", "Note"},  // empty when there is nothing to say
    {"lblEclipse", "Eclipse"},  // empty on a day without one
}};

using DayTabValues = std::array<std::string, DayTabRows.size()>;

// The values, in the rows' order, for the moment of a birth record. Nothing
// when the record holds no moment and place a day can be computed for (a
// record no run has filled).
std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth);

// The values at their widest (two-digit days, the longest names): what the
// window is sized for.
DayTabValues DayTabSizingValues();

}  // namespace velmora
