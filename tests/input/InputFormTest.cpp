#include <gtest/gtest.h>

#include "input/InputForm.h"

using namespace velmora;

TEST(InputForm, FreshWindowState) {
    const InputForm f;
    EXPECT_EQ(MonthText(f), "January");
    EXPECT_EQ(DateText(f), "1");
    EXPECT_EQ(YearText(f), "1901");
    EXPECT_EQ(HourText(f), "0");
    EXPECT_EQ(MinuteText(f), "0");
    EXPECT_EQ(SecondText(f), "0");
    EXPECT_EQ(f.optLat, 0);
    EXPECT_EQ(f.optLong, 0);
    EXPECT_EQ(f.chkDST, 0);
    EXPECT_TRUE(f.txtName.empty());
    EXPECT_TRUE(f.txtZoneHour.empty());
}

TEST(InputForm, ListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(ListCount(InputList::Year), 150);
    EXPECT_EQ(ListEntryText(InputList::Year, 149), "2050");
    EXPECT_EQ(ListEntryText(InputList::Month, 11), "December");
    EXPECT_EQ(ListEntryText(InputList::Date, 30), "31");
    EXPECT_EQ(ListEntryText(InputList::Hour, 23), "23");
    EXPECT_EQ(ListEntryText(InputList::Hour, 24), "");
    EXPECT_EQ(ListEntryText(InputList::Month, -1), "");
    EXPECT_EQ(ListFind(InputList::Month, "March"), 2);
    EXPECT_EQ(ListFind(InputList::Month, "march"), -1);
    EXPECT_EQ(ListFind(InputList::Minute, "07"), -1);
    EXPECT_EQ(ListFind(InputList::Minute, "7"), 7);
}
