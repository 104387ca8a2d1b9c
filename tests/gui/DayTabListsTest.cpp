// The Day tab lists every tithi, nakshatra, yoga and karana of the day with
// its span, and the sankranti; long texts wrap rather than being cut; a
// moment before sunrise explains the Vaar tab's weekday beside the Hindu day.
// Reference moments from swetest (elongation Moon − Sun; -sid1 for the
// sidereal Sun), on India's clock.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QTabWidget>

#include <string>

#include "GuiTestSupport.h"
#include "WorkedExamples.h"
#include "results/DayTab.h"

using namespace velmora;
using namespace velmora::test;

namespace {

InputForm At(int year, int month, int day, int hour, int minute, const char* latD, const char* latM, int south,
             const char* lonD, const char* lonM, const char* zoneHour, const char* zoneMinute) {
    InputForm f = Delhi1987();
    f.cboYear = year - 1901;
    f.cboMonth = month - 1;
    f.cboDate = day - 1;
    f.cboHH = hour;
    f.cboMM = minute;
    f.txtLatD = latD;
    f.txtLatM = latM;
    f.optLat = south;
    f.txtLonD = lonD;
    f.txtLonM = lonM;
    f.txtZoneHour = zoneHour;
    f.txtZoneMinute = zoneMinute;
    return f;
}

frmDisplay* RunForm(ProgramFixture& p, const InputForm& form) {
    p.window->WriteForm(form);
    p.window->cmdRashi_Click();
    return p.window->ResultsWindow();
}

// Seconds of the day of the "hh:mm:ss" after `marker` ("8 Dec ").
int SecondsAfter(const QString& text, const QString& marker) {
    const int at = text.indexOf(marker);
    if (at < 0) return -1;
    const QString clock = text.mid(at + marker.size(), 8);
    return clock.section(QLatin1Char(':'), 0, 0).toInt() * 3600 + clock.section(QLatin1Char(':'), 1, 1).toInt() * 60 +
           clock.section(QLatin1Char(':'), 2, 2).toInt();
}

}  // namespace

TEST(DayTabLists, EveryElementOfTheDayWithItsSpan) {
    ProgramFixture p;
    // Pune, 7 December 2026, 10:00 IST.
    frmDisplay* results = RunForm(p, At(2026, 12, 7, 10, 0, "18", "31", 0, "73", "51", "5", "30"));
    ASSERT_NE(results, nullptr);
    const QStringList tithis = LabelText(results, "lblDayTithis").split(QLatin1Char('\n'));
    ASSERT_EQ(tithis.size(), 2) << LabelText(results, "lblDayTithis").toStdString();
    EXPECT_TRUE(tithis[0].startsWith(QStringLiteral("Krishna Chaturdasi  "))) << tithis[0].toStdString();
    EXPECT_TRUE(tithis[1].startsWith(QStringLiteral("Ammavasai  "))) << tithis[1].toStdString();
    // Elongation 348° at 22:43:04 UT: 04:13:04 IST on the 8th, where the one
    // ends and the other begins.
    const int change = 4 * 3600 + 13 * 60 + 4;
    EXPECT_NEAR(SecondsAfter(tithis[0], QStringLiteral(" to 8 Dec ")), change, 60);
    EXPECT_NEAR(SecondsAfter(tithis[1], QStringLiteral("  8 Dec ")), change, 60);
    for (const char* list : {"lblDayNakshatras", "lblDayYogas", "lblDayKaranas"}) {
        const QStringList lines = LabelText(results, list).split(QLatin1Char('\n'));
        EXPECT_GE(lines.size(), 1) << list;
        for (const QString& line : lines) {
            EXPECT_THAT(line.toStdString(), ::testing::MatchesRegex("[A-Za-z ]+  [0-9]+ [A-Z][a-z][a-z] [0-9:]{8} to "
                                                                     "[0-9]+ [A-Z][a-z][a-z] [0-9:]{8}"))
                << list;
        }
    }
    // Two karanas a tithi: the day of two tithis has three or four.
    EXPECT_GE(LabelText(results, "lblDayKaranas").count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(LabelText(results, "lblSankranti").isEmpty());
    // The report carries the lists too.
    EXPECT_NE(ReportPlainText(results->CurrentReport()).find("Tithis"), std::string::npos);

    // 16 December: the sidereal Sun reaches 240° at 04:55:04 UT, 10:25:04 IST.
    results = RunForm(p, At(2026, 12, 16, 12, 0, "18", "31", 0, "73", "51", "5", "30"));
    ASSERT_NE(results, nullptr);
    const QString sankranti = LabelText(results, "lblSankranti");
    EXPECT_TRUE(sankranti.startsWith(QStringLiteral("Dhanu Sankranti  16 Dec "))) << sankranti.toStdString();
    EXPECT_NEAR(SecondsAfter(sankranti, QStringLiteral("16 Dec ")), 10 * 3600 + 25 * 60 + 4, 60);
}

// A polar date (Tromsø, 69°39'N, in the polar night) says "none (…)" where a
// kalam needs sunrise and sunset: every value of the tab is shown whole.
TEST(DayTabLists, LongTextsWrapInsteadOfBeingCut) {
    ProgramFixture p;
    frmDisplay* results = RunForm(p, At(2026, 12, 15, 12, 0, "69", "39", 0, "18", "57", "1", "0"));
    ASSERT_NE(results, nullptr);
    results->Tabs()->setCurrentIndex(5);
    results->resize(results->size());
    QApplication::processEvents();
    EXPECT_EQ(LabelText(results, "lblRahuKalam"), QStringLiteral("none (needs sunrise and sunset)"));
    for (const DayTabRow& row : DayTabRows) {
        auto* label = results->findChild<QLabel*>(QString::fromUtf8(row.control.data(), row.control.size()));
        ASSERT_NE(label, nullptr) << row.control;
        if (label->text().isEmpty() || !label->isVisibleTo(results)) continue;
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_TRUE(label->wordWrap()) << row.control;
        EXPECT_LE(needed.height(), label->height() + 1) << row.control << " " << label->text().toStdString();
        // No word wider than the label.
        for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")))) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->width()) << row.control;
        }
    }
}

TEST(DayTabLists, BeforeSunriseTheWeekdayOfVaarIsExplained) {
    ProgramFixture p;
    // New Delhi, 15 August 1987 (a Saturday) at 05:00, before its sunrise.
    frmDisplay* results = RunForm(p, At(1987, 8, 15, 5, 0, "28", "36", 0, "77", "13", "5", "30"));
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(LabelText(results, "lblDay"), QStringLiteral("Saturday"));
    EXPECT_TRUE(LabelText(results, "lblHinduDay").startsWith(QStringLiteral("Friday, 14 August 1987")));
    const QString note = LabelText(results, "lblDayNote");
    EXPECT_EQ(note.split(QLatin1Char('\n'))[0],
              QStringLiteral("Vaar gives Saturday, the weekday of the entered date; the Hindu day runs from sunrise "
                             "to sunrise, so before sunrise it is still Friday."));
    // After sunrise nothing needs saying.
    results = RunForm(p, At(1987, 8, 15, 10, 30, "28", "36", 0, "77", "13", "5", "30"));
    EXPECT_TRUE(LabelText(results, "lblDayNote").isEmpty());
}
