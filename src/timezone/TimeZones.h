#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The named time zones offered by the zone picker, and what picking one writes
// into the input window's zone boxes.
namespace velmora {

inline constexpr int TimeZoneCount = 71;

// Entry texts, byte for byte, in the order the picker shows them: zone name,
// abbreviation and offset from Greenwich in hours (east positive), separated by
// commas. Some entries carry a blank after each comma; the offset of the
// Indian entry, "+5.3", means 5 h 30 min.
inline constexpr std::array<std::string_view, TimeZoneCount> TimeZoneEntries = {
    "Alaska/Hawaii Daylight Time,AHDT,-9.0",
    "Alaska/Hawaii Standard Time,AHST,-10.0",
    "Alaska/Hawaii War Time,AHWT,-9.0",
    "Atlantic Standard Time,AST,-4.0",
    "Atlantic War Time,AWT,-3.0",
    "Australian Central Daylight Time,ACDT,+10.5",
    "Australian Central Standard Time,ACST,+9.5",
    "Australian Eastern Daylight Time,AEDT,+11.0",
    "Australian Eastern Standard Time,AEST,+10.0",
    "Australian Western Daylight Time,AWDT,+9.0",
    "Australian Western Standard Time,AWST,+8.0",
    "Azores Time, AT, -2.0",
    "Baghdad Time, BAT, +3.0",
    "Bering Standard Time,BET,-11.0",
    "Brazil Zone 2,BZT2,-3.0",
    "British Double Summer Time,BDST,+2.0",
    "British Summer Time,BST,+1.0",
    "British War Time,BWT,+2.0",
    "Central Daylight Time,CDT,-5.0",
    "Central European Daylight,CED,+2.0",
    "Central European Time,CET,+1.0",
    "Central Standard Time,CST,-6.0",
    "Central War Time,CWT,-5.0",
    "China Coast Time,CCT,+8.0",
    "Eastern Daylight Time,EDT,-4.0",
    "Eastern European Daylight Time,EED,+3.0",
    "Eastern European Time,EET,+2.0",
    "Eastern Standard Time,EST,-5.0",
    "Eastern War Time,EWT,-4.0",
    "Greenwich Mean Time,GMT,0.0",
    "Guam Standard Time,GST,+10.0",
    "Hawaiian Daylight Time,HDT,-9.5",
    "Hawaiian Standard Time,HST,-10.5",
    "Hawaiian War Time,HWT,-9.5",
    "Indian Time, IST, +5.3",
    "Int'l Date Line East,IDLE,+12.0",
    "Int'l Date Line West,IDLW,-12.0",
    "Iran Time, IT, +3.5",
    "Japan Standard Time,JST,+9.0",
    "Java Time, JT, +7.5",
    "Middle European Daylight Time,MED,+2.0",
    "Middle European Time,MET,+1.0",
    "Moluccas Time, MT, +8.5",
    "Mountain Daylight Time,MDT,-6.0",
    "Mountain Standard Time,MST,-7.0",
    "Mountain War Time,MWT,-6.0",
    "New Zealand Std Summer Time,NZST,+13.0",
    "New Zealand Std Time,NZT,+12.0",
    "New Zealand Summer Time,NZS,+12.5",
    "New Zealand Time,NZ,+11.5",
    "Newfoundland Standard Time,NST,-3.5",
    "Nome Time, NT, -11.0",
    "North Sumatra Time,NST,+6.5",
    "Pacific Daylight Time,PDT,-7.0",
    "Pacific Standard Time,PST,-8.0",
    "Pacific War Time,PWT,-7.0",
    "South Australia Daylight Time,SAD,+10.5",
    "South Australia Daylight Time,SDT,+10.5",
    "South Australia Standard Time,SAST,+9.5",
    "South Australia Standard Time,SAT,+9.5",
    "South Sumatra Time,SST,+7.0",
    "Universal Time, UT, 0.0",
    "USSR Zone 10,UZ10,+11.0",
    "USSR Zone 3,USZ3,+4.0",
    "USSR Zone 4,USZ4,+5.0",
    "USSR Zone 5,USZ5,+6.0",
    "USSR Zone 6,USZ6,+7.0",
    "West Africa Time,WAT,-1.0",
    "Yukon Daylight Time,YDT,-8.0",
    "Yukon Standard Time,YST,-9.0",
    "Yukon War Time,YWT,-8.0",
};

// What a zone writes into the zone boxes, west positive and east negative:
// `hour` is the whole-hour part of the offset with its sign reversed, `minute`
// is 0 for a whole-hour offset and otherwise 30 with the hour's sign (every
// fractional offset in the list is a half-hour zone).
struct ZoneValues {
    int hour = 0;
    int minute = 0;

    bool operator==(const ZoneValues&) const = default;
};

// Derives the values from an entry's offset text, the number after its last
// comma (blanks around it allowed, optional sign, digits, optional fraction).
// Empty when the entry has no readable offset.
std::optional<ZoneValues> ZoneValuesFromEntry(std::string_view entry);

// The two texts written for a list position: decimal, a minus sign for negative
// values, no plus sign, no leading zeros.
struct ZoneTexts {
    std::string hour;
    std::string minute;

    bool operator==(const ZoneTexts&) const = default;
};

// Texts for the entry at `position` (0..70); empty for -1 (nothing chosen) or
// any position outside the list, so that nothing is written.
std::optional<ZoneTexts> ZoneTextsAt(int position);

// Where the picker opens. The input window places it just right of and below
// its "TZ Help" label: left = window left + zone frame left + label left +
// label width; top = window top + top strip top + strip height + zone frame
// top + label top + label height + 600 twips. All figures are pixels except the
// fixed 600-twip drop, which is converted at the screen's resolution.
struct PickerAnchor {
    int windowLeft = 0;    // outer top-left corner of the input window, screen pixels
    int windowTop = 0;
    int zoneFrameLeft = 0;  // zone frame's corner inside the window's client area; its
    int zoneFrameTop = 0;   // top covers the top strip and the frames above the zone frame
    int labelLeft = 0;      // label rectangle inside the zone frame
    int labelTop = 0;
    int labelWidth = 0;
    int labelHeight = 0;
};

inline constexpr double TwipsPerInch = 1440.0;
inline constexpr int PickerDropTwips = 600;

// Pixels for a length in twips at `dotsPerInch` (rounded to the nearest
// pixel); a resolution that is not a positive finite number counts as 96.
int TwipsToPixels(int twips, double dotsPerInch);

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

// Top-left corner of the picker in screen pixels.
PixelPoint PickerTopLeft(const PickerAnchor& anchor, double dotsPerInch);

}  // namespace velmora
