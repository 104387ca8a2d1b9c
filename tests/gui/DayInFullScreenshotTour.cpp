// Not a test: photographs the Day tab's Choghadiya and Year pages under a
// virtual X server with a window manager (docs/day-in-full.md gives the
// commands, at scale 1 and 2). Disabled in the normal test run. The pages are
// reached from the keyboard, as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"

using namespace velmora;
using namespace velmora::test;

TEST(DayInFullScreenshotTour, DISABLED_HoursAndYear) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const QString suffix = ScreenshotSuffix();
    ProgramFixture p;
    const FormTyping form{p};
    // Chennai, 7 December 2026, 10:30, zone 5:30.
    form.Type("txtName", "meena");
    form.Pick("cboMonth", "December");
    form.Pick("cboDate", "7");
    form.Pick("cboYear", "2026");
    form.Pick("cboHH", "10");
    form.Pick("cboMM", "30");
    form.Type("txtMCity", "Chennai");
    form.Type("txtMState", "Tamil Nadu");
    form.Type("txtMCountry", "India");
    form.Type("txtLatD", "13");
    form.Type("txtLatM", "5");
    form.Type("txtLonD", "80");
    form.Type("txtLonM", "17");
    form.Type("txtZoneHour", "5");
    form.Type("txtZoneMinute", "30");
    // North, east, and the results: from the keyboard.
    for (const char* name : {"optLat0", "optLong0"}) {
        p.Child<QRadioButton>(name)->setFocus();
        QTest::keyClick(p.Child<QRadioButton>(name), Qt::Key_Space);
    }
    p.Child<QPushButton>("cmdRashi")->setFocus();
    QTest::keyClick(p.Child<QPushButton>("cmdRashi"), Qt::Key_Space);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    results->move(20, 20);
    QTabWidget* tabs = results->Tabs();
    tabs->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    auto* parts = results->findChild<QTabWidget*>(QStringLiteral("tabDayParts"));
    ASSERT_NE(parts, nullptr);
    parts->tabBar()->setFocus();
    QTest::keyClick(parts->tabBar(), Qt::Key_Right);  // Choghadiya
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/results-day-choghadiya%1.png").arg(suffix));
    for (int i = 0; i < 3; ++i) QTest::keyClick(parts->tabBar(), Qt::Key_Right);  // Year
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/results-day-year%1.png").arg(suffix));
    // The same pages in Tamil, from the Language menu (Alt+L, then the third item).
    QAction* tamil = results->findChild<QAction*>(QStringLiteral("mnuLanguageTa"));
    ASSERT_NE(tamil, nullptr);
    tamil->trigger();
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/lang-ta-day-year%1.png").arg(suffix));
    for (int i = 0; i < 3; ++i) QTest::keyClick(parts->tabBar(), Qt::Key_Left);  // Choghadiya
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/lang-ta-day-choghadiya%1.png").arg(suffix));
    QAction* english = results->findChild<QAction*>(QStringLiteral("mnuLanguageEn"));
    if (english != nullptr) english->trigger();
}
