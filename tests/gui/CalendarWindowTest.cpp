#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "PdfText.h"
#include "calendar/CalendarDays.h"
#include "WorkedExamples.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"
#include "gui/ScreenFit.h"
#include "results/gui/ReportActions.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class AnsweringDialogs : public ReportDialogs {
public:
    std::optional<QString> SaveFileName(QWidget*, const QString& suggested) override {
        offered.push_back(suggested);
        return saveAs;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override {
        printDocName = printer.docName();
        if (!printTo) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printTo);
        return true;
    }
    std::optional<QString> saveAs;
    std::optional<QString> printTo;
    std::vector<QString> offered;
    QString printDocName;
};

class OnePlaceDirectory : public PlaceDirectory {
public:
    std::vector<Place> Find(const PlaceQuery& query, std::size_t) const override {
        if (query.city.empty() || std::string("Pune").rfind(query.city, 0) != 0) return {};
        Place pune;
        pune.name = "Pune";
        pune.state = "Maharashtra";
        pune.country = "India";
        pune.zoneId = "Asia/Kolkata";
        pune.latitude = 18.51957;
        pune.longitude = 73.85535;
        return {pune};
    }
};

// The days of India's one clock, whatever place is asked for.
MonthGrid IndianMonth(int year, int month, const CalendarPlace& place) {
    static const FixedZone india(5.5);
    return BuildMonthGrid(year, month, Observer{place.latitude, place.longitude, 0}, india);
}

CalendarPlace Pune() {
    CalendarPlace place;
    place.label = "Pune, Maharashtra, India";
    place.latitude = 18.51957;
    place.longitude = 73.85535;
    place.zoneId = "Asia/Kolkata";
    return place;
}

class CalendarWindow : public ::testing::Test {
protected:
    CalendarWindow()
        : end([] {}), services{state, messages, urls, end} {
        services.places = &places;
        services.reportDialogs = &dialogs;
        window = new frmCalendar(
            services, IndianMonth,
            [this](const CalendarDate& date, const CalendarPlace& place) { opened.push_back({date, place.label}); });
        window->ShowMonth({2026, 5, 14}, Pune());
        FitToScreen(window);
        window->show();
        QApplication::setActiveWindow(window);
    }
    ~CalendarWindow() override {
        window->close();
        ProcessDeferredDeletes();
    }

    template <typename T>
    T* Child(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    std::pair<int, int> Shown() const { return {window->View()->Grid().year, window->View()->Grid().month}; }

    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end;
    WindowServices services;
    OnePlaceDirectory places;
    AnsweringDialogs dialogs;
    frmCalendar* window = nullptr;
    std::vector<std::pair<CalendarDate, std::string>> opened;
};

TEST_F(CalendarWindow, ButtonsAndKeysMoveByMonthAndYear) {
    EXPECT_EQ(Shown(), std::make_pair(2026, 5));
    EXPECT_EQ(Child<QComboBox>("cboCalMonth")->currentText(), QStringLiteral("May"));
    QTest::mouseClick(Child<QPushButton>("cmdNextMonth"), Qt::LeftButton);
    EXPECT_EQ(Shown(), std::make_pair(2026, 6));
    QTest::mouseClick(Child<QPushButton>("cmdPrevYear"), Qt::LeftButton);
    EXPECT_EQ(Shown(), std::make_pair(2025, 6));
    QTest::mouseClick(Child<QPushButton>("cmdNextYear"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("cmdPrevMonth"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("cmdPrevMonth"), Qt::LeftButton);
    EXPECT_EQ(Shown(), std::make_pair(2026, 4));

    MonthView* view = window->View();
    view->setFocus();
    view->Select({2026, 4, 30});
    QTest::keyClick(view, Qt::Key_Right);  // past the month's last day
    EXPECT_EQ(Shown(), std::make_pair(2026, 5));
    EXPECT_EQ(view->Selected(), (CalendarDate{2026, 5, 1}));
    EXPECT_TRUE(view->hasFocus());
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(view->Selected(), (CalendarDate{2026, 4, 24}));
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(view->Selected(), (CalendarDate{2026, 5, 24}));
    QTest::keyClick(view, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Shown(), std::make_pair(2025, 5));
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->Selected(), (CalendarDate{2025, 5, 31}));
    QTest::keyClick(view, Qt::Key_Right, Qt::AltModifier);  // Go > Next Month
    EXPECT_EQ(Shown(), std::make_pair(2025, 6));

    Child<QSpinBox>("spnCalYear")->setValue(2050);
    Child<QComboBox>("cboCalMonth")->setCurrentIndex(11);
    EXPECT_EQ(Shown(), std::make_pair(2050, 12));
    QTest::mouseClick(Child<QPushButton>("cmdNextMonth"), Qt::LeftButton);  // the last month stays
    QTest::mouseClick(Child<QPushButton>("cmdNextYear"), Qt::LeftButton);
    EXPECT_EQ(Shown(), std::make_pair(2050, 12));
}

TEST_F(CalendarWindow, EnterOrADoubleClickOpensTheDayAtThePlace) {
    MonthView* view = window->View();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Space);
    const QRect box = view->CellRect({2026, 5, 31});
    ASSERT_FALSE(box.isEmpty());
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, box.center());
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].first, (CalendarDate{2026, 5, 14}));
    EXPECT_EQ(opened[1].first, (CalendarDate{2026, 5, 13}));
    EXPECT_EQ(opened[2].first, (CalendarDate{2026, 5, 31}));
    EXPECT_EQ(opened[2].second, "Pune, Maharashtra, India");
}

