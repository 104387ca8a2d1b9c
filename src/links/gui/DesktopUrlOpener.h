#pragma once

#include <functional>

#include "links/UrlOpener.h"

class QUrl;

namespace velmora {

class MessageBoxes;

// Opens addresses through the desktop's default browser. When the desktop
// cannot open one (no browser, no handler), a message box says so and shows
// the address as text that can be selected and copied into a browser.
class DesktopUrlOpener : public UrlOpener {
public:
    // `openUrl` hands the address to the desktop (QDesktopServices::openUrl
    // unless a test gives another) and says whether that worked.
    explicit DesktopUrlOpener(MessageBoxes& messages, std::function<bool(const QUrl&)> openUrl = {});
    void Open(const std::string& url) override;

private:
    MessageBoxes& messages_;
    std::function<bool(const QUrl&)> openUrl_;
};

// What the box says when `url` could not be opened.
std::string UnopenedPageMessage(const std::string& url);

}  // namespace velmora
