#pragma once

#include <string>
#include <vector>

#include "links/PlaceSearch.h"
#include "links/UrlOpener.h"

namespace velmora::testing {

// Records the addresses instead of starting a browser.
class RecordingUrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

// Records each call of the place-search component.
class RecordingPlaceSearch : public PlaceSearch {
public:
    struct Call {
        std::string searchText;
        std::string siteAddress;
    };
    void OpenPlaceSearch(const std::string& searchText, const std::string& siteAddress) override {
        calls.push_back({searchText, siteAddress});
    }
    std::vector<Call> calls;
};

}  // namespace velmora::testing
