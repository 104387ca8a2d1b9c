#include "gui/EndProgram.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <utility>

namespace velmora {

ProgramEnd::ProgramEnd(std::function<void()> quit) : quit_(std::move(quit)) {
    if (!quit_) quit_ = [] { QCoreApplication::exit(0); };
}

void ProgramEnd::EndProgram() {
    if (ending_) return;
    ending_ = true;
    // topLevelWidgets() returns a copy; windows closed with delete-on-close
    // are only deleted later, so every pointer stays valid through the loop.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isWindow()) window->close();
    }
    quit_();
}

}  // namespace velmora
