#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/Observances.h"

// The month as the wall almanac shows it: weeks in rows from Sunday to
// Saturday, each date with what is read off its Hindu day. Plain data, the
// same for the window, its print and the report tool.
namespace velmora {

struct MonthCell {
    CalendarDate date;
    bool inMonth = false;  // false for the leading and trailing days of the neighbour months (left blank)
    bool computed = false; // the day could be computed (a valid date and place)

    int tithiNumber = 0;      // 1..30 at sunrise
    std::string tithi;        // its name in the program's spelling
    std::string paksha;       // "Shukla" or "Krishna"
    std::string nakshatra;    // at sunrise
    std::optional<MoonPhase> moon;  // a new or full moon falls in this day (sunrise to sunrise)
    std::vector<std::string> festivals;    // the festivals of this date, by name
    std::vector<std::string> observances;  // short titles of the observances kept this day
    std::string sankranti;    // "Makara Sankranti" when the Sun enters a sign this day
    std::vector<std::string> eclipses;  // "Chandra Grahan 18:47" when an eclipse is greatest this day
    std::string sunrise;      // "06:58" local clock; empty when the Sun does not rise
    std::string sunset;       // "17:24"
    std::string masa;         // the amanta month at sunrise, "Adhika Jyeshtha"
    std::array<std::string, 3> solar;  // the Tamil, Malayalam and Bengali dates, "Karthigai 21"
    int nakshatraNumber = 0;  // 1..27 at sunrise (0: unknown)
    int moonSign = -1;        // the Moon's sidereal sign at sunrise, 0 = Mesha (-1: unknown)

    // What a wall almanac prints besides (calendar/AlmanacMarks.h); times on
    // the local clock to the minute, "17 May 01:31" on the next date; empty
    // when there is none.
    std::string tithiEnds;      // the tithi at sunrise ends, within the day
    std::string nakshatraEnds;  // the nakshatra at sunrise ends, within the day
    std::vector<std::string> kshayaTithis;  // begin and end within the day: "Shukla Saptami"
    std::string moonrise;       // on the date
    std::string moonTime;       // the full or new moon (`moon`)
    std::string sankrantiTime;  // the Sun enters the sign (`sankranti`)
    bool masaBegins = false;    // the lunar month begins: its first sunrise
};

struct MonthGrid {
    int year = 0;
    int month = 0;
    std::vector<std::array<MonthCell, 7>> weeks;  // Sunday first
    std::string lunarMonths;  // "Vaishakha – Adhika Jyeshtha (amanta)"
    std::string years;        // "Shaka 1948 · Vikram 2083"
};

// The place a calendar is computed for.
struct CalendarPlace {
    std::string label;        // "Pune, Maharashtra, India", or the typed coordinates
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, east positive
    std::string zoneId;       // IANA zone; empty: the fixed offset below
    double offsetHours = 0;   // the clock's offset from UT when there is no zone name
    std::string city, state, country;  // as the input window's boxes hold them
};

// The weeks of a month with only the dates filled: four to six rows, days
// outside the month marked. Empty for a month outside 1..12.
std::vector<std::array<MonthCell, 7>> MonthLayout(int year, int month);

// The cell of a date in the grid, or null when the grid does not show it in
// its month.
const MonthCell* CellOf(const MonthGrid& grid, const CalendarDate& date);

// The month before or after (step -1 or +1, or any number of months).
CalendarDate StepMonth(int year, int month, int months);

// "May 2026".
std::string MonthTitle(int year, int month);

}  // namespace velmora
