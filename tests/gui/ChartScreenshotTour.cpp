// Not a test: photographs the Chart tab in both styles under a virtual X
// server with a window manager (scripts/chart-screenshots). Disabled in the
// normal test run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"
#include "results/gui/ChartTab.h"

using namespace velmora;
using namespace velmora::test;

TEST(ChartScreenshotTour, DISABLED_ChartTab) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const QString suffix = ScreenshotSuffix();
    ProgramChartSettings() = {};
    ProgramFixture p;
    const FormTyping form{p};
    form.AshaInNewDelhi();
    form.Pick("cboHH", "10");
    form.Pick("cboMM", "30");
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    results->move(0, 0);
    // To the seventh tab with the keyboard, as a reader would.
    results->Tabs()->setFocus();
    for (int i = 0; i < 6; ++i) QTest::keyClick(results->Tabs()->tabBar(), Qt::Key_Right);
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/results-chart-north%1.png").arg(suffix));
    auto* style = results->findChild<QComboBox*>(QStringLiteral("cboChartStyle"));
    ASSERT_NE(style, nullptr);
    style->setFocus();
    QTest::keyClick(style, Qt::Key_Down);
    SettleScreen();
    PhotographArea(results->frameGeometry(), out + QStringLiteral("/results-chart-south%1.png").arg(suffix));
    ProgramChartSettings() = {};
    results->cmdBack_Click();
    ProcessDeferredDeletes();
}
