#pragma once

#include <cstdint>

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

}  // namespace velmora
