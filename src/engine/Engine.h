#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "shared/BirthRecord.h"

// The astronomical engine: the Moon's nakshatra from a 25-term lunar series on
// Julian centuries of UT from 2000, and the 1900-epoch ayanamsa text shown on
// the results window. Both entries take the birth record and return values.
namespace velmora {

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

// Working values derived from the birth record. Angles in degrees, times of
// day in hours.
struct WorkingValues {
    int CalcMonth = 0;
    int CalcDay = 0;
    int CalcYear = 0;
    double LocalHours = 0.0;      // local clock time
    double ZoneOffset = 0.0;      // zone size incl. daylight saving, no direction
    double LonWest = 0.0;         // longitude, positive west
    double SignedZone = 0.0;      // local time = UT + SignedZone: +ZoneOffset east of Greenwich, −ZoneOffset otherwise
    double UniversalHours = 0.0;  // UT hours from the civil date's start, not brought into 0..24
    double BirthDayNumber = 0.0;  // Julian day number of the civil date (integral)
    double BirthCenturies = 0.0;  // Julian centuries of UT from the entry's epoch
};

// The working values on an epoch (a Julian day number in UT): the calendar
// copies, local clock hours, the zone size (daylight saving added east of
// Greenwich and subtracted otherwise), LonWest, the signed zone, UniversalHours,
// BirthDayNumber and BirthCenturies. The zone's direction is taken from the
// longitude, here and nowhere else: east of Greenwich the clock is ahead; a
// longitude of 0 counts as west. No ΔT: the engine works in UT throughout.
WorkingValues PrepareWorkingValues(const BirthRecord& birth, double epochDayNumber);

// First entry: working values on the 1900 epoch, minus the ayanamsa from the
// 1900 formula, and its text for the results window.
struct AyanamsaResult {
    WorkingValues working;
    double AyanamsaShift = 0.0;              // minus the ayanamsa, degrees
    std::optional<std::string> AyanamsaText; // nothing when the shift is not finite
};
AyanamsaResult ComputeAyanamsa(const BirthRecord& birth);

// Second entry: working values on the 2000 epoch, minus the ayanamsa from the
// 2000 formula, the Moon's tropical then sidereal longitude, and the mansion's
// name.
struct NakshatraResult {
    WorkingValues working;
    double AyanamsaShift = 0.0;       // degrees
    double BirthMoonLongitude = 0.0;  // sidereal, degrees 0..360 (tropical, or NaN, when no mansion)
    // Nothing when the longitude cannot give a mansion (not finite, outside the table).
    std::optional<std::string_view> MoonNakshatra;
};
NakshatraResult ComputeMoonNakshatra(const BirthRecord& birth);

}  // namespace velmora
