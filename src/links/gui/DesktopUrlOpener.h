#pragma once

#include "links/UrlOpener.h"

namespace velmora {

// Opens addresses through the desktop's default browser.
class DesktopUrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override;
};

}  // namespace velmora
