#pragma once

#include <span>

namespace velmora {

// A name people write for a city that the gazetteer knows by another: a
// former name ("Bombay"), or a new one the gazetteer does not have yet
// ("Gurugram" for its "Gurgaon").
struct FormerName {
    const char* written;    // as people write it
    const char* gazetteer;  // the gazetteer's name of the city
    const char* country;    // ISO 3166-1 code of the city's country
};

// The table, for what the gazetteer's own translations (see
// GeonamesDirectory) do not carry.
std::span<const FormerName> FormerNames();

}  // namespace velmora
