#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string>

#include "timezone/TimeZones.h"

namespace velmora {
namespace {

// Hour and minute texts worked out by hand from each entry's offset (east
// positive in the entry, west positive in the boxes; fractions are half hours).
struct Expected {
    const char* hour;
    const char* minute;
};
constexpr std::array<Expected, TimeZoneCount> HandWorked = {{
    {"9", "0"},    {"10", "0"},  {"9", "0"},    {"4", "0"},    {"3", "0"},     // 0-4
    {"-10", "-30"}, {"-9", "-30"}, {"-11", "0"}, {"-10", "0"}, {"-9", "0"},    // 5-9
    {"-8", "0"},   {"2", "0"},   {"-3", "0"},   {"11", "0"},   {"3", "0"},     // 10-14
    {"-2", "0"},   {"-1", "0"},  {"-2", "0"},   {"5", "0"},    {"-2", "0"},    // 15-19
    {"-1", "0"},   {"6", "0"},   {"5", "0"},    {"-8", "0"},   {"4", "0"},     // 20-24
    {"-3", "0"},   {"-2", "0"},  {"5", "0"},    {"4", "0"},    {"0", "0"},     // 25-29
    {"-10", "0"},  {"9", "30"},  {"10", "30"},  {"9", "30"},   {"-5", "-30"},  // 30-34
    {"-12", "0"},  {"12", "0"},  {"-3", "-30"}, {"-9", "0"},   {"-7", "-30"},  // 35-39
    {"-2", "0"},   {"-1", "0"},  {"-8", "-30"}, {"6", "0"},    {"7", "0"},     // 40-44
    {"6", "0"},    {"-13", "0"}, {"-12", "0"},  {"-12", "-30"}, {"-11", "-30"}, // 45-49
    {"3", "30"},   {"11", "0"},  {"-6", "-30"}, {"7", "0"},    {"8", "0"},     // 50-54
    {"7", "0"},    {"-10", "-30"}, {"-10", "-30"}, {"-9", "-30"}, {"-9", "-30"}, // 55-59
    {"-7", "0"},   {"0", "0"},   {"-11", "0"},  {"-4", "0"},   {"-5", "0"},    // 60-64
    {"-6", "0"},   {"-7", "0"},  {"1", "0"},    {"8", "0"},    {"9", "0"},     // 65-69
    {"8", "0"},                                                                // 70
}};

TEST(TimeZonePicker, EveryEntryWritesTheHandWorkedTexts) {
    for (int i = 0; i < TimeZoneCount; ++i) {
        SCOPED_TRACE(std::string(TimeZoneEntries[static_cast<std::size_t>(i)]));
        const auto texts = ZoneTextsAt(i);
        ASSERT_TRUE(texts.has_value()) << "position " << i;
        EXPECT_EQ(texts->hour, HandWorked[static_cast<std::size_t>(i)].hour) << "position " << i;
        EXPECT_EQ(texts->minute, HandWorked[static_cast<std::size_t>(i)].minute) << "position " << i;
    }
}

struct TellingRow {
    int position;
    const char* entry;
    const char* hour;
    const char* minute;
};

void PrintTo(const TellingRow& r, std::ostream* os) { *os << r.position << ' ' << r.entry; }

class TellingRows : public ::testing::TestWithParam<TellingRow> {};

TEST_P(TellingRows, EntryAndTexts) {
    const TellingRow& row = GetParam();
    EXPECT_EQ(TimeZoneEntries[static_cast<std::size_t>(row.position)], row.entry);
    EXPECT_EQ(ZoneTextsAt(row.position), (ZoneTexts{row.hour, row.minute}));
}

INSTANTIATE_TEST_SUITE_P(
    TimeZonePicker, TellingRows,
    ::testing::Values(TellingRow{29, "Greenwich Mean Time,GMT,0.0", "0", "0"},
                      TellingRow{27, "Eastern Standard Time,EST,-5.0", "5", "0"},
                      TellingRow{34, "Indian Time, IST, +5.3", "-5", "-30"},
                      TellingRow{50, "Newfoundland Standard Time,NST,-3.5", "3", "30"},
                      TellingRow{32, "Hawaiian Standard Time,HST,-10.5", "10", "30"},
                      TellingRow{46, "New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
                      TellingRow{36, "Int'l Date Line West,IDLW,-12.0", "12", "0"},
                      TellingRow{61, "Universal Time, UT, 0.0", "0", "0"}));

TEST(TimeZonePicker, ListShapeAndBytes) {
    EXPECT_EQ(TimeZoneEntries.front(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(TimeZoneEntries.back(), "Yukon War Time,YWT,-8.0");
    // The entries written with a blank after each comma keep it.
    for (int i : {11, 12, 34, 37, 39, 42, 51, 61}) {
        const std::string_view e = TimeZoneEntries[static_cast<std::size_t>(i)];
        EXPECT_NE(e.find(", "), std::string_view::npos) << e;
    }
    EXPECT_EQ(TimeZoneEntries[11], "Azores Time, AT, -2.0");
    EXPECT_EQ(TimeZoneEntries[37], "Iran Time, IT, +3.5");
    // Repeats are real entries, not slips: "NST" twice, two zones under two names.
    EXPECT_EQ(TimeZoneEntries[52], "North Sumatra Time,NST,+6.5");
    EXPECT_EQ(TimeZoneEntries[56], "South Australia Daylight Time,SAD,+10.5");
    EXPECT_EQ(TimeZoneEntries[57], "South Australia Daylight Time,SDT,+10.5");
    EXPECT_EQ(TimeZoneEntries[58], "South Australia Standard Time,SAST,+9.5");
    EXPECT_EQ(TimeZoneEntries[59], "South Australia Standard Time,SAT,+9.5");
    EXPECT_EQ(TimeZoneEntries[62], "USSR Zone 10,UZ10,+11.0");
}

// The list is alphabetical (ignoring case), which catches swapped or misplaced rows.
TEST(TimeZonePicker, ListIsInAlphabeticalOrder) {
    auto lower = [](std::string_view s) {
        std::string out(s);
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return out;
    };
    for (std::size_t i = 1; i < TimeZoneEntries.size(); ++i) {
        EXPECT_LE(lower(TimeZoneEntries[i - 1]), lower(TimeZoneEntries[i])) << "at " << i;
    }
}

TEST(TimeZonePicker, NothingChosenOrOutsideTheListWritesNothing) {
    EXPECT_FALSE(ZoneTextsAt(-1).has_value());
    EXPECT_FALSE(ZoneTextsAt(TimeZoneCount).has_value());
    EXPECT_FALSE(ZoneTextsAt(-2147483647 - 1).has_value());
    EXPECT_FALSE(ZoneTextsAt(2147483647).has_value());
}

TEST(TimeZoneOffsetText, ReadsSignsFractionsAndBlanks) {
    EXPECT_EQ(ZoneValuesFromEntry("X, Y, +5.3"), (ZoneValues{-5, -30}));
    EXPECT_EQ(ZoneValuesFromEntry("X,Y,-0.5"), (ZoneValues{0, 30}));
    EXPECT_EQ(ZoneValuesFromEntry("X,Y,7"), (ZoneValues{-7, 0}));
    EXPECT_EQ(ZoneValuesFromEntry("X,Y,-3.00"), (ZoneValues{3, 0}));
    EXPECT_EQ(ZoneValuesFromEntry("X,Y,  +12.0  "), (ZoneValues{-12, 0}));
    for (const char* bad : {"no comma", "X,Y,", "X,Y, ", "X,Y,+", "X,Y,5.3x", "X,Y,5,", "X,Y,--5",
                            "X,Y,.5", "X,Y,12345", "X,Y,5.3.1", "X,Y,\t5"}) {
        EXPECT_FALSE(ZoneValuesFromEntry(bad).has_value()) << bad;
    }
}

TEST(TimeZonePickerPlacement, SumsTheGeometriesAndDropsSixHundredTwips) {
    PickerAnchor a;
    a.windowLeft = 100;
    a.windowTop = 50;
    a.zoneFrameLeft = 300;
    a.zoneFrameTop = 200;
    a.labelLeft = 20;
    a.labelTop = 60;
    a.labelWidth = 45;
    a.labelHeight = 17;
    // 600 twips are 5/12 inch: 40 px at 96 dpi, 60 px at 144 dpi.
    EXPECT_EQ(PickerTopLeft(a, 96.0), (PixelPoint{100 + 300 + 20 + 45, 50 + 200 + 60 + 17 + 40}));
    EXPECT_EQ(PickerTopLeft(a, 144.0), (PixelPoint{465, 387}));
    // The corner follows the window, also across to a screen left of or above the primary one.
    for (PixelPoint move : {PixelPoint{250, 80}, PixelPoint{-1900, -30}, PixelPoint{0, 0}}) {
        PickerAnchor moved = a;
        moved.windowLeft += move.x;
        moved.windowTop += move.y;
        EXPECT_EQ(PickerTopLeft(moved, 96.0), (PixelPoint{465 + move.x, 367 + move.y}));
    }
}

TEST(TimeZonePickerPlacement, TwipConversion) {
    EXPECT_EQ(TwipsToPixels(600, 96.0), 40);
    EXPECT_EQ(TwipsToPixels(600, 120.0), 50);
    EXPECT_EQ(TwipsToPixels(600, 72.0), 30);
    EXPECT_EQ(TwipsToPixels(1440, 96.0), 96);
    EXPECT_EQ(TwipsToPixels(600, 100.0), 42);  // 41.67 rounds up
    // A screen that reports nonsense is taken as 96 dpi.
    EXPECT_EQ(TwipsToPixels(600, 0.0), 40);
    EXPECT_EQ(TwipsToPixels(600, -5.0), 40);
    EXPECT_EQ(TwipsToPixels(600, std::numeric_limits<double>::quiet_NaN()), 40);
    EXPECT_EQ(TwipsToPixels(600, std::numeric_limits<double>::infinity()), 40);
    EXPECT_EQ(TwipsToPixels(600, 1.0e300), 0);
}

}  // namespace
}  // namespace velmora
