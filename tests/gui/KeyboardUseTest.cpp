// The keyboard alone: where the focus goes back to after a run and Back, the
// zone picker without a mouse, the about box's links, the results window's
// focus mark and Tab order, and the Tithi tab's layout.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "links/gui/frmAbout.h"
#include "timezone/TimeZones.h"
#include "timezone/gui/frmTimeZone.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void FillValidQuery(ProgramFixture& p) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtName", "ASHA"}, {"txtLatD", "28"},       {"txtLatM", "36"},        {"txtLonD", "77"},
        {"txtLonM", "13"},   {"txtZoneHour", "5"},    {"txtZoneMinute", "30"},  {"txtMCity", "Pune"},
        {"txtMState", "MH"}, {"txtMCountry", "India"}};
    for (const auto& [box, text] : boxes) p.Child<QLineEdit>(box)->setText(QString::fromLatin1(text));
}

QString Describe(const QWidget* w) {
    if (w == nullptr) return QStringLiteral("(none)");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

struct Way {
    const char* name;
    std::function<void(ProgramFixture&)> compute;
};

// Every way of asking for the results from the input window.
std::vector<Way> WaysToCompute() {
    return {
        {"File menu item", [](ProgramFixture& p) { p.window->findChild<QAction*>("mnuNext")->trigger(); }},
        {"File menu from the keyboard",
         [](ProgramFixture& p) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
             Settle();
             QWidget* menu = QApplication::activePopupWidget();
             ASSERT_NE(menu, nullptr);
             QTest::keyClick(menu, Qt::Key_Return);  // its first item
             Settle();
         }},
    };
}

}  // namespace

