#pragma once

#include <optional>
#include <string>

#include "places/PlaceEntries.h"

namespace velmora {

// The clock an IANA zone kept at a local date and time, from the system's
// time-zone database (through QTimeZone): historical offsets, daylight saving
// and war time included. A local time skipped or repeated by a clock change is
// read as standard time: the smaller of the offsets around the change. A day
// past the month's end rolls over into the next month. Nothing for a zone the
// database does not know or a date it cannot hold.
//
// Standard time is what the database calls it, except that a "negative
// daylight saving" period (Ireland's winter, Morocco's Ramadan) counts as the
// zone's standard time for the whole year: the DST box means "one hour ahead",
// and Irish summer time is that.
std::optional<ClockOnDate> ClockOnLocalDate(const std::string& zoneId, const LocalMoment& moment);

}  // namespace velmora
