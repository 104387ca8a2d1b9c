#pragma once

#include <string>

namespace velmora {

// Opens a web address in the user's default browser. The desktop program uses
// the desktop's own handler; tests record the addresses instead.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // A page that cannot be opened is reported by the opener itself (the
    // desktop's says so in a message box); callers go on either way.
    virtual void Open(const std::string& url) = 0;
};

}  // namespace velmora
