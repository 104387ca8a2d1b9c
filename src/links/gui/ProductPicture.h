#pragma once

#include <QIcon>
#include <QPixmap>

namespace velmora {

// The program's own picture (crescent moon and five stars), from the
// program's resources: shown in the about box and used as the window icon.
QPixmap ProductPicture();
QIcon ProductIcon();

}  // namespace velmora
