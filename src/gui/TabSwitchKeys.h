#pragma once

class QTabWidget;

namespace velmora {

// Ctrl+Tab and Ctrl+PgDown show the next tab, Ctrl+Shift+Tab and Ctrl+PgUp the
// previous one, wrapping round at the ends, from anywhere in the window that
// holds `tabs` (the tab widget itself reacts only while its tab bar has the
// focus). The tab bar takes the focus, so the keyboard stays with the tabs.
void AddTabSwitchKeys(QTabWidget* tabs);

}  // namespace velmora
