#include <gtest/gtest.h>

#include "shared/Version.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
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
                         ::testing::Values(PickedRow{34, "-5", "-30"}, PickedRow{61, "0", "0"},
                                           PickedRow{50, "3", "30"}, PickedRow{0, "9", "0"},
                                           PickedRow{70, "8", "0"}));

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

}  // namespace
}  // namespace velmora
