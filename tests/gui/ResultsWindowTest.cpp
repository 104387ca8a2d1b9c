#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shared/Version.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "links/modHelp.h"

using namespace velmora;
using namespace velmora::test;

namespace {

struct Query {
    const char* name;
    const char* month;
    const char* day;
    const char* year;
    const char* hour;
    const char* minute;
    const char* city;
    const char* latD;
    const char* latM;
    bool south;
    const char* lonD;
    const char* lonM;
    bool west;
    const char* zoneHour;
    const char* zoneMinute;
};

const Query kDelhi{"asha", "August", "15", "1987", "10", "30", "New Delhi", "28", "36", false,
                   "77", "13", false, "-5", "30"};
const Query kLima{"ravi", "March", "5", "2024", "7", "5", "Lima", "12", "3", true, "77", "2", true, "5", "0"};

void Pick(ProgramFixture& p, const char* list, const char* text) {
    auto* box = p.Child<QComboBox>(list);
    const int at = box->findText(QString::fromUtf8(text));
    ASSERT_GE(at, 0) << list << " " << text;
    box->setCurrentIndex(at);
}

// Fills the window as a user would: typed boxes, picked lists, clicked options.
void Enter(ProgramFixture& p, const Query& q) {
    for (const char* box : {"txtName", "txtMCity", "txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneHour",
                            "txtZoneMinute"}) {
        p.Child<QLineEdit>(box)->clear();
    }
    QTest::keyClicks(p.Child<QLineEdit>("txtName"), q.name);
    QTest::keyClicks(p.Child<QLineEdit>("txtMCity"), q.city);
    QTest::keyClicks(p.Child<QLineEdit>("txtLatD"), q.latD);
    QTest::keyClicks(p.Child<QLineEdit>("txtLatM"), q.latM);
    QTest::keyClicks(p.Child<QLineEdit>("txtLonD"), q.lonD);
    QTest::keyClicks(p.Child<QLineEdit>("txtLonM"), q.lonM);
    QTest::keyClicks(p.Child<QLineEdit>("txtZoneHour"), q.zoneHour);
    QTest::keyClicks(p.Child<QLineEdit>("txtZoneMinute"), q.zoneMinute);
    Pick(p, "cboMonth", q.month);
    Pick(p, "cboDate", q.day);
    Pick(p, "cboYear", q.year);
    Pick(p, "cboHH", q.hour);
    Pick(p, "cboMM", q.minute);
    QTest::mouseClick(p.Child<QRadioButton>(q.south ? "optLat1" : "optLat0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QRadioButton>(q.west ? "optLong1" : "optLong0"), Qt::LeftButton);
}

frmDisplay* Calculate(ProgramFixture& p) {
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    return p.window->ResultsWindow();
}

// Each value control of the window, compared with the page the core fills.
void ExpectShows(const frmDisplay* window, const ResultsPage& expected) {
    for (const ResultsControl& control : ResultsControls()) {
        const QString name = QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
        const QString want = QString::fromStdString(expected.*(control.text));
        if (control.isTextBox) {
            auto* box = window->findChild<QPlainTextEdit*>(name);
            ASSERT_NE(box, nullptr) << control.name;
            // The text box keeps line breaks as its own; compare the lines.
            QString want2 = want;
            want2.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            EXPECT_EQ(box->toPlainText(), want2) << control.name;
        } else {
            auto* label = window->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << control.name;
            EXPECT_EQ(label->text(), want) << control.name;
        }
    }
}

}  // namespace

TEST(ResultsWindow, LayoutAndDesignTexts) {
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    frmDisplay window(services, [] {});
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    EXPECT_EQ(window.windowTitle(), "Velmora v" VELMORA_VERSION);
    ExpectShows(&window, ResultsPage{});
    EXPECT_EQ(window.findChild<QLabel*>("lblName")->text(), "LblName");
    EXPECT_EQ(window.findChild<QLabel*>("lblDay")->text(), "Sunday");

    QTabWidget* tabs = window.Tabs();
    ASSERT_EQ(tabs->count(), 7);  // the five, then the Day tab (DayTabTest.cpp) and the Chart tab (ChartTabTest.cpp)
    const char* captions[] = {"Vaar", "Nakshatra", "Tithi", "Yoga", "Karna"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        auto* frame = tabs->widget(i)->findChild<QGroupBox*>();
        ASSERT_NE(frame, nullptr) << captions[i];
        EXPECT_EQ(frame->title(), captions[i]);
    }
    // Each value control sits in its own tab or in the details.
    EXPECT_NE(tabs->widget(2)->findChild<QLabel*>("lblTithiTime"), nullptr);
    EXPECT_NE(tabs->widget(3)->findChild<QPlainTextEdit*>("txtYogaDesc"), nullptr);
    EXPECT_NE(window.findChild<QGroupBox*>("fraDetails")->findChild<QLabel*>("lblCountry"), nullptr);
    EXPECT_EQ(window.findChild<QGroupBox*>("fraDetails")->title(), "Your Details");
    for (const char* name : {"Label14", "Label23", "lblCobrand", "lblFullBrand", "fraAyanamsa"}) {
        EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_EQ(window.findChild<QPushButton*>("cmdExit")->text(), "&Exit");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdBack")->text(), "&Back");

    QStringList top;
    for (const QAction* a : window.menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Help", "&Donate", "Make Money &Online", "&Language"}));
    QStringList file;
    for (const QAction* a : window.findChild<QMenu*>("mnuFile")->actions()) {
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(file, QStringList({QString::fromUtf8("&Print\u2026"), QString::fromUtf8("Save as P&DF\u2026"),
                                 "&Copy Report", "-", "&Back", "-", "E&xit"}));

    // A name or a city is shown as typed, never read as markup.
    ResultsPage page;
    page.lblName = "<b>X</b>";
    window.SetPage(page);
    EXPECT_EQ(window.findChild<QLabel*>("lblName")->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.Page().lblName, "<b>X</b>");
}

TEST(ResultsWindow, LinksOpenTheirPages) {
    ProgramFixture p;
    Enter(p, kDelhi);
    frmDisplay* results = Calculate(p);
    ASSERT_NE(results, nullptr);
    for (const char* item : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuDonate", "mnuMakeMoney"}) {
        results->findChild<QAction*>(item)->trigger();
    }
    QTest::mouseClick(results->findChild<QWidget*>("Label14"), Qt::LeftButton);
    QTest::mouseClick(results->findChild<QWidget*>("lblFullBrand"), Qt::LeftButton);
    const std::vector<std::string> expected = {
        std::string(ProductSite) + "/velmora-help.html", std::string(MakerSite),
        std::string(ProductSite) + "/download-velmora.html", std::string(HelpSite) + "/donate.html",
        std::string(HelpSite) + "/fully-branded.html", std::string(MakerSite),
        std::string(HelpSite) + "/fully-branded.html"};
    EXPECT_EQ(p.urls.opened, expected);
    EXPECT_TRUE(results->isVisible());
}

TEST(ResultsWindow, ARunShowsTheCoresResults) {
    ProgramFixture p;
    Enter(p, kDelhi);
    const InputForm form = p.window->ReadForm();
    EXPECT_EQ(form.txtName, "ASHA");
    EXPECT_EQ(form.txtZoneHour, "-5");

    frmDisplay* results = Calculate(p);
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_FALSE(p.window->isVisible());
    EXPECT_TRUE(results->isVisible());
    EXPECT_TRUE(results->isWindow());
    EXPECT_EQ(results->parentWidget(), nullptr);  // no owner
    EXPECT_FALSE(results->isModal());

    CalculationState state;
    ResultsPage expected;
    ASSERT_FALSE(RunCalculation(form, state, expected).has_value());
    ExpectShows(results, expected);
    EXPECT_EQ(results->Page().lblName, "ASHA");
    EXPECT_EQ(results->Page().lblCity, "New Delhi");
}

TEST(ResultsWindow, BackThenASecondQueryShowsOnlyTheSecond) {
    ProgramFixture p;
    Enter(p, kDelhi);
    const InputForm first = p.window->ReadForm();
    QPointer<frmDisplay> firstWindow = Calculate(p);
    ASSERT_FALSE(firstWindow.isNull());

    QTest::mouseClick(firstWindow->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
    ProcessDeferredDeletes();
    EXPECT_TRUE(firstWindow.isNull());  // destroyed
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_EQ(p.window->ResultsWindow(), nullptr);
    EXPECT_EQ(p.quitCalls, 0);
    // Every entry as it was.
    const InputForm back = p.window->ReadForm();
    EXPECT_EQ(back.txtName, first.txtName);
    EXPECT_EQ(back.txtZoneHour, first.txtZoneHour);
    EXPECT_EQ(back.cboYear, first.cboYear);
    EXPECT_EQ(back.cboMM, first.cboMM);
    EXPECT_EQ(back.optLong, first.optLong);

    Enter(p, kLima);
    const InputForm second = p.window->ReadForm();
    frmDisplay* results = Calculate(p);
    ASSERT_NE(results, nullptr);
    EXPECT_FALSE(p.window->isVisible());

    // The same two runs on the core alone, in the same order: the shared
    // state carries over from the first run to the second.
    CalculationState state;
    ResultsPage page1;
    ResultsPage page2;
    ASSERT_FALSE(RunCalculation(first, state, page1).has_value());
    ASSERT_FALSE(RunCalculation(second, state, page2).has_value());
    ExpectShows(results, page2);
    EXPECT_NE(page1.lblName, page2.lblName);
    EXPECT_EQ(results->Page().lblLatitude, page2.lblLatitude);

    // Back by the menu works the same.
    results->findChild<QAction*>("mnuBack")->trigger();
    ProcessDeferredDeletes();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_EQ(p.quitCalls, 0);
}

TEST(ResultsWindow, ExitOrTheCloseBoxEndsTheProgram) {
    enum class Way { Button, Menu, CloseBox };
    for (const Way way : {Way::Button, Way::Menu, Way::CloseBox}) {
        ProgramFixture p;
        Enter(p, kDelhi);
        QPointer<frmDisplay> results = Calculate(p);
        ASSERT_FALSE(results.isNull());
        switch (way) {
            case Way::Button: QTest::mouseClick(results->findChild<QPushButton*>("cmdExit"), Qt::LeftButton); break;
            case Way::Menu: results->findChild<QAction*>("mnuExit")->trigger(); break;
            case Way::CloseBox: results->close(); break;
        }
        ProcessDeferredDeletes();
        EXPECT_EQ(p.quitCalls, 1) << static_cast<int>(way);
        EXPECT_TRUE(results.isNull()) << static_cast<int>(way);
        EXPECT_FALSE(p.window->isVisible()) << static_cast<int>(way);
        EXPECT_TRUE(p.messages.shown.empty());
    }
}

TEST(ResultsWindow, ClosingTheInputWindowAfterSeveralRunsEndsTheProgram) {
    ProgramFixture p;
    for (int i = 0; i < 3; ++i) {
        Enter(p, i % 2 == 0 ? kDelhi : kLima);
        frmDisplay* results = Calculate(p);
        ASSERT_NE(results, nullptr);
        results->cmdBack_Click();
        ProcessDeferredDeletes();
    }
    p.window->close();
    EXPECT_EQ(p.quitCalls, 1);
}

// The nakshatra's times and signs sit under the tab's first controls, which
// keep their places; the line about the short series shows only when it has
// something to say, and then fits without scrolling; nothing new takes a Tab
// stop, so the keyboard order stays as it was.
TEST(ResultsWindow, NakshatraRowsBelowTheFirstControls) {
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    frmDisplay window(services, [] {});
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QWidget* tab = window.Tabs()->widget(1);
    window.Tabs()->setCurrentIndex(1);

    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    window.SetPage(page);
    QTest::qWait(10);
    auto* text = tab->findChild<QPlainTextEdit*>("txtMoreAboutNakshatra");
    auto* name = tab->findChild<QLabel*>("lblNakshatra");
    ASSERT_NE(text, nullptr);
    ASSERT_NE(name, nullptr);
    const QPoint nameAt = name->mapTo(tab, QPoint(0, 0));
    const int textBottom = text->mapTo(tab, QPoint(0, text->height())).y();
    int above = textBottom;
    for (const char* row : {"lblNakshatraTime", "lblPada", "lblPadaTime", "lblMoonSign", "lblMoonSignTime",
                            "lblSunSign"}) {
        auto* label = tab->findChild<QLabel*>(row);
        ASSERT_NE(label, nullptr) << row;
        EXPECT_TRUE(label->isVisible()) << row;
        EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus) << row;  // a click selects, Tab passes by
        const int y = label->mapTo(tab, QPoint(0, 0)).y();
        EXPECT_GT(y, textBottom) << row;
        EXPECT_GE(y, above) << row;  // top to bottom in the tab's order
        above = y;
    }
    EXPECT_EQ(tab->findChild<QLabel*>("lblSyllable")->text(), "Li");
    EXPECT_EQ(tab->findChild<QLabel*>("lblMoonSign")->text(), "Mesha (Aries)");
    auto* note = tab->findChild<QLabel*>("lblNakshatraNote");
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isVisible());

    const QSize size = window.size();
    page.lblNakshatraNote = "Times for Poorva Bhadrapada: the short lunar series already gives Uttara Bhadrapada, "
                            "which the full lunar theory reaches at 28.12.2050 23:59.";
    window.SetPage(page);
    QTest::qWait(10);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(name->mapTo(tab, QPoint(0, 0)), nameAt);  // the first rows stay where they were
    const int noteY = note->mapTo(tab, QPoint(0, 0)).y();
    EXPECT_GT(noteY, tab->findChild<QLabel*>("lblNakshatraTime")->mapTo(tab, QPoint(0, 0)).y());
    EXPECT_LT(noteY, tab->findChild<QLabel*>("lblPada")->mapTo(tab, QPoint(0, 0)).y());
    auto* area = window.findChild<QScrollArea*>("scrollArea");
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    // The whole line shows: it wraps inside the tab.
    EXPECT_LE(note->mapTo(tab, QPoint(note->width(), 0)).x(), tab->width());
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_EQ(window.Page().lblNakshatraNote, page.lblNakshatraNote);
}
