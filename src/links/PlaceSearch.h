#pragma once

#include <string>

namespace velmora {

// The place-search component: looks a place up for the user. Its one operation
// takes the search text and the address of our site; nothing comes back.
class PlaceSearch {
public:
    virtual ~PlaceSearch() = default;
    virtual void OpenPlaceSearch(const std::string& searchText, const std::string& siteAddress) = 0;
};

}  // namespace velmora
