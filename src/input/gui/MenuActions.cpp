#include "input/gui/MenuActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace velmora {

QAction* AddMenuItem(QWidget* menuOrBar, const QString& caption, const QString& name, std::function<void()> handler) {
    auto* action = new QAction(caption, menuOrBar);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menuOrBar, [handler = std::move(handler)] { handler(); });
    menuOrBar->addAction(action);
    return action;
}

void AddHelpMenu(QMenuBar* bar, const HelpMenuHandlers& handlers) {
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddMenuItem(help, QStringLiteral("&Online Help"), QStringLiteral("mnuOnline"), handlers.online);
    AddMenuItem(help, QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit"), handlers.visit);
    help->addSeparator();
    AddMenuItem(help, QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate"), handlers.update);
    help->addSeparator();
    AddMenuItem(help, QStringLiteral("&About Software"), QStringLiteral("mnuAbout"), handlers.about);
}

}  // namespace velmora
