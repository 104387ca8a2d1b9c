#include "gui/ProgramFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace velmora {

void ApplyProgramFont(QWidget* window) {
    const QStringList available = QFontDatabase::families();
    QFont font = window->font();
    for (const char* family : {"Verdana", "DejaVu Sans"}) {
        if (available.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            font.setFamilies({QString::fromLatin1(family)});
            window->setFont(font);
            return;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);
}

}  // namespace velmora