TEST_F(CalendarWindow, ThePlaceIsChosenFromTheGazetteer) {
    window->ShowMonth({2026, 5, 1}, CalendarPlace{"18:31N 73:51E", 18.52, 73.85, "", 5.5});
    QLineEdit* box = Child<QLineEdit>("txtCalPlace");
    box->clear();
    QTest::keyClicks(box, "Pun");
    EXPECT_EQ(window->findChild<QCompleter*>()->model()->rowCount(), 1);
    QTest::keyClick(box, Qt::Key_Escape);  // close the offer, keep the text
    box->setText(QStringLiteral("Pune"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window->CurrentPlace().label, "Pune, Maharashtra, India");
    EXPECT_EQ(window->CurrentPlace().zoneId, "Asia/Kolkata");

    box->setText(QStringLiteral("Atlantis"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "No place called \u201CAtlantis\u201D was found.");
    EXPECT_EQ(box->text(), QStringLiteral("Pune, Maharashtra, India"));  // the place shown stays
}

TEST_F(CalendarWindow, SavesTheMonthAsOneLandscapePdf) {
    QTemporaryDir dir;
    dialogs.saveAs = dir.filePath(QStringLiteral("may.pdf"));
    Child<QAction>("mnuCalSavePdf")->trigger();
    ASSERT_EQ(dialogs.offered.size(), 1u);
    EXPECT_TRUE(dialogs.offered[0].endsWith(QStringLiteral("may-2026-pune.pdf")));
    const std::string path = dialogs.saveAs->toStdString();
    EXPECT_EQ(PdfPages(path), 1);
    const std::string size = PdfPageSize(path);
    const double width = std::stod(size);
    const double height = std::stod(size.substr(size.find('x') + 1));
    EXPECT_GT(width, height) << size;
    const std::string text = PdfText(path);
    for (const char* expected : {"May 2026", "Pune, Maharashtra, India", "Adhika Jyeshtha", "Sunday", "Saturday",
                                 "Krishna Ekadashi", "Shaka 1948"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }
    EXPECT_TRUE(messages.shown.empty());

    dialogs.printTo = dir.filePath(QStringLiteral("printed.pdf"));
    QTest::mouseClick(Child<QPushButton>("cmdCalPrint"), Qt::LeftButton);
    EXPECT_EQ(PdfPages(dialogs.printTo->toStdString()), 1);
    EXPECT_EQ(dialogs.printDocName, QStringLiteral("may-2026-pune"));
    EXPECT_NE(PdfText(dialogs.printTo->toStdString()).find("Adhika Jyeshtha"), std::string::npos);

    dialogs.saveAs = dir.filePath(QStringLiteral("no-such-folder/may.pdf"));
    Child<QAction>("mnuCalSavePdf")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
}

TEST_F(CalendarWindow, TabGoesLeftToRightTopToBottomAndTheGridShowsTheFocus) {
    Child<QLineEdit>("txtCalPlace")->setFocus();
    QStringList stops;
    for (int step = 0; step < 13; ++step) {
        stops << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The solar calendar's list sits on the bottom row, before the buttons.
    EXPECT_EQ(stops.join(QLatin1Char(' ')).toStdString(),
              "txtCalPlace cmdPrevYear cmdPrevMonth cboCalMonth spnCalYear cmdNextMonth cmdNextYear grdCalMonth "
              "cboSolarCalendar cmdCalPrint cmdCalSavePdf cmdCalClose txtCalPlace");
    MonthView* view = window->View();
    view->setFocus();
    const QImage focused = view->grab().toImage();
    Child<QPushButton>("cmdCalPrint")->setFocus();
    EXPECT_NE(focused, view->grab().toImage());
}

TEST(CalendarFromTheProgram, OpensOnTheEnteredMonthAndADateOpensItsResultsJustAfterSunrise) {
    ProgramFixture p;
    p.window->WriteForm(Delhi1987());
    p.Child<QAction>("mnuCalendar")->trigger();
    frmCalendar* calendar = p.window->CalendarWindow();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->View()->Grid().year, 1987);
    EXPECT_EQ(calendar->View()->Grid().month, 8);
    EXPECT_EQ(calendar->View()->Selected(), (CalendarDate{1987, 8, 15}));
    EXPECT_EQ(calendar->CurrentPlace().label, "New Delhi, Delhi, India");
    EXPECT_DOUBLE_EQ(calendar->CurrentPlace().offsetHours, 5.5);
    EXPECT_DOUBLE_EQ(calendar->CurrentPlace().longitude, 77 + 13 / 60.0);

    // 20 August 1987 at New Delhi: sunrise 00:22:37.9 UT (swetest -rise,
    // 28.6N 77.2167E), 05:52:38 on the clock; the results are for 05:53.
    calendar->View()->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(calendar->View(), Qt::Key_Right);
    QTest::keyClick(calendar->View(), Qt::Key_Return);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    // The results are for that moment; the input window keeps what was typed.
    const ResultsPage shown = results->Page();
    EXPECT_EQ(shown.lblDOB, "August/20/1987");
    EXPECT_EQ(shown.lblTOB, "5:53");
    EXPECT_EQ(shown.lblName, "ASHA");
    EXPECT_EQ(shown.lblLongitude.substr(0, 4), "77\u00B0");
    EXPECT_TRUE(p.window->ReadForm() == Delhi1987());
    EXPECT_EQ(results->Tabs()->tabText(results->Tabs()->currentIndex()), QStringLiteral("Day"));

    // The results window opens the calendar too, on the entered date.
    auto* item = results->findChild<QAction*>("mnuCalendar");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(p.window->CalendarWindow(), calendar);  // the one window, moved to the date
    EXPECT_EQ(calendar->View()->Selected(), (CalendarDate{1987, 8, 20}));
    calendar->close();
    ProcessDeferredDeletes();
}

TEST(CalendarFromTheProgram, AnotherPlaceWritesItsBoxesAndItsZoneOnThatDate) {
    CalendarPlace london;
    london.label = "London, England, United Kingdom";
    london.city = "London";
    london.state = "England";
    london.country = "United Kingdom";
    london.latitude = 51.50853;
    london.longitude = -0.12574;
    london.zoneId = "Europe/London";
    // 1 July 2026: British summer time; sunrise 03:47:40 UT (swetest -rise), 04:47:40 on the clock.
    const InputForm form = FormForCalendarDay(Delhi1987(), {2026, 7, 1}, london, false);
    EXPECT_EQ(form.txtMCity, "London");
    EXPECT_EQ(form.txtLatD, "51");
    EXPECT_EQ(form.optLong, 1);
    EXPECT_EQ(form.txtZoneHour, "0");
    EXPECT_EQ(form.chkDST, 1);
    EXPECT_EQ(form.cboHH, 4);
    EXPECT_EQ(form.cboMM, 48);
    EXPECT_EQ(form.cboYear, 2026 - 1901);
}

// Also run at twice the scale on 1280x800 and 1280x1024 (CMakeLists.txt).
TEST(ScreenFit, TheCalendarWindowFitsTheFreeArea) {
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    auto* window = new frmCalendar(services, IndianMonth, {});
    window->ShowMonth({2026, 8, 1}, Pune());  // six rows of weeks
    FitToScreen(window);
    window->show();
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " on "
        << available.width() << "x" << available.height();
    auto* area = window->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    ASSERT_NE(area, nullptr);
    // The grid's type never shrinks below 8 points: a screen too small for
    // every box whole scrolls to it instead of squeezing it.
    MonthView* view = window->View();
    QApplication::processEvents();
    EXPECT_GE(view->height(), view->minimumHeight());
    EXPECT_GE(view->width(), view->minimumSizeHint().width());
    const QSize viewport = area->viewport()->size();
    EXPECT_EQ(area->verticalScrollBar()->maximum() > 0, area->widget()->height() > viewport.height());
    EXPECT_EQ(area->horizontalScrollBar()->maximum() > 0, area->widget()->width() > viewport.width());
    if (available.width() >= 1200 && available.height() >= 1000) {
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
    }
    window->close();
    ProcessDeferredDeletes();
}

}  // namespace
