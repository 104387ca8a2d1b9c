#include "links/gui/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <utility>

#include "gui/MessageBoxes.h"

namespace velmora {

DesktopUrlOpener::DesktopUrlOpener(MessageBoxes& messages, std::function<bool(const QUrl&)> openUrl)
    : messages_(messages), openUrl_(std::move(openUrl)) {
    if (!openUrl_) openUrl_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::string UnopenedPageMessage(const std::string& url) {
    return "The web page could not be opened: no web browser took it. You can copy its address into a "
           "browser yourself:\n\n" +
           url;
}

void DesktopUrlOpener::Open(const std::string& url) {
    // The address is already encoded; StrictMode refuses anything malformed
    // instead of guessing.
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (target.isValid() && openUrl_(target)) return;
    messages_.Show(UnopenedPageMessage(url), MessageIcon::Information);
}

}  // namespace velmora
