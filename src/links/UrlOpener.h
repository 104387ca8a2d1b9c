#pragma once

#include <string>

namespace velmora {

// Opens a web address in the user's default browser. The desktop program uses
// the desktop's own handler; tests record the addresses instead.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Fire and forget: a page that cannot be opened is not reported.
    virtual void Open(const std::string& url) = 0;
};

}  // namespace velmora
