#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Places as a gazetteer knows them, and what the user typed to find one.
// Plain data: the gazetteer itself sits behind PlaceDirectory.
namespace velmora {

struct Place {
    std::string name;         // the city, in the gazetteer's spelling (UTF-8)
    std::string state;        // its state or province, short form ("West Bengal")
    std::string country;      // "India"
    std::string countryCode;  // ISO 3166 two letters, "IN"
    std::string zoneId;       // IANA zone name, "Asia/Kolkata"
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, east positive
    std::uint32_t population = 0;
    bool exactName = false;   // the name (or otherName) equals the typed city, ignoring case and accents
    bool nameBegins = false;  // the typed words are the first words of the name (or otherName): "Mexico City" for "Mexico"
    // A former or other name the typed city matched when the name itself did
    // not ("Bombay" for Mumbai); empty when the name matched.
    std::string otherName;
    // The zone the gazetteer gives, when zoneId was corrected from the
    // time-zone database (see PlaceZoneFix.h); empty otherwise.
    std::string gazetteerZoneId;
};

// "city", "city, state" or "city, state, country", each part trimmed of blanks.
// In "city, X" the X may be a state or a country (the text does not say which).
struct PlaceQuery {
    std::string city;
    std::string state;    // empty: any
    std::string country;  // empty: any
};

// Longer texts are refused without a look-up: no place name comes near it.
inline constexpr std::size_t MaxPlaceTextBytes = 200;

struct ParsedPlaceText {
    PlaceQuery query;
    std::string problem;  // empty when the text can be looked up
};

// Splits what the user typed at its commas. Refuses (with a sentence saying
// why) an empty or blank text, a text over MaxPlaceTextBytes, text that is
// not UTF-8, and more than three parts.
ParsedPlaceText ParsePlaceText(std::string_view text);

// The gazetteer. Find answers the places whose name, or one of its former or
// other names, matches the query's city (each typed word begins a word of the
// name, accents and case ignored), narrowed to the query's state and country
// when they are given, most populous first, at most `limit` of them. A state
// matches by the start of its name or by its code ("TX", "MH", "US-TX"); a
// country by the start of its name or common name, or by its ISO code ("GB",
// "GBR") or a usual short form ("UK", "USA"). An empty vector when nothing
// matches.
class PlaceDirectory {
public:
    virtual ~PlaceDirectory() = default;
    virtual std::vector<Place> Find(const PlaceQuery& query, std::size_t limit) const = 0;
};

inline constexpr std::size_t AllPlaces = static_cast<std::size_t>(-1);

// "State of West Bengal" reads "West Bengal", "Canton of Zurich" "Zurich":
// the short form people type and write on a form.
std::string ShortStateName(std::string_view state);

// "Kolkata, West Bengal, India", "Mumbai (Bombay), Maharashtra, India" when
// the place was found by a former name (parts that are empty are left out).
std::string PlaceLabel(const Place& place);

// Which of the matches (most populous first) a single-answer look-up takes,
// the place most people mean by the text:
// 1. among the places named exactly as typed, the most populous;
// 2. unless a place whose name begins with the typed words ("Mexico City" for
//    "Mexico", "Washington D.C." for "Washington") is at least
//    kFarMorePopulous times as populous: then the most populous of those;
// 3. with no exact name, the most populous match.
// Former names count as names throughout. `others` counts all the other matches.
inline constexpr std::uint32_t kFarMorePopulous = 10;
enum class ChoiceReason {
    Only,           // a single match
    ExactName,      // rule 1
    NameBegins,     // rule 2
    MostPopulous,   // rule 3
};
struct PlaceChoice {
    std::size_t index = 0;
    std::size_t others = 0;
    ChoiceReason reason = ChoiceReason::Only;
};
PlaceChoice ChoosePlace(const std::vector<Place>& matches);

}  // namespace velmora
