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

using namespace velmora;
using namespace velmora::test;

namespace {

void Snap(const QRect& area, const QString& file) {
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

void Wait() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
}

}  // namespace

TEST(DayInFullScreenshotTour, DISABLED_HoursAndYear) {
    const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const QString suffix = qEnvironmentVariable("VELMORA_SCREENSHOT_SUFFIX");
    QDir().mkpath(out);
    ProgramFixture p;
    auto type = [&](const char* box, const char* text) {
        p.Child<QLineEdit>(box)->clear();
        QTest::keyClicks(p.Child<QLineEdit>(box), QString::fromUtf8(text));
    };
    auto pick = [&](const char* list, const char* text) {
        auto* box = p.Child<QComboBox>(list);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
    };
    // Chennai, 7 December 2026, 10:30, zone 5:30.
    type("txtName", "meena");
    pick("cboMonth", "December");
    pick("cboDate", "7");
    pick("cboYear", "2026");
    pick("cboHH", "10");
    pick("cboMM", "30");
    type("txtMCity", "Chennai");
    type("txtMState", "Tamil Nadu");
    type("txtMCountry", "India");
    type("txtLatD", "13");
    type("txtLatM", "5");
    type("txtLonD", "80");
    type("txtLonM", "17");
    type("txtZoneHour", "5");
    type("txtZoneMinute", "30");
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
    Wait();
    Snap(results->frameGeometry(), out + QStringLiteral("/results-day-choghadiya%1.png").arg(suffix));
    for (int i = 0; i < 3; ++i) QTest::keyClick(parts->tabBar(), Qt::Key_Right);  // Year
    Wait();
    Snap(results->frameGeometry(), out + QStringLiteral("/results-day-year%1.png").arg(suffix));
    // The same pages in Tamil, from the Language menu (Alt+L, then the third item).
    QAction* tamil = results->findChild<QAction*>(QStringLiteral("mnuLanguageTa"));
    ASSERT_NE(tamil, nullptr);
    tamil->trigger();
    Wait();
    Snap(results->frameGeometry(), out + QStringLiteral("/lang-ta-day-year%1.png").arg(suffix));
    for (int i = 0; i < 3; ++i) QTest::keyClick(parts->tabBar(), Qt::Key_Left);  // Choghadiya
    Wait();
    Snap(results->frameGeometry(), out + QStringLiteral("/lang-ta-day-choghadiya%1.png").arg(suffix));
    QAction* english = results->findChild<QAction*>(QStringLiteral("mnuLanguageEn"));
    if (english != nullptr) english->trigger();
}
