#include "gui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <cstdio>

namespace velmora {

namespace {

// The window the box belongs over: the active one, or else the first visible
// window of the program (a desktop without a window manager has no active one).
QWidget* OwnerWindow() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && w->isVisible() && w->windowType() != Qt::Popup) return w;
    }
    return nullptr;
}

}  // namespace

void QtMessageBoxes::Show(const std::string& text, MessageIcon icon) {
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", ApplicationTitle, text.c_str());
        std::fflush(stderr);
        return;
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromUtf8(ApplicationTitle), QString::fromStdString(text), QMessageBox::Ok,
                    OwnerWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace velmora
