// Not a test: part of the screenshot tour (scripts/screenshots runs every
// ScreenshotTour case under Xvfb). Photographs the City completer offering
// places while a name is typed. Disabled in the normal test run.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <memory>

#include "GuiTestSupport.h"
#include "ScreenshotSupport.h"
#include "places/gui/PlaceCompleter.h"
#include "places/lookup/SystemPlaces.h"

using namespace velmora;
using namespace velmora::test;

TEST(ScreenshotTour, DISABLED_CityCompleter) {
    const QString out = ScreenshotFolder();
    ASSERT_FALSE(out.isEmpty()) << "set VELMORA_SCREENSHOT_DIR";
    const std::unique_ptr<PlaceDirectory> directory = OpenPlaceDirectory();
    if (!directory) GTEST_SKIP() << "built without the gazetteer";

    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end{[] {}};
    WindowServices services{state, messages, urls, end};
    services.places = directory.get();
    frmMain window(services);
    window.move(20, 20);
    window.show();
    SettleScreen(10);

    window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ASHA"));
    auto* years = window.findChild<QComboBox*>(QStringLiteral("cboYear"));
    years->setCurrentIndex(years->findText(QStringLiteral("1943")));
    window.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(5);
    auto* city = window.findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    window.activateWindow();
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Spring"), Qt::NoModifier, 40);
    auto* completer = window.findChild<PlaceCompleter*>();
    ASSERT_NE(completer, nullptr);
    QAbstractItemView* popup = completer->Completer()->popup();
    SettleScreen(10);
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    for (int i = 0; i < 6; ++i) QTest::qWait(50);

    PhotographArea(window.frameGeometry().united(popup->frameGeometry()), out + QStringLiteral("/city-completer.png"));
    popup->hide();
    ProcessDeferredDeletes();
}
