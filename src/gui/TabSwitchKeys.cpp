#include "gui/TabSwitchKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace velmora {

namespace {

void Step(QTabWidget* tabs, int by) {
    const int count = tabs->count();
    if (count == 0) return;
    tabs->setCurrentIndex(((tabs->currentIndex() + by) % count + count) % count);
    tabs->tabBar()->setFocus(Qt::ShortcutFocusReason);
}

}  // namespace

void AddTabSwitchKeys(QTabWidget* tabs) {
    QWidget* window = tabs->window();
    const struct {
        QKeySequence keys;
        int by;
    } bindings[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& binding : bindings) {
        auto* shortcut = new QShortcut(binding.keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, by = binding.by] { Step(tabs, by); });
    }
}

}  // namespace velmora
