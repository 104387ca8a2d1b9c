// Not a test: photographs the Day tab under a virtual X server with a window
// manager (see docs/day.md for the command). Disabled in the normal test run.
#include <gtest/gtest.h>

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

TEST(DayScreenshotTour, DISABLED_DayTab) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const QString suffix = ScreenshotSuffix();
    ProgramFixture p;
    const FormTyping form{p};
    form.AshaInNewDelhi();
    for (const auto& [hour, minute, name] : {std::tuple{"10", "30", "results-day"},
                                             std::tuple{"5", "0", "results-day-before-sunrise"}}) {
        form.Pick("cboHH", hour);
        form.Pick("cboMM", minute);
        QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        results->move(30, 30);
        results->Tabs()->setCurrentIndex(5);
        results->Tabs()->setFocus();
        SettleScreen();
        PhotographArea(results->frameGeometry(), out + QStringLiteral("/%1%2.png").arg(QLatin1String(name), suffix));
        results->cmdBack_Click();
        ProcessDeferredDeletes();
    }
}
