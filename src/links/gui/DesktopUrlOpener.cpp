#include "links/gui/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace velmora {

void DesktopUrlOpener::Open(const std::string& url) {
    // The address is already encoded; StrictMode refuses anything malformed
    // instead of guessing. The result is ignored on purpose.
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (target.isValid()) QDesktopServices::openUrl(target);
}

}  // namespace velmora
