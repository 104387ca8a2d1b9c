// The place look-up in a build without Qt (the Windows cross build): the
// zone on a date comes from Qt's time-zone classes, so there is no gazetteer
// (OpenPlaceDirectory gives none and --place says so). These stand in for
// the look-up's functions, which are then never reached.
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/ZoneClock.h"

namespace velmora {

PlaceAnswer FindPlaceOnDate(const PlaceDirectory&, std::string_view, const LocalMoment&) {
    PlaceAnswer answer;
    answer.problem = "no gazetteer in this build";
    return answer;
}

std::unique_ptr<DayZone> ZoneClock(const std::string&) { return nullptr; }

}  // namespace velmora
