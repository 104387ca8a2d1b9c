#include "gui/KeyCodes.h"

#include <QKeyEvent>
#include <QList>
#include <QString>

namespace velmora {

std::optional<int> TypedCharacterCode(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        default: break;
    }
    const QList<uint> chars = event.text().toUcs4();
    if (chars.isEmpty()) return std::nullopt;
    if (chars.size() > 1) return -1;
    const uint c = chars.front();
    if (c < 32 || c == 127) return std::nullopt;  // control characters type nothing
    if (c > 0xFFFF) return -1;
    return static_cast<int>(c);
}

}  // namespace velmora
