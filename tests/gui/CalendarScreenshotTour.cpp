// Not a test: the month calendar photographed by scripts/calendar-screenshots
// under Xvfb with a window manager, once at scale 1 and once at twice the
// scale, on a 1280x800 screen. Disabled in the normal test run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "GuiTestSupport.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"

using namespace velmora;
using namespace velmora::test;

TEST(CalendarScreenshotTour, DISABLED_MonthOfTheAdhikaJyeshtha) {
    const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    const QString name = qEnvironmentVariable("VELMORA_SCREENSHOT_NAME", QStringLiteral("calendar-month.png"));
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    CalendarPlace pune;
    pune.label = "Pune, Maharashtra, India";
    pune.city = "Pune";
    pune.state = "Maharashtra";
    pune.country = "India";
    pune.latitude = 18.51957;
    pune.longitude = 73.85535;
    pune.zoneId = "Asia/Kolkata";
    frmCalendar* window = OpenCalendarWindow(services, {2026, 5, 26}, pune, {});
    window->move(window->screen()->availableGeometry().topLeft());
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
    const qreal ratio = qApp->devicePixelRatio();
    const QRect frame = window->frameGeometry();
    const QRect r(qRound(frame.x() * ratio), qRound(frame.y() * ratio), qRound(frame.width() * ratio),
                  qRound(frame.height() * ratio));
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    EXPECT_EQ(QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                          QStringLiteral("-crop"), crop, QStringLiteral("+repage"),
                                                          out + QLatin1Char('/') + name}),
              0);
    window->close();
    ProcessDeferredDeletes();
}
