#pragma once

#include <memory>
#include <string>

#include "day/DayZone.h"

// The clock of an IANA zone for the Hindu day, from the system's time-zone
// database (through QTimeZone): the offset in force at each moment, so that a
// day on which the clocks change shows each time on the clock then in force.
namespace velmora {

// Nothing when the database does not know the zone. The zone keeps the last
// answer's stretch between transitions: one zone object per thread.
std::unique_ptr<DayZone> ZoneClock(const std::string& zoneId);

}  // namespace velmora
