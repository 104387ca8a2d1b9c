#include "links/gui/ProductPicture.h"

#include <QString>

// The resources are compiled into a static library, whose registration the
// linker may drop unless something asks for it; the macro must be used outside
// any namespace.
static void RegisterVelmoraResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

QPixmap ProductPicture() {
    RegisterVelmoraResources();
    return QPixmap(QStringLiteral(":/velmora.png"));
}

QIcon ProductIcon() {
    RegisterVelmoraResources();
    return QIcon(QStringLiteral(":/velmora.png"));
}

}  // namespace velmora
