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
#include "results/gui/ChartTab.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void Photograph(const QRect& area, const QString& file) {
    const qreal ratio = qApp->devicePixelRatio();
    const QRect logical = area.adjusted(-4, -4, 4, 4);
    const QRect r = QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
                          qRound(logical.height() * ratio))
                        .intersected(QRect(0, 0, 8000, 8000));
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    const int rc = QProcess::execute(QStringLiteral("import"),
                                     {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                      crop, QStringLiteral("+repage"), file});
    EXPECT_EQ(rc, 0) << file.toStdString();
}

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
}

}  // namespace

TEST(ChartScreenshotTour, DISABLED_ChartTab) {
    const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const QString suffix = qEnvironmentVariable("VELMORA_SCREENSHOT_SUFFIX");
    QDir().mkpath(out);
    ProgramChartSettings() = {};
    ProgramFixture p;
    auto type = [&](const char* box, const char* text) {
        p.Child<QLineEdit>(box)->clear();
        QTest::keyClicks(p.Child<QLineEdit>(box), QString::fromUtf8(text));
    };
    auto pick = [&](const char* list, const char* text) {
        auto* box = p.Child<QComboBox>(list);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
    };
    type("txtName", "asha");
    pick("cboMonth", "August");
    pick("cboDate", "15");
    pick("cboYear", "1987");
    pick("cboHH", "10");
    pick("cboMM", "30");
    type("txtMCity", "New Delhi");
    type("txtMState", "Delhi");
    type("txtMCountry", "India");
    type("txtLatD", "28");
    type("txtLatM", "36");
    type("txtLonD", "77");
    type("txtLonM", "13");
    type("txtZoneHour", "5");
    type("txtZoneMinute", "30");
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    results->move(0, 0);
    // To the seventh tab with the keyboard, as a reader would.
    results->Tabs()->setFocus();
    for (int i = 0; i < 6; ++i) QTest::keyClick(results->Tabs()->tabBar(), Qt::Key_Right);
    Settle();
    Photograph(results->frameGeometry(), out + QStringLiteral("/results-chart-north%1.png").arg(suffix));
    auto* style = results->findChild<QComboBox*>(QStringLiteral("cboChartStyle"));
    ASSERT_NE(style, nullptr);
    style->setFocus();
    QTest::keyClick(style, Qt::Key_Down);
    Settle();
    Photograph(results->frameGeometry(), out + QStringLiteral("/results-chart-south%1.png").arg(suffix));
    ProgramChartSettings() = {};
    results->cmdBack_Click();
    ProcessDeferredDeletes();
}
