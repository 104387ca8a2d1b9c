#pragma once

#include <optional>
#include <string>

#include "input/InputForm.h"
#include "results/ResultsPage.h"

// The friendly mode of velmora-report: birth data as readable options, the
// results as readable text.
namespace velmora {

struct FriendlyOptions {
    std::string name;
    std::string date;   // YYYY-MM-DD; or the three below
    std::string day;    // 1..31
    std::string month;  // 1..12 or the English name
    std::string year;   // 1901..2050
    std::string time;   // HH:MM, 24-hour local clock time
    std::string city, state, country;
    std::string lat;   // degrees[:minutes] and N or S, e.g. 28:36N
    std::string lon;   // degrees[:minutes] and E or W, e.g. 77:13E
    std::string zone;  // hours[:minutes], e.g. 5:30 (the sign is not used)
    bool dst = false;
};

// Fills the input form as a user would: the coordinate and zone parts go into
// their boxes as typed, the date and time choose list entries. Returns what is
// wrong with an option (a date the lists do not offer, a malformed value), or
// nothing. The input check itself runs later, as in the window.
std::optional<std::string> FormFromOptions(const FriendlyOptions& options, InputForm& form);

// The details, the ayanamsa and the five tabs as plain text, one value per
// line under the window's captions; paragraphs wrapped at 78 columns.
std::string ReadableReport(const ResultsPage& page);

}  // namespace velmora
