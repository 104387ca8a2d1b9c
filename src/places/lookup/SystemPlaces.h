#pragma once

#include <memory>

#include "places/Place.h"

namespace velmora {

// The gazetteer installed on this machine, or nothing when the program was
// built without one (then the window offers no completion and the report tool
// says that --place is not available).
std::unique_ptr<PlaceDirectory> OpenPlaceDirectory();

}  // namespace velmora
