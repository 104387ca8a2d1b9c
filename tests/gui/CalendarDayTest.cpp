// A day opened from the month calendar: on the place's own clock as the
// calendar's cell is, without touching what the user typed, from a fresh
// window as well; and a name typed in any script.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <string>

#include "GuiTestSupport.h"
#include "WorkedExamples.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"
#include "places/lookup/SystemPlaces.h"

using namespace velmora;
using namespace velmora::test;

namespace {

CalendarPlace Zoned(const char* city, const char* country, double latitude, double longitude, const char* zone) {
    CalendarPlace place;
    place.city = city;
    place.country = country;
    place.label = std::string(city) + ", " + country;
    place.latitude = latitude;
    place.longitude = longitude;
    place.zoneId = zone;
    return place;
}

}  // namespace

// Places whose clock the input window's zone boxes cannot hold (west of
// Greenwich, clock ahead of it) and places they can: the Day tab opened from
// the calendar gives the zone database's clock, as the cell does. Sunrise from
// swetest -rise (upper limb, standard refraction).
TEST(CalendarDay, TheDayIsOnThePlacesOwnClockAsTheCellIs) {
    struct Case {
        CalendarPlace place;
        CalendarDate date;
        int sunriseUtSeconds;  // swetest, UT
        int offsetSeconds;     // the zone database's offset that day
        bool boxesHoldIt;
        const char* said;      // in the one box shown; empty: none
    };
    const Case cases[] = {
        // 04:56:37.0 UT, CEST: 06:56:37 (the fault showed 05:56:32).
        {Zoned("Madrid", "Spain", 40.4165, -3.70256, "Europe/Madrid"), {2026, 7, 14}, 4 * 3600 + 56 * 60 + 37, 7200,
         false, "the results are for a moment 1 hour later"},
        // 07:36:20.5 UT, CET in winter: 08:36:21 (zone 0:00 with the DST box holds UTC+1).
        {Zoned("Madrid", "Spain", 40.4165, -3.70256, "Europe/Madrid"), {2026, 1, 14}, 7 * 3600 + 36 * 60 + 21, 3600,
         true, "the box is ticked though no daylight saving was in force"},
        // 00:28:56.3 UT, IST: 05:58:56.
        {Zoned("Pune", "India", 18.51957, 73.85535, "Asia/Kolkata"), {2026, 5, 22}, 28 * 60 + 56, 19800, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place.label + " " + std::to_string(c.date.month));
        ProgramFixture p;
        p.window->WriteForm(Delhi1987());
        p.window->OpenCalendarDay(c.date, c.place);
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(results->Tabs()->tabText(results->Tabs()->currentIndex()), QStringLiteral("Day"));
        const QString sunrise = LabelText(results, "lblSunrise");
        const QString date = QStringLiteral("%1.%2.%3 ")
                                 .arg(c.date.day)
                                 .arg(c.date.month, 2, 10, QLatin1Char('0'))
                                 .arg(c.date.year);
        EXPECT_TRUE(sunrise.startsWith(date)) << sunrise.toStdString();
        EXPECT_NEAR(ClockSeconds(sunrise), c.sunriseUtSeconds + c.offsetSeconds, 30) << sunrise.toStdString();
        // The moment opened is the whole minute after sunrise (the fault: "1:00 after").
        EXPECT_THAT(LabelText(results, "lblIshtakala").toStdString(), ::testing::EndsWith("(0:00 after sunrise)"));
        // The cell of the same date says the same minute.
        const MonthGrid grid = ComputeCalendarMonth(c.date.year, c.date.month, c.place);
        const MonthCell* cell = CellOf(grid, c.date);
        ASSERT_NE(cell, nullptr);
        const int cellMinutes = std::stoi(cell->sunrise.substr(0, 2)) * 60 + std::stoi(cell->sunrise.substr(3, 2));
        EXPECT_NEAR(cellMinutes * 60, ClockSeconds(sunrise), 60) << cell->sunrise;
        // Where the boxes cannot hold the clock, the Day tab and a box say so,
        // once, in the words the City look-up uses.
        const std::string note = LabelText(results, "lblDayNote").toStdString();
        if (c.boxesHoldIt) {
            EXPECT_THAT(note, ::testing::Not(::testing::HasSubstr("cannot hold this clock")));
        } else {
            EXPECT_THAT(note, ::testing::HasSubstr("the clock of Europe/Madrid (UTC+2:00)"));
            EXPECT_THAT(note, ::testing::HasSubstr("cannot hold this clock"));
        }
        if (*c.said == '\0') {
            EXPECT_TRUE(p.messages.shown.empty());
        } else {
            ASSERT_EQ(p.messages.shown.size(), 1u);
            EXPECT_THAT(p.messages.shown[0].text, ::testing::HasSubstr(c.said));
            EXPECT_THAT(note, ::testing::HasSubstr(c.said));
            p.window->OpenCalendarDay(c.date, c.place);
            EXPECT_EQ(p.messages.shown.size(), 1u);  // not again for the same place and clock
        }
    }
}

