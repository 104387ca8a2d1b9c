#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "input/InputForm.h"
#include "input/Refusal.h"
#include "links/PlaceSearch.h"
#include "links/UrlOpener.h"

// "Click Here To Find Latitude && Longitude": hands the place names to the
// place-search component so the user can look the coordinates up. Nothing
// comes back; the coordinate boxes are never filled automatically.
namespace velmora {

// The first empty place box, checked in the order city, state, country: its
// message (information icon) and the box that takes the focus. A box holding
// only blanks is not empty.
std::optional<Refusal> CheckPlaceNames(const InputForm& form);

// "<city> <state> <country> Latitude Longitude", each name exactly as typed.
std::string PlaceSearchText(const InputForm& form);

// The whole click: the checks, then one call of the component with the search
// text and our site address. Returns the refusal to show, if any (then the
// component is not called).
std::optional<Refusal> RunPlaceLookup(const InputForm& form, PlaceSearch& search);

// Percent-encodes UTF-8 text for a query value: the unreserved characters
// A-Z a-z 0-9 - . _ ~ stay, every other byte becomes %XX (upper-case hex).
std::string PercentEncode(std::string_view text);

// The search engine that shows the search. Its address is fixed here; the
// typed text only ever appears percent-encoded in its query.
inline constexpr std::string_view PlaceSearchEngine = "https://duckduckgo.com/";

// The address opened for a search: the engine with the search text as its
// query, and our site (host name only) as the referring source.
std::string PlaceSearchAddress(std::string_view searchText, std::string_view siteAddress);

// The place-search component of the desktop program: opens the user's web
// browser on a search for the text. No text typed by the user ever reaches a
// shell or a command line; it only travels percent-encoded inside the address.
class WebPlaceSearch : public PlaceSearch {
public:
    explicit WebPlaceSearch(UrlOpener& opener) : opener_(opener) {}
    void OpenPlaceSearch(const std::string& searchText, const std::string& siteAddress) override;

private:
    UrlOpener& opener_;
};

}  // namespace velmora
