#pragma once

#include <array>
#include <string>
#include <string_view>

#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// The astronomical engine: the Moon's nakshatra from a 25-term lunar series on
// Julian centuries of UT from 2000, and the 1900-epoch ayanamsa text shown on
// the results window. Both entries read the birth record and write the
// engine's working values in the calculation state.
namespace velmora {

// Epochs of the engine's Julian centuries, as Julian day numbers (UT).
inline constexpr double Epoch2000DayNumber = 2451545.0;  // 2000 January 1, 12h
inline constexpr double Epoch1900DayNumber = 2415020.0;  // 1899 December 31, 12h

// The 27 mansions of 13°20' each, from 0° sidereal. The table has 28 slots;
// slot 27 is empty and no reduced longitude reaches it. The spellings ("Poorva"
// beside "Purva") are the ones the facing classes compare against.
inline constexpr std::array<std::string_view, 28> NakshatraNames = {
    "Ashwini",          "Bharani",           "Krittika",        "Rohini",
    "Mrigasira",        "Ardra",             "Punarvasu",       "Pushya",
    "Ashlesha",         "Magha",             "Poorva Phalguni", "Uttara Phalguni",
    "Hasta",            "Chitra",            "Swati",           "Vishakha",
    "Anuradha",         "Jyeshtha",          "Moola",           "Purva Ashadha",
    "Uttara Ashadha",   "Shravana",          "Dhanistha",       "Shatabhisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati",         ""};

// Julian day number of a civil date (month 1..12, day, year), Gregorian after
// the 1582 reform and Julian before it. Days beyond the month's end roll over
// (30 February 2001 gives the number of 2 March 2001). Exact for any 16-bit
// arguments.
double CivilDayNumber(int month, int day, int year);

// Derives the working values from the birth record: the calendar copies, local
// clock hours, the zone size (daylight saving added east of Greenwich and
// subtracted otherwise), LonWest (degrees, positive west), UniversalHours
// (unreduced, may be negative or reach 24 and more), BirthDayNumber and
// BirthCenturies = Julian centuries of UT from `epochDayNumber`.
// No ΔT is applied: the engine works in UT throughout.
void PrepareWorkingValues(CalculationState& state, double epochDayNumber);

// First entry: working values on the 1900 epoch, AyanamsaShift from the 1900
// formula, AyanamsaText, and the text into page.lblAyanamsa.
void ComputeAyanamsa(CalculationState& state, ResultsPage& page);

// Second entry: working values on the 2000 epoch, AyanamsaShift from the 2000
// formula, the Moon's tropical then sidereal longitude (degrees) in
// BirthMoonLongitude, and the mansion's name in MoonNakshatra. A longitude
// that cannot give a mansion (not finite, outside the table) leaves
// MoonNakshatra as it was.
void ComputeMoonNakshatra(CalculationState& state);

}  // namespace velmora