// The calendar's day never replaces what the user typed: the input window
// keeps the entry while the day is shown and after Back.
TEST(CalendarDay, TheTypedEntryStaysAndBackFindsIt) {
    ProgramFixture p;
    InputForm typed = Delhi1987();
    typed.cboSS = 42;
    typed.chkDST = 1;
    p.window->WriteForm(typed);
    p.window->mnuCalendar_Click();
    frmCalendar* calendar = p.window->CalendarWindow();
    ASSERT_NE(calendar, nullptr);
    // Another place typed in the calendar's own box, then a date opened.
    const CalendarPlace madrid = Zoned("Madrid", "Spain", 40.4165, -3.70256, "Europe/Madrid");
    calendar->ShowMonth({2026, 7, 14}, madrid);
    calendar->View()->setFocus();
    QTest::keyClick(calendar->View(), Qt::Key_Return);
    frmDisplay* results = p.window->ResultsWindow();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->Page().lblDOB, "July/14/2026");
    EXPECT_EQ(results->Page().lblCity, "Madrid");
    EXPECT_EQ(results->Page().lblName, "ASHA");
    EXPECT_TRUE(p.window->ReadForm() == typed);
    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
    ProcessDeferredDeletes();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_TRUE(p.window->ReadForm() == typed);
    calendar->close();
    ProcessDeferredDeletes();
}

// With a fresh form (no name, no place, the lists at 1 January 1901) the
// calendar opens on today's date at the main city of the machine's zone, and a
// date opens its day without asking for a name.
TEST(CalendarDay, AFreshWindowOpensTodayAtTheMachinesCityAndADateNeedsNoName) {
    const std::unique_ptr<PlaceDirectory> places = OpenPlaceDirectory();
    if (!places) GTEST_SKIP() << "built without the gazetteer";
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    {
        ProgramFixture p;
        p.services.places = places.get();
        p.window->mnuCalendar_Click();
        frmCalendar* calendar = p.window->CalendarWindow();
        ASSERT_NE(calendar, nullptr);
        const QDate today = QDate::currentDate();
        EXPECT_EQ(calendar->View()->Selected(), (CalendarDate{today.year(), today.month(), today.day()}));
        EXPECT_EQ(calendar->CurrentPlace().city, "Kolkata");
        EXPECT_EQ(calendar->CurrentPlace().zoneId, "Asia/Kolkata");
        calendar->View()->setFocus();
        QTest::keyClick(calendar->View(), Qt::Key_Return);
        EXPECT_TRUE(p.messages.shown.empty()) << p.messages.shown[0].text;
        frmDisplay* results = p.window->ResultsWindow();
        ASSERT_NE(results, nullptr);
        EXPECT_TRUE(results->isVisible());
        EXPECT_EQ(results->Page().lblCity, "Kolkata");
        EXPECT_TRUE(p.window->ReadForm().txtName.empty());  // nothing written into the form
        // Closed and opened again from the same fresh form: the last place shown.
        calendar->ShowMonth({2026, 7, 14}, Zoned("Madrid", "Spain", 40.4165, -3.70256, "Europe/Madrid"));
        calendar->close();
        ProcessDeferredDeletes();
        p.window->mnuCalendar_Click();
        ASSERT_NE(p.window->CalendarWindow(), nullptr);
        EXPECT_EQ(p.window->CalendarWindow()->CurrentPlace().city, "Madrid");
        p.window->CalendarWindow()->close();
        ProcessDeferredDeletes();
    }
    if (savedZone.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", savedZone);
    }
}

TEST(CalendarDay, TheOpeningDateAndTheZonesMainCity) {
    const CalendarDate today{2026, 12, 7};
    InputForm fresh;
    EXPECT_EQ(CalendarOpeningDate(fresh, today), today);
    InputForm dated = fresh;
    dated.cboYear = 2000 - 1901;
    EXPECT_EQ(CalendarOpeningDate(dated, today), (CalendarDate{2000, 1, 1}));
    InputForm placed = fresh;
    placed.txtLatD = "28";
    EXPECT_EQ(CalendarOpeningDate(placed, today), (CalendarDate{1901, 1, 1}));
    EXPECT_EQ(CalendarOpeningDate(fresh, {2051, 1, 1}), (CalendarDate{1901, 1, 1}));  // outside the years

    const std::unique_ptr<PlaceDirectory> places = OpenPlaceDirectory();
    if (!places) GTEST_SKIP() << "built without the gazetteer";
    struct Case {
        const char* zone;
        const char* city;  // empty: none
    };
    const Case cases[] = {
        {"Europe/Madrid", "Madrid"},           {"Asia/Kolkata", "Kolkata"},
        {"America/New_York", "New York"}, {"America/Argentina/Buenos_Aires", "Buenos Aires"},
        {"Etc/UTC", ""},                       {"UTC", ""},
        {"", ""},                              {"Europe/", ""},
    };
    for (const Case& c : cases) {
        const std::optional<CalendarPlace> city = MainCityOfZone(*places, c.zone);
        if (*c.city == '\0') {
            EXPECT_FALSE(city.has_value()) << c.zone;
        } else {
            ASSERT_TRUE(city.has_value()) << c.zone;
            EXPECT_EQ(city->city, c.city) << c.zone;
            EXPECT_EQ(city->zoneId, c.zone);
        }
    }
}

// "आशा" typed key by key is taken as it is when pasted; a digit still is not.
TEST(NameBox, LettersOfEveryScriptAreTakenWhenTyped) {
    ProgramFixture p;
    auto* name = p.Child<QLineEdit>("txtName");
    name->setFocus();
    // Key by key, as a keyboard layout of the script sends them (QTest's
    // own typing knows Latin keys only).
    const auto type = [name](const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &release);
        }
    };
    for (const char* typed : {"आशा", "ஆஷா", "José"}) {
        name->clear();
        type(QString::fromUtf8(typed));
        EXPECT_EQ(name->text().toStdString(), typed == std::string("José") ? "JOSé" : typed);
    }
    EXPECT_TRUE(p.messages.shown.empty());
    QTest::keyClicks(name, QStringLiteral("7"));
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].text, "Please Enter only Letters");
}
