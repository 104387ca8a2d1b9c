#include "panchang/Calendar.h"

#include <cmath>
#include <limits>

#include "shared/NumberText.h"

namespace velmora {

namespace {

// The calendar date and clock time of a Julian day, as whole numbers. Every
// Int of the conversion is the floor (toward minus infinity).
struct CalendarMoment {
    long long year = 0;
    long long month = 0;
    long long day = 0;
    long long hour = 0;
    long long minute = 0;
    double dayFraction = 0.0;  // from midnight, 0 up to 1
};

// Julian days far outside any calendar date we could show are refused so that
// no double becomes an integer out of range.
constexpr double kLargestJulianDay = 1e9;

bool ToCalendar(double jd, CalendarMoment& out) {
    if (!std::isfinite(jd) || std::fabs(jd) > kLargestJulianDay) return false;
    const double x = jd + 0.5;
    const double z = std::floor(x);
    const double f = x - z;
    double a = z;
    if (!(z < 2299161)) {
        // Gregorian dates: take out the century leap days the Julian calendar keeps.
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const double dayReal = b - d - std::floor(30.6001 * e) + f;
    const double day = std::floor(dayReal);
    const double month = e < 13.5 ? e - 1 : e - 13;
    const double year = month > 2.5 ? c - 4716 : c - 4715;
    // Truncated, never rounded: 10:59:59.9 shows as 10:59.
    const double hours = 24 * (dayReal - day);
    const double hour = std::floor(hours);
    const double minute = std::floor(60 * (hours - hour));
    out.year = static_cast<long long>(year);
    out.month = static_cast<long long>(month);
    out.day = static_cast<long long>(day);
    out.hour = static_cast<long long>(hour);
    out.minute = static_cast<long long>(minute);
    out.dayFraction = f;
    return true;
}

// A number below 10 with one padding character in front. Built by appending:
// g++ 12 at -O3 warns falsely (-Wrestrict) about "x" + std::string.
std::string Padded(char pad, long long value) {
    std::string text;
    if (value < 10) text.push_back(pad);
    text.append(IntText(value));
    return text;
}

// Formats the moment and writes the date fields and UniversalHours; false (and
// nothing written) when the Julian day is not a usable number.
bool FormatInto(CalculationState& state, double jd, std::string& text, CalendarMoment& moment) {
    if (!ToCalendar(jd, moment)) return false;
    state.engine.UniversalHours = moment.dayFraction;
    state.panchang.DateDay = Padded(' ', moment.day);
    state.panchang.DateMonth = Padded('0', moment.month);
    state.panchang.DateYear = static_cast<double>(moment.year);
    text.clear();
    text.append(state.panchang.DateDay).append(".").append(state.panchang.DateMonth).append(".");
    text.append(IntText(moment.year)).append(" ").append(Padded('0', moment.hour)).append(":");
    text.append(Padded('0', moment.minute));
    return true;
}

// TT − UT in seconds for 1620, 1630, ..., 2010; the last slot is never read.
constexpr double kDeltaTSeconds[41] = {
    124,  85,   62,   48,   37,   26,   16,   10,   9,    10,    // 1620-1710
    11,   11,   12,   13,   15,   16,   17,   17,   13.7, 12.5,  // 1720-1810
    12,   7.5,  5.7,  7.1,  7.9,  1.6,  -5.4, -5.9, -2.7, 10.5,  // 1820-1910
    21.2, 24,   24.3, 29.2, 33.2, 40.2, 50.5, 56.9, 65.7, 75.5,  // 1920-2010
    0,
};

}  // namespace

double JulianDayFromDate(int month, int day, int year) {
    // Months counted from March of the year -4800, so that the leap day ends a year.
    const double j = 12.0 * (static_cast<double>(year) + 4800) + month - 3;
    double n = std::floor((365 * j + 2 * (j - 12 * std::floor(j / 12)) + 7) / 12) + day + std::floor(j / 48) - 32083;
    if (n > 2299171) n = n + std::floor(j / 4800) - std::floor(j / 1200) + 38;
    return n - 0.5;
}

std::string FormatJDTime(CalculationState& state, double jd) {
    std::string text;
    CalendarMoment moment;
    FormatInto(state, jd, text, moment);
    return text;
}

double DeltaTHours(CalculationState& state, double jd) {
    std::string text;
    CalendarMoment moment;
    if (!FormatInto(state, jd, text, moment)) return std::numeric_limits<double>::quiet_NaN();
    const double y = static_cast<double>(moment.year) + (static_cast<double>(moment.month) - 1) / 12 +
                     (static_cast<double>(moment.day) - 1) / 365.25;
    const double t = (jd - 2378497) / 36525;  // Julian centuries from 1800.0
    double dT = 0.0;
    if (1620 <= y && y < 2010) {
        const double slot = std::floor((y - 1620) / 10);  // 0..38
        const auto i = static_cast<std::size_t>(slot);
        const double u = y - (10 * slot + 1620);
        dT = kDeltaTSeconds[i] + (kDeltaTSeconds[i + 1] - kDeltaTSeconds[i]) * u / 10;
    } else if (y >= 2010) {
        dT = 25.5 * (t * t) - 39;
    } else if (948 <= y) {
        dT = 25.5 * (t * t);
    } else {
        dT = 1361.7 + 320 * t + 44.3 * (t * t);
    }
    return dT / 3600;
}

}  // namespace velmora
