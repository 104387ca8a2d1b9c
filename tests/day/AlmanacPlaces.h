#pragma once

// The cities the published almanac pages of the good-hours tests are for
// (the pages' own coordinates to four decimals) and the Indian clock.
#include "astronomy/RiseSet.h"
#include "day/DayZone.h"

namespace velmora::almanac_places {

inline const Observer kNewDelhi{28.6139, 77.2090, 0};
inline const Observer kChennai{13.0827, 80.2707, 0};
inline const Observer kKochi{9.9312, 76.2673, 0};
inline const Observer kKolkata{22.5726, 88.3639, 0};
inline const FixedZone kIst(5.5);

}  // namespace velmora::almanac_places
