// Not a test: part of the screenshot tour (scripts/screenshots runs every
// ScreenshotTour case under Xvfb). Photographs the zone picker where "TZ Help"
// opens it and the about box. Disabled in the normal test run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"
#include "links/gui/frmAbout.h"
#include "timezone/gui/frmTimeZone.h"

using namespace velmora;
using namespace velmora::test;

TEST(ScreenshotTour, DISABLED_ZonePickerAndAboutBox) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";

    ProgramFixture p;
    p.window->move(20, 20);
    SettleScreen(10);

    // The picker as "TZ Help" opens it, an entry chosen.
    QTimer::singleShot(300, [&] {
        auto* picker = qobject_cast<frmTimeZone*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->lstTimeZone->setCurrentRow(34);
        picker->lstTimeZone->scrollToItem(picker->lstTimeZone->item(34));
        SettleScreen(10);
        PhotographArea(p.window->frameGeometry().united(picker->frameGeometry()), out + QStringLiteral("/zone-picker.png"));
        picker->close();
    });
    p.window->lblTZHelp_Click();

    QTimer::singleShot(300, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        // Xvfb has no window manager to draw a frame: set the box beside the
        // window, against the bare screen, so that its edges show.
        about->move(p.window->frameGeometry().right() + 24, p.window->frameGeometry().top() + 80);
        SettleScreen(10);
        PhotographArea(about->frameGeometry(), out + QStringLiteral("/about-box.png"));
        about->close();
    });
    p.Child<QAction>("mnuAbout")->trigger();
    ProcessDeferredDeletes();
}
