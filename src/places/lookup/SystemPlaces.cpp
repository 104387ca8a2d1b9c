#include "places/lookup/SystemPlaces.h"

#if VELMORA_HAVE_GEONAMES
#include "places/lookup/GeonamesDirectory.h"
#endif

namespace velmora {

std::unique_ptr<PlaceDirectory> OpenPlaceDirectory() {
#if VELMORA_HAVE_GEONAMES
    return std::make_unique<GeonamesDirectory>();
#else
    return nullptr;
#endif
}

}  // namespace velmora
