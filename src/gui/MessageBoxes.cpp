#include "gui/MessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "gui/ScreenFit.h"

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

std::unique_ptr<QMessageBox> NewMessageBox(const std::string& text, MessageIcon icon, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromUtf8(ApplicationTitle), QString::fromStdString(text), QMessageBox::Ok, parent);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    // Any message can be selected and copied: a web address that could not
    // be opened, a file name.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A word longer than a line (a web address) cannot wrap; the text keeps
    // within the screen's width all the same, beside the icon, and the whole
    // of it can still be selected and copied.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); label != nullptr && screen) {
        label->setMaximumWidth(std::max(200, screen->availableGeometry().width() - 160));
    }
    FitDialogToScreen(box.get());
    return box;
}

void QtMessageBoxes::Show(const std::string& text, MessageIcon icon) {
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", ApplicationTitle, text.c_str());
        std::fflush(stderr);
        return;
    }
    NewMessageBox(text, icon, OwnerWindow())->exec();
}

}  // namespace velmora
