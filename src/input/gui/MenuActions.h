#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace velmora {

// Adds an item to a menu or a menu bar, named like its control (objectName),
// that runs `handler` when chosen.
QAction* AddMenuItem(QWidget* menuOrBar, const QString& caption, const QString& name, std::function<void()> handler);

// The "&Help" menu both windows carry, with its items and separators in order.
struct HelpMenuHandlers {
    std::function<void()> online;  // "&Online Help"
    std::function<void()> visit;   // "&Visit Us Online"
    std::function<void()> update;  // "Check for Software &Update"
    std::function<void()> about;   // "&About Software"
};
void AddHelpMenu(QMenuBar* bar, const HelpMenuHandlers& handlers);

}  // namespace velmora
