// The day in full in the windows: the Day tab's pages (Choghadiya, Hora,
// Gowri, Year) after a run, reached from the keyboard; the month calendar's
// solar date setting (Tamil by default for a place in Tamil Nadu) and the
// person's tarabalam marks in what it draws and prints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "calendar/gui/CalendarLauncher.h"
#include "calendar/gui/frmCalendar.h"
#include "gui/ScreenFit.h"
#include "gui/Translation.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// New Delhi, 15 August 1987 (a Saturday), 10:30, zone 5:30.
frmDisplay* Delhi1987(ProgramFixture& p) {
    auto type = [&](const char* box, const char* text) {
        p.Child<QLineEdit>(box)->clear();
        QTest::keyClicks(p.Child<QLineEdit>(box), QString::fromUtf8(text));
    };
    auto pick = [&](const char* list, const char* text) {
        auto* box = p.Child<QComboBox>(list);
        box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
    };
    type("txtName", "asha");
    type("txtMCity", "New Delhi");
    type("txtLatD", "28");
    type("txtLatM", "36");
    type("txtLonD", "77");
    type("txtLonM", "13");
    type("txtZoneHour", "5");
    type("txtZoneMinute", "30");
    pick("cboMonth", "August");
    pick("cboDate", "15");
    pick("cboYear", "1987");
    pick("cboHH", "10");
    pick("cboMM", "30");
    QTest::mouseClick(p.Child<QRadioButton>("optLat0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QRadioButton>("optLong0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    return p.window->ResultsWindow();
}

QString Shown(const QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

MonthGrid NoMonth(int, int, const CalendarPlace&) { return {}; }

}  // namespace

TEST(DayInFullWindow, TheDayTabsPagesAfterARun) {
    ProgramFixture p;
    frmDisplay* results = Delhi1987(p);
    ASSERT_NE(results, nullptr);
    auto* parts = results->findChild<QTabWidget*>(QStringLiteral("tabDayParts"));
    ASSERT_NE(parts, nullptr);
    ASSERT_EQ(parts->count(), 6);  // the day's elements with their spans last
    EXPECT_EQ(parts->tabText(0), "Day");
    EXPECT_EQ(parts->tabText(1), "Choghadiya");
    EXPECT_EQ(parts->tabText(4), "Year");
    EXPECT_EQ(parts->tabText(5), "Elements");
    // A Saturday: Saturn rules the first hour, Kaal the first choghadiya (bad),
    // Soram the first Gowri part; the night's first choghadiya is Labh.
    EXPECT_EQ(Shown(results, "lblChoghadiyaDay1Name"), "Kaal");
    EXPECT_EQ(Shown(results, "lblChoghadiyaDay1Quality"), "bad");
    EXPECT_EQ(Shown(results, "lblChoghadiyaNight1Name"), "Labh");
    EXPECT_EQ(Shown(results, "lblHoraDay1Name"), "Saturn");
    EXPECT_EQ(Shown(results, "lblHoraNight12Name").isEmpty(), false);
    EXPECT_EQ(Shown(results, "lblGowriDay1Name"), "Soram");
    // The day's first choghadiya begins at its sunrise (the Day page's).
    EXPECT_EQ(Shown(results, "lblSunrise").mid(11, 5), Shown(results, "lblChoghadiyaDay1Span").left(5));
    // Saturday's durmuhurtas are the first two muhurtas of daytime.
    EXPECT_TRUE(Shown(results, "lblDurmuhurta").startsWith(Shown(results, "lblChoghadiyaDay1Span").left(5)))
        << Shown(results, "lblDurmuhurta").toStdString();
    // The moment's own nakshatra is the person's: Janma from its start.
    EXPECT_TRUE(Shown(results, "lblTarabalam").contains("Janma (good)")) << Shown(results, "lblTarabalam").toStdString();
    EXPECT_TRUE(Shown(results, "lblBengaliDate").startsWith("Shrabon ")) << Shown(results, "lblBengaliDate").toStdString();

    // From the keyboard: to the Day tab, then along its pages.
    QTabWidget* tabs = results->Tabs();
    tabs->setCurrentIndex(5);
    parts->tabBar()->setFocus();
    QTest::keyClick(parts->tabBar(), Qt::Key_Right);
    EXPECT_EQ(parts->currentIndex(), 1);
}

TEST(DayInFullWindow, TheCalendarsSolarDateAndPersonMarks) {
    CalculationState state;
    RecordingMessageBoxes messages;
    RecordingUrlOpener urls;
    ProgramEnd end([] {});
    WindowServices services{state, messages, urls, end};
    auto* window = new frmCalendar(services, NoMonth, {});
    CalendarPlace chennai;
    chennai.label = "Chennai, Tamil Nadu, India";
    chennai.latitude = 13.0878;
    chennai.longitude = 80.2785;
    chennai.zoneId = "Asia/Kolkata";
    chennai.state = "Tamil Nadu";
    window->ShowMonth({2026, 12, 7}, chennai);
    auto* solar = window->findChild<QComboBox*>(QStringLiteral("cboSolarCalendar"));
    ASSERT_NE(solar, nullptr);
    EXPECT_EQ(solar->currentText(), "Tamil");
    EXPECT_EQ(window->View()->Drawing().solarCalendar, 0);
    CalendarPlace pune = chennai;
    pune.label = "Pune, Maharashtra, India";
    pune.state = "Maharashtra";
    window->ShowMonth({2026, 12, 7}, pune);
    EXPECT_EQ(solar->currentText(), "None");
    EXPECT_EQ(window->View()->Drawing().solarCalendar, -1);
    // Chosen by the user, it stays whatever the place.
    solar->setCurrentIndex(3);
    emit solar->activated(3);
    EXPECT_EQ(window->View()->Drawing().solarCalendar, 2);
    window->ShowMonth({2026, 12, 7}, chennai);
    EXPECT_EQ(window->View()->Drawing().solarCalendar, 2);
    EXPECT_FALSE(window->View()->Drawing().birthNakshatra);
    window->SetPerson(4, 1);
    EXPECT_EQ(window->View()->Drawing().birthNakshatra, 4);
    EXPECT_EQ(window->View()->Drawing().birthMoonSign, 1);
    window->close();
    ProcessDeferredDeletes();
}

// The pages in Hindi and Tamil: the captions from the translations, the
// names and words from the name tables; back in English as they were.
TEST(DayInFullWindow, ThePagesInEveryLanguage) {
    ProgramFixture p;
    frmDisplay* results = Delhi1987(p);
    ASSERT_NE(results, nullptr);
    auto* parts = results->findChild<QTabWidget*>(QStringLiteral("tabDayParts"));
    ASSERT_NE(parts, nullptr);
    struct Case {
        Language language;
        const char* tab;          // the Choghadiya page's caption
        const char* first;        // Saturday's first choghadiya, Kaal
        const char* quality;      // bad
        const char* hora;         // Saturn
        const char* gowri;        // Soram
        const char* caption;      // capTarabalam
    };
    const Case cases[] = {
        {Language::Hindi, "चौघड़िया", "काल", "अशुभ", "शनि", "चोरम्", "ताराबल"},
        {Language::Tamil, "சௌகடியா", "காலம்", "தீயது", "சனி", "சோரம்", "தாரா பலம்"},
        {Language::English, "Choghadiya", "Kaal", "bad", "Saturn", "Soram", "Tarabalam"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(LanguageSwitch::Of()->Switch(c.language));
        EXPECT_EQ(parts->tabText(1), QString::fromUtf8(c.tab));
        EXPECT_EQ(Shown(results, "lblChoghadiyaDay1Name"), QString::fromUtf8(c.first));
        EXPECT_EQ(Shown(results, "lblChoghadiyaDay1Quality"), QString::fromUtf8(c.quality));
        EXPECT_EQ(Shown(results, "lblHoraDay1Name"), QString::fromUtf8(c.hora));
        EXPECT_EQ(Shown(results, "lblGowriDay1Name"), QString::fromUtf8(c.gowri));
        EXPECT_EQ(Shown(results, "capTarabalam"), QString::fromUtf8(c.caption));
        // The year's names too: no English word left in the Year page's values.
        if (c.language != Language::English) {
            for (const char* name : {"lblSamvatsara", "lblRituAyana", "lblTamilDate", "lblBengaliDate", "lblTarabalam",
                                     "lblChandrabalam", "lblVarjyam"}) {
                EXPECT_FALSE(Shown(results, name).contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))))
                    << name << ": " << Shown(results, name).toStdString();
            }
        }
    }
}
