#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "places/PlaceEntries.h"

namespace velmora {

// One place for a typed text and a local moment: the match most people mean
// (ChoosePlace), the clock it kept then, and the window's entries for it.
struct FoundPlace {
    Place place;
    ClockOnDate clock;
    PlaceEntries entries;
    std::size_t others = 0;   // further matches passed over
    std::size_t matches = 0;  // all matches of the text
};

struct PlaceAnswer {
    bool found = false;
    FoundPlace place;     // when found
    std::string problem;  // when not: a sentence for the user
    // Sentences about what was taken (an ambiguous name, a zone corrected from
    // the time-zone database, a skipped or repeated local time, a DST box
    // ticked to hold the clock, a clock the window cannot hold); empty when
    // nothing needs saying.
    std::vector<std::string> notes;
};

PlaceAnswer FindPlaceOnDate(const PlaceDirectory& directory, std::string_view text, const LocalMoment& moment);

}  // namespace velmora
