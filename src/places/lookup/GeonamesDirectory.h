#pragma once

#include "places/Place.h"

namespace velmora {

// The gazetteer of libgeonames (Debian's libgeonames0 and libgeonames-common):
// about 24,000 cities of the geonames.org data with state, country,
// coordinates, population and IANA zone, built into the library; offline.
// Names come in the language of the process's locale where the data has a
// translation.
class GeonamesDirectory : public PlaceDirectory {
public:
    std::vector<Place> Find(const PlaceQuery& query) const override;
};

}  // namespace velmora
