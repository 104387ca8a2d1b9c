#pragma once

#include "gui/EndProgram.h"
#include "gui/MessageBoxes.h"
#include "links/OfferBanner.h"
#include "links/PlaceSearch.h"
#include "links/UrlOpener.h"
#include "places/Place.h"
#include "shared/CalculationState.h"

namespace velmora {

class ReportDialogs;

// What the windows use from outside themselves. The application owns each of
// these for the life of the process; tests pass recording doubles. Add new
// services here rather than as constructor arguments of the windows.
struct WindowServices {
    CalculationState& state;    // the program's one calculation state
    MessageBoxes& messages;     // refusals and other messages
    UrlOpener& urls;            // the web pages of the product and its maker
    ProgramEnd& end;            // EndProgram()
    PlaceSearch* placeSearch = nullptr;  // the outside place-search component, when there is one
    UniformSource uniform = {};          // fractions in [0, 1) for the offer banner drawn at start
    const PlaceDirectory* places = nullptr;  // the gazetteer behind City's completion, when there is one
    ReportDialogs* reportDialogs = nullptr;  // saving and printing the report; Qt's dialogs when null
};

}  // namespace velmora
