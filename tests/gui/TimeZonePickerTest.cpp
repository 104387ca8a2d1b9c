#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "timezone/TimeZones.h"
#include "timezone/gui/frmTimeZone.h"

namespace velmora {
namespace {

// Double-clicks the entry at `row` as a user would.
void DoubleClickRow(frmTimeZone& picker, int row) {
    QListWidget* list = picker.lstTimeZone;
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

class TimeZonePickerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        hour.setText(QStringLiteral("7"));
        minute.setText(QStringLiteral("15"));
    }
    QLineEdit hour;
    QLineEdit minute;
};

TEST_F(TimeZonePickerWindow, OpensWithEveryEntryAndNothingSelected) {
    frmTimeZone picker(&hour, &minute);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Velmora v1.15"));
    EXPECT_EQ(picker.objectName(), QStringLiteral("frmTimeZone"));
    EXPECT_EQ(picker.lstTimeZone->objectName(), QStringLiteral("lstTimeZone"));
    EXPECT_EQ(picker.cmdQuit->objectName(), QStringLiteral("cmdQuit"));
    EXPECT_EQ(picker.cmdQuit->text(), QStringLiteral("&Quit"));
    ASSERT_EQ(picker.lstTimeZone->count(), TimeZoneCount);
    for (int i = 0; i < TimeZoneCount; ++i) {
        EXPECT_EQ(picker.lstTimeZone->item(i)->text().toStdString(), TimeZoneEntries[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
}

struct PickedRow {
    int row;
    const char* hour;
    const char* minute;
};

void PrintTo(const PickedRow& r, std::ostream* os) { *os << "row " << r.row; }

class TimeZonePickerRows : public TimeZonePickerWindow, public ::testing::WithParamInterface<PickedRow> {};

TEST_P(TimeZonePickerRows, DoubleClickWritesBothBoxesAndCloses) {
    const PickedRow& r = GetParam();
    frmTimeZone picker(&hour, &minute);
    picker.show();
    DoubleClickRow(picker, r.row);
    EXPECT_EQ(hour.text(), QString::fromLatin1(r.hour));
    EXPECT_EQ(minute.text(), QString::fromLatin1(r.minute));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(TimeZonePicker, TimeZonePickerRows,
                         ::testing::Values(PickedRow{34, "-5", "-30"}, PickedRow{29, "0", "0"},
                                           PickedRow{61, "0", "0"}, PickedRow{27, "5", "0"},
                                           PickedRow{50, "3", "30"}, PickedRow{32, "10", "30"},
                                           PickedRow{46, "-13", "0"}, PickedRow{36, "12", "0"},
                                           PickedRow{0, "9", "0"}, PickedRow{70, "8", "0"}));

// The boxes' length limit and key filters do not stand in the way: the texts
// are set, not typed (the minute box would refuse a typed minus).
TEST_F(TimeZonePickerWindow, WritesPastTheKeyFilters) {
    minute.setMaxLength(3);
    hour.setMaxLength(3);
    minute.setValidator(nullptr);
    frmTimeZone picker(&hour, &minute);
    picker.show();
    DoubleClickRow(picker, 46);
    EXPECT_EQ(hour.text(), QStringLiteral("-13"));
    DoubleClickRow(picker, 48);  // New Zealand Summer Time, +12.5
    EXPECT_EQ(hour.text(), QStringLiteral("-12"));
    EXPECT_EQ(minute.text(), QStringLiteral("-30"));
}

TEST_F(TimeZonePickerWindow, DoubleClickWithNothingSelectedWritesNothingAndCloses) {
    frmTimeZone picker(&hour, &minute);
    picker.show();
    // Make the list taller than its entries so that there is blank space to hit.
    picker.resize(picker.width(), 71 * picker.lstTimeZone->sizeHintForRow(0) + 400);
    QTest::qWait(1);
    const QRect last = picker.lstTimeZone->visualItemRect(picker.lstTimeZone->item(TimeZoneCount - 1));
    const QPoint blank(last.center().x(), last.bottom() + 20);
    ASSERT_TRUE(picker.lstTimeZone->viewport()->rect().contains(blank));
    QTest::mouseDClick(picker.lstTimeZone->viewport(), Qt::LeftButton, Qt::NoModifier, blank);
    EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
    EXPECT_EQ(hour.text(), QStringLiteral("7"));
    EXPECT_EQ(minute.text(), QStringLiteral("15"));
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(TimeZonePickerWindow, QuitAndTheCloseBoxLeaveTheBoxes) {
    {
        frmTimeZone picker(&hour, &minute);
        picker.show();
        picker.lstTimeZone->setCurrentRow(34);  // chosen but not double-clicked
        QTest::mouseClick(picker.cmdQuit, Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.result(), QDialog::Rejected);
    }
    {
        frmTimeZone picker(&hour, &minute);
        picker.show();
        picker.lstTimeZone->setCurrentRow(29);
        picker.close();
        EXPECT_FALSE(picker.isVisible());
    }
    EXPECT_EQ(hour.text(), QStringLiteral("7"));
    EXPECT_EQ(minute.text(), QStringLiteral("15"));
}

// A picker opened after its input window went away must not write into freed boxes.
TEST(TimeZonePickerBoxes, BoxesGoneBeforeTheDoubleClick) {
    auto* hour = new QLineEdit;
    auto* minute = new QLineEdit;
    frmTimeZone picker(hour, minute);
    picker.show();
    delete hour;
    delete minute;
    picker.lstTimeZone->setCurrentRow(34);
    picker.lstTimeZone_DblClick();
    EXPECT_FALSE(picker.isVisible());
}

// A stand-in for the input window: a top strip, then a frame holding the zone
// frame with its boxes, DST box and "TZ Help" label, beside hemisphere buttons.
struct ZoneWindow {
    QWidget window;
    QWidget* zoneFrame = nullptr;
    QLabel* help = nullptr;
    QLineEdit* hour = nullptr;
    QLineEdit* minute = nullptr;
    QCheckBox* dst = nullptr;
    QRadioButton* east = nullptr;
    QRadioButton* west = nullptr;

    ZoneWindow() {
        auto* layout = new QVBoxLayout(&window);
        auto* strip = new QLabel(QStringLiteral("forum banner"), &window);
        strip->setFixedHeight(41);
        layout->addWidget(strip);
        auto* main = new QGroupBox(&window);
        auto* mainLayout = new QVBoxLayout(main);
        east = new QRadioButton(QStringLiteral("East"), main);
        west = new QRadioButton(QStringLiteral("West"), main);
        east->setChecked(true);
        mainLayout->addWidget(east);
        mainLayout->addWidget(west);
        auto* zone = new QGroupBox(QStringLiteral("Zone"), main);
        zoneFrame = zone;
        auto* zoneLayout = new QVBoxLayout(zone);
        hour = new QLineEdit(zone);
        minute = new QLineEdit(zone);
        dst = new QCheckBox(QStringLiteral("DST"), zone);
        help = new QLabel(QStringLiteral("TZ Help"), zone);
        zoneLayout->addWidget(hour);
        zoneLayout->addWidget(minute);
        zoneLayout->addWidget(dst);
        zoneLayout->addWidget(help);
        mainLayout->addWidget(zone);
        layout->addWidget(main);
        window.resize(400, 400);
    }
};

TEST(TimeZonePickerPlacement, JustRightOfAndBelowTheLabelAndFollowsTheWindow) {
    ZoneWindow w;
    w.window.move(100, 100);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));

    const QPoint first = TimeZonePickerPosition(&w.window, w.zoneFrame, w.help);
    const QPoint labelCorner = w.help->mapToGlobal(QPoint(w.help->width(), w.help->height()));
    const QPoint outer = w.window.frameGeometry().topLeft();
    const QPoint client = w.window.geometry().topLeft();
    // Right of the label's right edge, below its bottom edge by the fixed drop
    // (600 twips, 40 px at 96 dpi) less the title bar the window's top includes.
    const int drop = TwipsToPixels(PickerDropTwips, w.window.screen()->logicalDotsPerInchY());
    EXPECT_EQ(first.x(), labelCorner.x() - (client.x() - outer.x()));
    EXPECT_EQ(first.y(), labelCorner.y() + drop - (client.y() - outer.y()));

    w.window.move(260, 35);
    QTest::qWait(1);
    const QPoint moved = TimeZonePickerPosition(&w.window, w.zoneFrame, w.help);
    EXPECT_EQ(moved - first, w.window.frameGeometry().topLeft() - outer);
    EXPECT_EQ(moved - first, QPoint(160, -65));

    // The picker really opens there.
    frmTimeZone picker(w.hour, w.minute, &w.window);
    picker.move(moved);
    picker.show();
    EXPECT_EQ(picker.frameGeometry().topLeft(), moved);
}

// Every entry, the daylight-time ones included, writes the two zone boxes and nothing else.
TEST(TimeZonePickerScope, NeverTouchesDstOrTheHemisphere) {
    ZoneWindow w;
    w.window.show();
    for (bool dstTicked : {false, true}) {
        for (bool westChosen : {false, true}) {
            w.dst->setChecked(dstTicked);
            (westChosen ? w.west : w.east)->setChecked(true);
            for (int row = 0; row < TimeZoneCount; ++row) {
                frmTimeZone picker(w.hour, w.minute, &w.window);
                picker.show();
                DoubleClickRow(picker, row);
                ASSERT_EQ(w.hour->text().toStdString(), ZoneTextsAt(row)->hour) << row;
                ASSERT_EQ(w.minute->text().toStdString(), ZoneTextsAt(row)->minute) << row;
                ASSERT_EQ(w.dst->isChecked(), dstTicked) << row;
                ASSERT_EQ(w.west->isChecked(), westChosen) << row;
                ASSERT_EQ(w.east->isChecked(), !westChosen) << row;
            }
        }
    }
}

}  // namespace
}  // namespace velmora
