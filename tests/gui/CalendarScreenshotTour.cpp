// Not a test: the month calendar photographed by scripts/calendar-screenshots
// under Xvfb with a window manager, once at scale 1 and once at twice the
// scale, on a 1280x800 screen. Disabled in the normal test run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// Opens the month of `date` at the place, photographs the window into
// VELMORA_SCREENSHOT_DIR under `name` and closes it.
void Photograph(const CalendarDate& date, const CalendarPlace& place, const QString& name) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    frmCalendar* window = OpenCalendarWindow(services, date, place, {});
    window->move(window->screen()->availableGeometry().topLeft());
    SettleScreen();
    PhotographArea(window->frameGeometry(), out + QLatin1Char('/') + name, 0);
    window->close();
    ProcessDeferredDeletes();
}

}  // namespace

TEST(CalendarScreenshotTour, DISABLED_MonthOfTheAdhikaJyeshtha) {
    CalendarPlace pune;
    pune.label = "Pune, Maharashtra, India";
    pune.city = "Pune";
    pune.state = "Maharashtra";
    pune.country = "India";
    pune.latitude = 18.51957;
    pune.longitude = 73.85535;
    pune.zoneId = "Asia/Kolkata";
    Photograph({2026, 5, 26}, pune,
               qEnvironmentVariable("VELMORA_SCREENSHOT_NAME", QStringLiteral("calendar-month.png")));
}

// March 2026 at New Delhi: the total lunar eclipse of the 3rd in its box.
TEST(CalendarScreenshotTour, DISABLED_MonthWithALunarEclipse) {
    CalendarPlace delhi;
    delhi.label = "New Delhi, Delhi, India";
    delhi.city = "New Delhi";
    delhi.state = "Delhi";
    delhi.country = "India";
    delhi.latitude = 28.63576;
    delhi.longitude = 77.22445;
    delhi.zoneId = "Asia/Kolkata";
    Photograph({2026, 3, 3}, delhi,
               qEnvironmentVariable("VELMORA_SCREENSHOT_ECLIPSE_NAME", QStringLiteral("calendar-eclipse.png")));
}

// October 2026 (Navaratri, Dussehra, Karwa Chauth) and November 2026
// (Dhanteras, Diwali, Govardhan Puja, Bhai Dooj) at New Delhi.
TEST(CalendarScreenshotTour, DISABLED_FestivalMonthsAtNewDelhi) {
    const QString suffix = qEnvironmentVariable("VELMORA_SCREENSHOT_SUFFIX");
    CalendarPlace delhi;
    delhi.label = "New Delhi, Delhi, India";
    delhi.city = "New Delhi";
    delhi.state = "Delhi";
    delhi.country = "India";
    delhi.latitude = 28.63576;
    delhi.longitude = 77.22445;
    delhi.zoneId = "Asia/Kolkata";
    Photograph({2026, 10, 20}, delhi, QStringLiteral("calendar-festivals-2026-10%1.png").arg(suffix));
    Photograph({2026, 11, 8}, delhi, QStringLiteral("calendar-festivals-2026-11%1.png").arg(suffix));
}
