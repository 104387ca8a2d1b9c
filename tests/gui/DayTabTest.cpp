// The Day tab: the sixth tab after the five that were there, filled from the
// run's moment; the previous date's day for a moment before sunrise; the same
// values in the report that is printed, saved and copied. Rise and set times
// against swetest (-rise, New Delhi 28°36'N 77°13'E).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <string>

#include "GuiTestSupport.h"
#include "results/DayTab.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void Pick(ProgramFixture& p, const char* list, const char* text) {
    auto* box = p.Child<QComboBox>(list);
    const int at = box->findText(QString::fromUtf8(text));
    ASSERT_GE(at, 0) << list << " " << text;
    box->setCurrentIndex(at);
}

// New Delhi, 15 August 1987, zone 5:30, at the given clock time.
frmDisplay* DelhiAt(ProgramFixture& p, const char* hour, const char* minute, const char* month = "August",
                    const char* date = "15", const char* year = "1987") {
    for (const char* box : {"txtName", "txtMCity", "txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneHour",
                            "txtZoneMinute"}) {
        p.Child<QLineEdit>(box)->clear();
    }
    QTest::keyClicks(p.Child<QLineEdit>("txtName"), "asha");
    QTest::keyClicks(p.Child<QLineEdit>("txtMCity"), "New Delhi");
    QTest::keyClicks(p.Child<QLineEdit>("txtLatD"), "28");
    QTest::keyClicks(p.Child<QLineEdit>("txtLatM"), "36");
    QTest::keyClicks(p.Child<QLineEdit>("txtLonD"), "77");
    QTest::keyClicks(p.Child<QLineEdit>("txtLonM"), "13");
    QTest::keyClicks(p.Child<QLineEdit>("txtZoneHour"), "5");
    QTest::keyClicks(p.Child<QLineEdit>("txtZoneMinute"), "30");
    Pick(p, "cboMonth", month);
    Pick(p, "cboDate", date);
    Pick(p, "cboYear", year);
    Pick(p, "cboHH", hour);
    Pick(p, "cboMM", minute);
    QTest::mouseClick(p.Child<QRadioButton>("optLat0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QRadioButton>("optLong0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    return p.window->ResultsWindow();
}

}  // namespace

TEST(DayTab, SixthTabShowsTheDayOfTheWorkedExample) {
    ProgramFixture p;
    frmDisplay* results = DelhiAt(p, "10", "30");
    ASSERT_NE(results, nullptr);
    QTabWidget* tabs = results->Tabs();
    ASSERT_EQ(tabs->count(), 7);  // the Chart tab follows (ChartTabTest.cpp)
    EXPECT_EQ(tabs->tabText(5), "Day");
    auto* frame = tabs->widget(5)->findChild<QGroupBox*>(QStringLiteral("fraDay"));
    ASSERT_NE(frame, nullptr);
    for (const DayTabRow& row : DayTabRows) {
        EXPECT_NE(frame->findChild<QLabel*>(QString::fromUtf8(row.control.data(), row.control.size())), nullptr)
            << row.control;
    }
    EXPECT_EQ(LabelText(results, "lblHinduDay"), "Saturday, 15 August 1987, sunrise to sunrise");
    // swetest: sunrise 15.08.1987 00:19:56.8 UT = 05:49:57 IST, sunset 13:31:04.7 UT = 19:01:05,
    // moonset 06:20:09.2 UT = 11:50:09, moonrise 17:18:18.5 UT = 22:48:19.
    EXPECT_TRUE(LabelText(results, "lblSunrise").startsWith("15.08.1987 05:"));
    EXPECT_NEAR(ClockSeconds(LabelText(results, "lblSunrise")), 5 * 3600 + 49 * 60 + 57, 30);
    EXPECT_NEAR(ClockSeconds(LabelText(results, "lblSunset")), 19 * 3600 + 1 * 60 + 5, 30);
    EXPECT_NEAR(ClockSeconds(LabelText(results, "lblMoonset")), 11 * 3600 + 50 * 60 + 9, 60);
    EXPECT_NEAR(ClockSeconds(LabelText(results, "lblMoonrise")), 22 * 3600 + 48 * 60 + 19, 60);
    // 10:30 is 4 h 40 min after a 05:49:5x sunrise: 11 ghatis 40 palas, give or take a pala.
    EXPECT_TRUE(LabelText(results, "lblIshtakala").startsWith("11 ghatis 4")) << LabelText(results, "lblIshtakala").toStdString();
    // Saturday: Rahu kalam the 3rd eighth of daytime, about 09:08 to 10:47.
    EXPECT_TRUE(LabelText(results, "lblRahuKalam").startsWith("09:0")) << LabelText(results, "lblRahuKalam").toStdString();
    // Krishna Saptami of amanta Shravana (purnimanta Bhadrapada), Shaka 1909.
    EXPECT_EQ(LabelText(results, "lblLunarMonth"), "Shravana (amanta), Bhadrapada (purnimanta), Krishna paksha");
    EXPECT_EQ(LabelText(results, "lblYears"), "Shaka 1909, Vikram 2044");
    EXPECT_FALSE(results->findChild<QLabel*>(QStringLiteral("lblDayNote"))->isVisibleTo(results));
    EXPECT_FALSE(results->findChild<QLabel*>(QStringLiteral("lblEclipse"))->isVisibleTo(results));

    // The report carries the same values in a "Day" section after the five.
    const Report report = results->CurrentReport();
    ASSERT_EQ(report.elements.size(), 6u);
    EXPECT_EQ(report.elements[5].title, "Day");
    bool sunrise = false;
    for (const ReportField& f : report.elements[5].below) {
        if (f.caption == "Sunrise") sunrise = f.value == LabelText(results, "lblSunrise").toStdString();
    }
    EXPECT_TRUE(sunrise);
    EXPECT_NE(ReportPlainText(report).find("\nDay\n  Hindu Day"), std::string::npos);
}

TEST(DayTab, AMomentBeforeSunriseShowsTheDayBeforeAndSaysSo) {
    ProgramFixture p;
    frmDisplay* results = DelhiAt(p, "5", "0");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(LabelText(results, "lblHinduDay"),
              "Friday, 14 August 1987: the entered time is before sunrise on 15 August, so it belongs to the day "
              "before");
    EXPECT_TRUE(LabelText(results, "lblSunrise").startsWith("14.08.1987 05:")) << LabelText(results, "lblSunrise").toStdString();
    EXPECT_TRUE(LabelText(results, "lblNextSunrise").startsWith("15.08.1987 05:"));
    // From about 05:49 on the 14th to 05:00 on the 15th: 23 h 10 min, 57 ghatis 55 palas or so.
    EXPECT_TRUE(LabelText(results, "lblIshtakala").startsWith("57 ghatis")) << LabelText(results, "lblIshtakala").toStdString();
    // The Vaar tab keeps the weekday of the entered date, as before.
    EXPECT_EQ(LabelText(results, "lblDay"), "Saturday");
}

TEST(DayTab, ReachedFromTheKeyboard) {
    ProgramFixture p;
    frmDisplay* results = DelhiAt(p, "10", "30");
    ASSERT_NE(results, nullptr);
    QTabWidget* tabs = results->Tabs();
    tabs->setFocus();
    ASSERT_EQ(tabs->currentIndex(), 0);
    for (int i = 0; i < 5; ++i) QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 5);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Day");
}

