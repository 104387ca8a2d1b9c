#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The one shared calculation state of the program. The application owns a
// single instance for the life of the process and passes it by reference; each
// calculation overwrites it and nothing resets it, so a value whose step fails
// keeps the previous calculation's value.
namespace velmora {

// Fourteen 16-bit values written from the input window before each calculation.
// Coordinates and zone are unsigned magnitudes; the hemispheres live only in the
// flags and the zone direction is taken from the longitude hemisphere.
struct BirthRecord {
    std::int16_t QueryMonth = 0;   // 1..12
    std::int16_t QueryDay = 0;     // 1..31
    std::int16_t QueryYear = 0;    // 1901..2050
    std::int16_t QueryHour = 0;    // 0..23, local clock time
    std::int16_t QueryMinute = 0;  // 0..59
    std::int16_t ZoneHours = 0;    // magnitude, no range check
    std::int16_t ZoneMinutes = 0;  // magnitude, no range check
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool LonIsEast = false;
    bool LatIsSouth = false;
    bool DstOn = false;
};

// Working values of the astronomical engine, derived afresh from the birth
// record by each engine entry. Angles in degrees, times of day in hours.
struct EngineValues {
    std::int16_t CalcMonth = 0;
    std::int16_t CalcDay = 0;
    std::int16_t CalcYear = 0;
    double LocalHours = 0.0;      // local clock time, hours
    double ZoneOffset = 0.0;      // zone size in hours incl. daylight saving, no direction
    double LonWest = 0.0;         // longitude in degrees, positive west
    double UniversalHours = 0.0;  // UT hours from the civil date's start; also scratch for the panchang
    double BirthDayNumber = 0.0;  // Julian day number of the civil date (integral)
    double BirthCenturies = 0.0;  // Julian centuries of UT from the entry's epoch
    double AyanamsaShift = 0.0;   // minus the ayanamsa, degrees
    double BirthMoonLongitude = 0.0;
    std::string MoonNakshatra;
    std::string AyanamsaText;
};

// Fields of the panchang module. The raw longitudes are unreduced and grow
// continuously with time; each evaluation overwrites them.
struct PanchangFields {
    double MoonLongitudeRaw = 0.0;  // degrees, unreduced
    double SunLongitudeRaw = 0.0;   // degrees, unreduced
    double MoonDailyMotion = 0.0;   // degrees per day
    // Date of the last Julian day formatted; month and day are kept as their
    // display texts ("01", " 1"), which read back as the same numbers.
    double DateYear = 0.0;
    std::string DateMonth;
    std::string DateDay;
    // Module scalars kept between runs.
    std::optional<int> VaraNumber;  // 1 = Sunday .. 7 = Saturday; none before the first success
    double NegAyanamsa = 0.0;       // minus the ayanamsa of the birth moment, degrees
    int TithiIndex = 0;
};

// Texts left for the driver by the panchang report.
struct PanchangResults {
    std::string CurrentTithi;
    std::string CurrentTithiSpan;
    std::string CurrentYoga;
    std::string CurrentYogaSpan;
    std::string CurrentKarana;
    std::string CurrentKaranaSpan;
};

struct CalculationState {
    BirthRecord birth;
    EngineValues engine;
    PanchangFields panchang;
    PanchangResults results;
};

}  // namespace velmora
