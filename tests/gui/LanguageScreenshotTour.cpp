// Not a test: the windows in Hindi and Tamil photographed by
// scripts/language-screenshots under Xvfb with a window manager, at the scale
// the script sets: the input window, the results window's Nakshatra and Day
// and Chart tabs, the month calendar and its printed page (rendered by
// pdftoppm).
// Disabled in the normal test run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPageSize>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"
#include "calendar/CalendarDays.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"
#include "gui/Translation.h"
#include "results/print/MonthDocument.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void Photograph(QWidget* window, const QString& file) {
    window->move(window->screen()->availableGeometry().topLeft());
    window->raise();
    window->activateWindow();
    SettleScreen();
    PhotographArea(window->frameGeometry(), file, 0);
}

void Type(ProgramFixture& p, const char* box, const char* text) {
    auto* edit = p.Child<QLineEdit>(box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace

TEST(LanguageScreenshotTour, DISABLED_WindowsInHindiAndTamil) {
    const QString out = ScreenshotFolder();
    const QString suffix = ScreenshotSuffix();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const QString code = QString::fromLatin1(LanguageCode(language).data());
        const auto name = [&](const char* what) {
            return out + QStringLiteral("/lang-%1-%2%3.png").arg(code, QString::fromLatin1(what), suffix);
        };
        ASSERT_TRUE(LanguageSwitch::Of()->Switch(language));
        ProgramFixture p;
        Type(p, "txtName", "asha");
        Type(p, "txtMCity", "Chennai");
        Type(p, "txtLatD", "13");
        Type(p, "txtLatM", "5");
        Type(p, "txtLonD", "80");
        Type(p, "txtLonM", "16");
        Type(p, "txtZoneHour", "5");
        Type(p, "txtZoneMinute", "30");
        Photograph(p.window.get(), name("input"));

        QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        QTabWidget* tabs = results->Tabs();
        tabs->setCurrentWidget(results->findChild<QWidget*>(QStringLiteral("fraNakshatra"))->parentWidget());
        Photograph(results, name("nakshatra"));
        tabs->setCurrentWidget(results->findChild<QWidget*>(QStringLiteral("fraDay"))->parentWidget());
        Photograph(results, name("day"));
        // The Chart tab: the page that holds the chart's style list.
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->findChild<QComboBox*>(QStringLiteral("cboChartStyle")) != nullptr) tabs->setCurrentIndex(i);
        }
        ASSERT_NE(tabs->currentWidget()->findChild<QComboBox*>(QStringLiteral("cboChartStyle")), nullptr);
        Photograph(results, name("chart"));

        CalendarPlace chennai;
        chennai.label = "Chennai, Tamil Nadu, India";
        chennai.latitude = 13.0833;
        chennai.longitude = 80.2667;
        chennai.zoneId = "Asia/Kolkata";
        frmCalendar* calendar = OpenCalendarWindow(p.services, {2026, 10, 20}, chennai, {});
        Photograph(calendar, name("month"));
        const QString pdf = out + QStringLiteral("/lang-%1-month%2.pdf").arg(code, suffix);
        const FixedZone zone(5.5);
        const CalendarSpan span = ComputeCalendarSpan({2026, 10, 1}, 31, {13.0833, 80.2667, 0}, zone);
        ASSERT_TRUE(SaveMonthPdf(MonthGridOf(2026, 10, span, zone), "Chennai, Tamil Nadu, India · Asia/Kolkata", pdf,
                                 QPageSize(QPageSize::A4), language)
                        .isEmpty());
        EXPECT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                     QStringLiteral("-singlefile"), pdf, name("print").chopped(4)}),
                  0);
        QFile::remove(pdf);
        calendar->close();
        results->close();
        ProcessDeferredDeletes();
    }
    LanguageSwitch::Of()->Switch(Language::English);
}