// 3 March 2026, 18:00 at New Delhi: the day of the total lunar eclipse, which
// rises over India in its partial phase (NASA: umbra left at 13:17:10 UT, i.e.
// 18:47 IST); the eclipse's row shows, and goes again for a day without one.
TEST(DayTab, EclipseRowOnTheDayOfTheLunarEclipse) {
    ProgramFixture p;
    frmDisplay* results = DelhiAt(p, "18", "0", "March", "3", "2026");
    ASSERT_NE(results, nullptr);
    results->Tabs()->setCurrentIndex(5);
    const QString eclipse = LabelText(results, "lblEclipse");
    EXPECT_TRUE(eclipse.startsWith("Total lunar eclipse (Chandra Grahan), visible in part: partial eclipse ends 18:47:"))
        << eclipse.toStdString();
    EXPECT_TRUE(results->findChild<QLabel*>(QStringLiteral("lblEclipse"))->isVisibleTo(results));
    bool reported = false;
    const Report report = results->CurrentReport();
    ASSERT_EQ(report.elements.size(), 6u);
    for (const ReportField& f : report.elements[5].below) {
        reported = reported || (f.caption == "Eclipse" && f.value == eclipse.toStdString());
    }
    EXPECT_TRUE(reported) << "the report's Day section carries the eclipse";
}
