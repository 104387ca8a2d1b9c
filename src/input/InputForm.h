#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shared/QueryDate.h"

// What the input window's controls hold, as plain data. The window copies its
// widgets into this before a calculation and back when needed; the core never
// sees a widget. Defaults are the state of a freshly opened window.
namespace velmora {

struct InputForm {
    // Text boxes, exactly as typed (or pasted).
    std::string txtName;
    std::string txtMCity;
    std::string txtMState;
    std::string txtMCountry;
    std::string txtLatD;
    std::string txtLatM;
    std::string txtLonD;
    std::string txtLonM;
    std::string txtZoneHour;
    std::string txtZoneMinute;

    // Pick-only lists: the position of the chosen entry, -1 when none is chosen.
    int cboMonth = 0;  // 0 = "January"
    int cboDate = 0;   // 0 = "1"
    int cboYear = 0;   // 0 = "1901"
    int cboHH = 0;     // 0 = "0"
    int cboMM = 0;
    int cboSS = 0;

    // Option pairs: the chosen button. optLat 0 = North, 1 = South;
    // optLong 0 = East, 1 = West.
    int optLat = 0;
    int optLong = 0;

    // Three-state check box: 0 unticked, 1 ticked, 2 greyed.
    int chkDST = 0;

    bool operator==(const InputForm&) const = default;
};

// The lists' entries, in the order the window fills them.
enum class InputList { Month, Date, Year, Hour, Minute, Second };

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2050;

// Number of entries of a list.
int ListCount(InputList list);

// Text of the entry at a position; empty for -1 or a position outside the list.
std::string ListEntryText(InputList list, int position);

// Position of the entry whose text is exactly `text`, or -1.
int ListFind(InputList list, std::string_view text);

// The texts of the chosen entries, as a list control reports its text.
inline std::string MonthText(const InputForm& f) { return ListEntryText(InputList::Month, f.cboMonth); }
inline std::string DateText(const InputForm& f) { return ListEntryText(InputList::Date, f.cboDate); }
inline std::string YearText(const InputForm& f) { return ListEntryText(InputList::Year, f.cboYear); }
inline std::string HourText(const InputForm& f) { return ListEntryText(InputList::Hour, f.cboHH); }
inline std::string MinuteText(const InputForm& f) { return ListEntryText(InputList::Minute, f.cboMM); }
inline std::string SecondText(const InputForm& f) { return ListEntryText(InputList::Second, f.cboSS); }

// The date of the three date lists: the month from the month list's position,
// day and year read from their entries' texts.
QueryDate ReadQueryDate(const InputForm& form);

}  // namespace velmora
