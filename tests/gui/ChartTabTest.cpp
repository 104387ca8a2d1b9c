// The Chart tab: the seventh tab after the six that were there, filled from
// the run's moment; the style and the node chosen there hold for the rest of
// the run; the charts are drawn; the chart goes into the report that is
// printed, saved and copied. Positions against swetest 2.10 (Lahiri,
// 1987-08-15 05:00 UT, 28°36′ N 77°13′ E).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "results/gui/ChartTab.h"

using namespace velmora;
using namespace velmora::test;

namespace {

void Pick(ProgramFixture& p, const char* list, const char* text) {
    auto* box = p.Child<QComboBox>(list);
    const int at = box->findText(QString::fromUtf8(text));
    ASSERT_GE(at, 0) << list << " " << text;
    box->setCurrentIndex(at);
}

frmDisplay* Delhi1987(ProgramFixture& p) {
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
    Pick(p, "cboMonth", "August");
    Pick(p, "cboDate", "15");
    Pick(p, "cboYear", "1987");
    Pick(p, "cboHH", "10");
    Pick(p, "cboMM", "30");
    QTest::mouseClick(p.Child<QRadioButton>("optLat0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QRadioButton>("optLong0"), Qt::LeftButton);
    QTest::mouseClick(p.Child<QPushButton>("cmdRashi"), Qt::LeftButton);
    return p.window->ResultsWindow();
}

QString Cell(QTableWidget* table, int row, int column) {
    QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// Dark pixels of a drawn chart: lines and names, none on a blank one.
int DarkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST(ChartTab, SeventhTabShowsTheChartOfTheWorkedExample) {
    ProgramChartSettings() = {};
    ProgramFixture p;
    frmDisplay* results = Delhi1987(p);
    ASSERT_NE(results, nullptr);
    QTabWidget* tabs = results->Tabs();
    ASSERT_EQ(tabs->count(), 7);
    EXPECT_EQ(tabs->tabText(6), "Chart");
    auto* table = results->findChild<QTableWidget*>(QStringLiteral("tblPositions"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 10);
    // Name, sign and degree to the minute, as swetest gives them.
    const struct {
        int row;
        const char* name;
        const char* sign;
        const char* degree;
    } rows[] = {{0, "Lagna (As)", "Kanya", "28°31′"},  {1, "Sun (Su)", "Karka", "28°10′"},
                {2, "Moon (Mo)", "Mesha", "14°41′"},   {3, "Mars (Ma)", "Simha", "1°28′"},
                {4, "Mercury (Me)", "Karka", "22°48′"}, {5, "Jupiter (Ju)", "Mesha", "6°00′"},
                {6, "Venus (Ve)", "Karka", "25°57′"},  {7, "Saturn (Sa)", "Vrishchika", "20°51′"},
                {8, "Rahu (Ra)", "Meena", "10°49′"},   {9, "Ketu (Ke)", "Kanya", "10°49′"}};
    for (const auto& r : rows) {
        EXPECT_EQ(Cell(table, r.row, 0), QString::fromUtf8(r.name));
        EXPECT_EQ(Cell(table, r.row, 1), QString::fromUtf8(r.sign)) << r.name;
        EXPECT_TRUE(Cell(table, r.row, 2).startsWith(QString::fromUtf8(r.degree))) << r.name;
    }
    EXPECT_EQ(Cell(table, 7, 6), "retrograde");  // Saturn, swetest's speed −0.02°/day
    EXPECT_EQ(Cell(table, 1, 6), "");
    auto* balance = results->findChild<QLabel*>(QStringLiteral("lblDashaBalance"));
    ASSERT_NE(balance, nullptr);
    // The Moon at Mesha 14°41′52″ is 1°21′52″ into Bharani (Venus): 20 years × (800′ − 81.87′) / 800′.
    EXPECT_TRUE(balance->text().startsWith("Venus, 17 years 11 months")) << balance->text().toStdString();
    EXPECT_FALSE(results->findChild<QLabel*>(QStringLiteral("lblCurrentDasha"))->text().isEmpty());

    // The report carries the chart: a second printed page, the text after the day.
    const Report report = results->CurrentReport();
    ASSERT_TRUE(report.chart);
    EXPECT_EQ(report.chartStyle, ChartStyle::NorthIndian);
    EXPECT_NE(ReportPlainText(report).find("\nChart (sidereal, Lahiri ayanamsa"), std::string::npos);
}

TEST(ChartTab, StyleAndNodeHoldForTheRunAndBothStylesAreDrawn) {
    ProgramChartSettings() = {};
    ProgramFixture p;
    frmDisplay* results = Delhi1987(p);
    ASSERT_NE(results, nullptr);
    results->Tabs()->setCurrentIndex(6);
    results->resize(1280, 800);
    results->show();
    auto* rasi = results->findChild<ChartView*>(QStringLiteral("chartRasi"));
    ASSERT_NE(rasi, nullptr);
    rasi->resize(320, 346);
    const QImage north = rasi->grab().toImage();
    EXPECT_GT(DarkPixels(north), 500);

    auto* style = results->findChild<QComboBox*>(QStringLiteral("cboChartStyle"));
    auto* node = results->findChild<QComboBox*>(QStringLiteral("cboNode"));
    ASSERT_NE(style, nullptr);
    ASSERT_NE(node, nullptr);
    // From the keyboard, as a user would.
    style->setFocus();
    QTest::keyClick(style, Qt::Key_Down);
    EXPECT_EQ(ProgramChartSettings().style, ChartStyle::SouthIndian);
    const QImage south = rasi->grab().toImage();
    EXPECT_GT(DarkPixels(south), 500);
    EXPECT_NE(north, south);
    node->setFocus();
    QTest::keyClick(node, Qt::Key_Down);
    EXPECT_EQ(ProgramChartSettings().node, NodeKind::True);
    EXPECT_TRUE(results->findChild<QLabel*>(QStringLiteral("lblDashaBalance"))->text().contains("true node"));
    EXPECT_EQ(results->CurrentReport().chartStyle, ChartStyle::SouthIndian);

    // A second calculation's window opens with the same choices.
    ChartTab again;
    EXPECT_EQ(again.Style(), ChartStyle::SouthIndian);
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("cboChartStyle"))->currentIndex(), 1);
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("cboNode"))->currentIndex(), 1);
    ProgramChartSettings() = {};
}

TEST(ChartTab, ReachedFromTheKeyboardAndEmptyBeforeARun) {
    ProgramChartSettings() = {};
    ProgramFixture p;
    frmDisplay* results = Delhi1987(p);
    ASSERT_NE(results, nullptr);
    QTabWidget* tabs = results->Tabs();
    tabs->setFocus();
    for (int i = 0; i < 6; ++i) QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Chart");

    ChartTab empty;
    empty.ShowChart(BirthRecord{});
    EXPECT_FALSE(empty.Chart());
    EXPECT_TRUE(empty.findChild<QLabel*>(QStringLiteral("lblDashaBalance"))->text().isEmpty());
}
