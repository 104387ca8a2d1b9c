#include "gui/MenuActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

#include "gui/Translation.h"
#include "links/modHelp.h"

namespace velmora {

QAction* AddMenuItem(QWidget* menuOrBar, const QString& caption, const QString& name, std::function<void()> handler) {
    auto* action = new QAction(caption, menuOrBar);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menuOrBar, [handler = std::move(handler)] { handler(); });
    menuOrBar->addAction(action);
    return action;
}

void AddLinkMenus(QMenuBar* bar, UrlOpener& urls, const QString& makeMoneyName, std::function<void()> about) {
    QMenu* help = bar->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&Help")));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddMenuItem(help, UiText(QT_TRANSLATE_NOOP("Velmora", "&Online Help")), QStringLiteral("mnuOnline"), [&urls] { OpenHelpPage(urls); });
    AddMenuItem(help, UiText(QT_TRANSLATE_NOOP("Velmora", "&Visit Us Online")), QStringLiteral("mnuVisit"), [&urls] { OpenHomePage(urls); });
    help->addSeparator();
    AddMenuItem(help, UiText(QT_TRANSLATE_NOOP("Velmora", "Check for Software &Update")), QStringLiteral("mnuUpdate"),
                [&urls] { OpenDownloadPage(urls); });
    help->addSeparator();
    AddMenuItem(help, UiText(QT_TRANSLATE_NOOP("Velmora", "&About Software")), QStringLiteral("mnuAbout"), std::move(about));

    AddMenuItem(bar, UiText(QT_TRANSLATE_NOOP("Velmora", "&Donate")), QStringLiteral("mnuDonate"), [&urls] { OpenDonatePage(urls); });
    // Offered, and enabled: its page is a real one.
    AddMenuItem(bar, UiText(QT_TRANSLATE_NOOP("Velmora", "Make Money &Online")), makeMoneyName, [&urls] { OpenFullBrandPage(urls); });
}

}  // namespace velmora
