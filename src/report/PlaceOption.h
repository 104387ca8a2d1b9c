#pragma once

#include <string>
#include <vector>

#include "input/InputForm.h"
#include "places/Place.h"
#include "report/FriendlyReport.h"

// --place of the readable mode: the place looked up in the gazetteer for the
// date and time of the form, its boxes filled as choosing it in the window's
// City completer would.
namespace velmora {

struct PlaceOptionOutcome {
    std::vector<std::string> said;  // the place taken and anything worth knowing about it
    std::string failure;            // empty on success
    int status = 0;                 // exit status for a failure
};

// Fills city, state, country, latitude, longitude, zone and DST of `form`
// (already filled from the other options) from options.place, except where an
// option gave the value itself: those win, and that is said. The zone follows
// the longitude that ends up in the form. `directory` may be null (a program
// built without a gazetteer).
PlaceOptionOutcome ApplyPlaceOption(const FriendlyOptions& options, const PlaceDirectory* directory,
                                    InputForm& form);

}  // namespace velmora
