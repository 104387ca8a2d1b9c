#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace velmora {

class UrlOpener;

// Adds an item to a menu or a menu bar, named like its control (objectName),
// that runs `handler` when chosen.
QAction* AddMenuItem(QWidget* menuOrBar, const QString& caption, const QString& name, std::function<void()> handler);

// The menus both windows carry after their File menu: "&Help" with its items
// and separators in order, then the top-level "&Donate" and "Make Money &Online"
// (named `makeMoneyName`, which differs between the windows). Each web item
// opens its page through `urls`; "&About Software" runs `about`.
void AddLinkMenus(QMenuBar* bar, UrlOpener& urls, const QString& makeMoneyName, std::function<void()> about);

}  // namespace velmora
