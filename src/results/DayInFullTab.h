#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "day/DayZone.h"
#include "shared/BirthRecord.h"

// The Day tab's "Hours" and "Year" pages: the good and bad hours of the Hindu
// day holding the entered moment, its year names, season and solar dates, and
// the tarabalam and chandrabalam of that day for the person entered (the
// moment's own nakshatra and Moon sign taken as the birth ones).
//
// Design: plain strings from the day's core functions (day/DayInFull.h), one
// row per part, so the window only copies them into labels.
namespace velmora {

struct HourRow {
    std::string name;     // "Amrit", "Moon", "Amirtham"
    std::string span;     // "06:18–07:44"
    std::string quality;  // "good", "neutral", "bad"; empty for the hours (hora)
};

struct DayInFullTab {
    std::vector<HourRow> choghadiyaDay, choghadiyaNight;
    std::vector<HourRow> horaDay, horaNight;
    std::vector<HourRow> gowriDay, gowriNight;
    std::vector<std::pair<std::string, std::string>> more;  // caption, value (MoreRows' order)
};

// The captions of `more`, in order (their labels are lbl + the caption
// without blanks, e.g. lblAmritKalam).
inline constexpr const char* MoreRows[] = {"Durmuhurta",   "Varjyam",      "Amrit Kalam",    "Panchak",
                                           "Samvatsara",   "Ritu, Ayana",  "Tamil Date",     "Malayalam Date",
                                           "Bengali Date", "Tarabalam",    "Chandrabalam"};

// Nothing when the record holds no moment and place a day can be computed for.
std::optional<DayInFullTab> DayInFullTabOf(const BirthRecord& birth);
// The same with the entered clock reading on a place's own clock, as
// DayTabValuesOf(birth, clock) takes it (a day opened from the month calendar).
std::optional<DayInFullTab> DayInFullTabOf(const BirthRecord& birth, const DayZone& clock);

// The birth stars of an entered moment: its nakshatra (1..27) and the Moon's
// sidereal sign (0..11), on the panchang's own Moon and ayanamsa (the spans the
// Nakshatra tab shows). Nothing for a record no run has filled.
struct BirthStars {
    int nakshatra = 0;
    int moonSign = 0;
};
std::optional<BirthStars> BirthStarsOf(const BirthRecord& birth);

// Rows at their widest, for sizing the window.
DayInFullTab DayInFullSizingTab();

}  // namespace velmora