TEST(Keyboard, FocusComesBackToTheBoxItWasInAfterARunAndBack) {
    for (const Way& way : WaysToCompute()) {
        for (const char* boxName : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
            SCOPED_TRACE(std::string(way.name) + " from " + boxName);
            ProgramFixture p;
            FillValidQuery(p);
            QApplication::setActiveWindow(p.window.get());
            auto* box = p.Child<QLineEdit>(boxName);
            box->setFocus(Qt::MouseFocusReason);
            box->end(false);
            const QString before = box->text();
            way.compute(p);
            frmDisplay* results = p.window->ResultsWindow();
            ASSERT_NE(results, nullptr);
            QApplication::setActiveWindow(results);
            QTest::mouseClick(results->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
            ProcessDeferredDeletes();
            QApplication::setActiveWindow(p.window.get());
            Settle();
            ASSERT_EQ(QApplication::focusWidget(), box) << Describe(QApplication::focusWidget()).toStdString();
            // A key typed now lands in that box and nowhere else.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_M);
            EXPECT_EQ(box->text().toUpper(), (before + QLatin1Char('M')).toUpper());
            EXPECT_EQ(p.Child<QComboBox>("cboMonth")->currentIndex(), 0);
            EXPECT_EQ(p.Child<QLineEdit>("txtMState")->text().size(), 2 + (std::string(boxName) == "txtMState"));
            EXPECT_TRUE(p.messages.shown.empty());
        }
    }
}

TEST(Keyboard, FocusComesBackToTheButtonAfterARunFromIt) {
    for (const bool byEnter : {false, true}) {
        ProgramFixture p;
        FillValidQuery(p);
        QApplication::setActiveWindow(p.window.get());
        auto* button = p.Child<QPushButton>("cmdRashi");
        button->setFocus(Qt::TabFocusReason);
        if (byEnter) {
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        QTest::mouseClick(results->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        ProcessDeferredDeletes();
        QApplication::setActiveWindow(p.window.get());
        Settle();
        EXPECT_EQ(QApplication::focusWidget(), button) << Describe(QApplication::focusWidget()).toStdString();
    }
}

TEST(Keyboard, TheResultsWindowOpensWithAVisibleFocusMarkOnTheTabs) {
    ProgramFixture p;
    FillValidQuery(p);
    QApplication::setActiveWindow(p.window.get());
    p.Child<QLineEdit>("txtName")->setFocus(Qt::MouseFocusReason);
    p.window->findChild<QAction*>("mnuNext")->trigger();
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    QApplication::setActiveWindow(results);
    Settle();
    QTabBar* bar = results->Tabs()->tabBar();
    ASSERT_EQ(QApplication::focusWidget(), bar);
    const QImage marked = bar->grab().toImage();
    // An arrow key leafs to the next tab, and the mark goes with it.
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(results->Tabs()->currentIndex(), 1);
    const QImage markedOnNext = bar->grab().toImage();
    QTest::keyClick(bar, Qt::Key_Left);
    results->findChild<QPushButton*>("cmdBack")->setFocus(Qt::OtherFocusReason);
    EXPECT_NE(marked, bar->grab().toImage()) << "no focus mark on the tabs as the window opens";
    results->Tabs()->setCurrentIndex(1);
    EXPECT_NE(markedOnNext, bar->grab().toImage()) << "no focus mark after an arrow key";
}

TEST(Keyboard, ResultsTabOrderGoesLeftToRightAndTopToBottom) {
    ProgramFixture p;
    FillValidQuery(p);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    QApplication::setActiveWindow(results);
    results->findChild<QWidget*>("Label14")->setFocus(Qt::TabFocusReason);
    QStringList stops;
    for (int i = 0; i < 40; ++i) {
        QWidget* here = QApplication::focusWidget();
        stops << Describe(here);
        QTest::keyClick(here, Qt::Key_Tab);
        if (QApplication::focusWidget() == results->findChild<QWidget*>("Label14")) break;
    }
    const QString joined = stops.join(QLatin1Char(' '));
    // The upper banner, the tabs and what the front tab holds, Exit at the
    // left, Back to its right, the lower banner.
    auto at = [&](const char* name) { return stops.indexOf(QString::fromLatin1(name)); };
    EXPECT_EQ(at("Label14"), 0) << joined.toStdString();
    EXPECT_EQ(at("qt_tabwidget_tabbar"), 1) << joined.toStdString();
    const QWidget* exitButton = results->findChild<QWidget*>("cmdExit");
    const QWidget* backButton = results->findChild<QWidget*>("cmdBack");
    ASSERT_LT(exitButton->mapToGlobal(QPoint(0, 0)).x(), backButton->mapToGlobal(QPoint(0, 0)).x());
    EXPECT_LT(at("cmdExit"), at("cmdBack")) << joined.toStdString();
    EXPECT_LT(at("cmdBack"), at("lblFullBrand")) << joined.toStdString();
    EXPECT_GE(at("lblFullBrand"), 0) << joined.toStdString();
}

TEST(Keyboard, TheZonePickerChoosesWithEnterOrSpaceAndClosesWithEscape) {
    QLineEdit hour, minute;
    for (const Qt::Key choose : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        hour.setText(QStringLiteral("7"));
        minute.setText(QStringLiteral("15"));
        frmTimeZone picker(&hour, &minute);
        picker.show();
        QApplication::setActiveWindow(&picker);
        EXPECT_EQ(QApplication::focusWidget(), picker.lstTimeZone);
        for (int i = 0; i < 4; ++i) QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
        const int row = picker.lstTimeZone->currentRow();
        ASSERT_GE(row, 3);
        ASSERT_TRUE(picker.lstTimeZone->item(row)->isSelected());
        const auto expected = ZoneTextsAt(row);
        ASSERT_TRUE(expected.has_value());
        QTest::keyClick(picker.lstTimeZone, choose);
        EXPECT_EQ(hour.text().toStdString(), expected->hour) << choose;
        EXPECT_EQ(minute.text().toStdString(), expected->minute) << choose;
        EXPECT_FALSE(picker.isVisible()) << choose;
        EXPECT_EQ(picker.result(), QDialog::Accepted);
    }
    hour.setText(QStringLiteral("7"));
    frmTimeZone picker(&hour, &minute);
    picker.show();
    QApplication::setActiveWindow(&picker);
    QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
    QTest::keyClick(picker.lstTimeZone, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(hour.text(), QStringLiteral("7"));
}

TEST(Keyboard, TheAboutBoxLinksAreTabStopsThatOpenWithEnterOrSpace) {
    RecordingUrlOpener urls;
    frmAbout about(urls);
    about.show();
    QApplication::setActiveWindow(&about);
    QStringList stops;
    QWidget* start = QApplication::focusWidget();
    ASSERT_EQ(start, about.cmdOK);  // Enter at once closes the box
    for (int i = 0; i < 10; ++i) {
        QWidget* here = QApplication::focusWidget();
        stops << Describe(here);
        const QImage focused = here->grab().toImage();
        QTest::keyClick(here, Qt::Key_Tab);
        if (qobject_cast<QLabel*>(here) != nullptr) {
            EXPECT_NE(focused, here->grab().toImage()) << Describe(here).toStdString() << " shows no mark";
        }
        if (QApplication::focusWidget() == start) break;
    }
    EXPECT_TRUE(stops.contains(QStringLiteral("lblCoBrand"))) << stops.join(' ').toStdString();
    EXPECT_TRUE(stops.contains(QStringLiteral("lblHomePage"))) << stops.join(' ').toStdString();
    EXPECT_LT(stops.indexOf(QStringLiteral("lblCoBrand")), stops.indexOf(QStringLiteral("lblHomePage")));
    about.lblCoBrand->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about.lblCoBrand, Qt::Key_Return);
    about.lblHomePage->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about.lblHomePage, Qt::Key_Space);
    EXPECT_EQ(urls.opened.size(), 2u);
}

TEST(TithiTab, LaysOutWithoutAScrollBarAndTopAlignsItsCaptions) {
    ProgramFixture p;
    FillValidQuery(p);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    results->Tabs()->setCurrentIndex(2);
    Settle();
    for (const char* name : {"txtType", "txtTithiDesc"}) {
        auto* box = results->findChild<QPlainTextEdit*>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << name << " scrolls: " << box->height() << " px high";
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << name;
    }
    for (int i = 0; i < 4; ++i) {
        auto* caption = results->findChild<QLabel*>(QStringLiteral("lblLabel_%1").arg(i));
        ASSERT_NE(caption, nullptr);
        EXPECT_TRUE(caption->alignment() & Qt::AlignTop) << i;
        EXPECT_TRUE(caption->alignment() & Qt::AlignLeft) << i;
    }
    // "Nature" sits at the top of its text box's row, like the captions above.
    auto* nature = results->findChild<QLabel*>(QStringLiteral("lblLabel_0"));
    auto* text = results->findChild<QPlainTextEdit*>("txtTithiDesc");
    const int natureTop = nature->mapTo(results, nature->contentsRect().topLeft()).y();
    const int textTop = text->mapTo(results, QPoint(0, 0)).y();
    EXPECT_LE(std::abs(natureTop - textTop), 8) << natureTop << " vs " << textTop;
}

TEST(Keyboard, EveryMenuGivesEachItemAnAccessKeyOfItsOwn) {
    ProgramFixture p;
    FillValidQuery(p);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    for (QMainWindow* window : {static_cast<QMainWindow*>(p.window.get()), static_cast<QMainWindow*>(results)}) {
        std::vector<QList<QAction*>> menus = {window->menuBar()->actions()};
        for (const QMenu* menu : window->findChildren<QMenu*>()) menus.push_back(menu->actions());
        for (const QList<QAction*>& actions : menus) {
            QMap<QChar, QString> keys;
            for (const QAction* action : actions) {
                const QString text = action->text();
                for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
                     i = text.indexOf(QLatin1Char('&'), i + 2)) {
                    if (text[i + 1] == QLatin1Char('&')) continue;
                    const QChar key = text[i + 1].toLower();
                    EXPECT_FALSE(keys.contains(key)) << Describe(window).toStdString() << ": " << text.toStdString()
                                                     << " and " << keys.value(key).toStdString() << " share "
                                                     << QString(key).toStdString();
                    keys.insert(key, text);
                    break;
                }
            }
        }
    }
}
