#pragma once

#include <string>
#include <vector>

#include "places/lookup/PlaceIndex.h"

namespace velmora {

// Places the gazetteer lacks, from the time-zone database's own tables.
// libgeonames has no row at all for some countries and territories
// (Singapore, Macau, Gibraltar, Vatican City …) and misses the main city of
// some countries on a single clock (Nouakchott). The time-zone database names
// every zone for a place and gives its coordinates (zone.tab: one row per
// country and zone, tzdata's iso3166.tab: the countries' names). The rule: a
// zone of a country that has no city in the gazetteer, or whose country keeps
// one zone only, gives a place when no city of that country bears the zone's
// name or lies within PlaceZoneFix::kNamesakeKilometres of the zone's point:
// named as the zone's
// last part ("_" read as a blank), in that country (the gazetteer's name of
// it, or iso3166.tab's), on that zone, at that point, with no state and no
// population. A country of one zone and no city also takes its own name as
// the place's other name ("Vatican City" finds Vatican). The directory looks
// at these only for a text that finds none of the gazetteer's cities.
//
// `words` folds a name as the look-up compares it. Nothing when the tables
// are missing or unreadable.
std::vector<IndexedPlace> ZoneTablePlaces(const std::vector<IndexedPlace>& gazetteer,
                                          std::string (*words)(const std::string&),
                                          const std::string& zoneTab = "/usr/share/zoneinfo/zone.tab",
                                          const std::string& countryTab = "/usr/share/zoneinfo/iso3166.tab");

}  // namespace velmora
