#include "astronomy/Calendar.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "astronomy/Epochs.h"
#include "shared/NumberText.h"


namespace velmora {

namespace {

// Julian days far outside any calendar date we could show.
constexpr double kLargestJulianDay = 1e9;

// Julian-calendar day number of 4 October 1582, the last Julian day.
constexpr double kLastJulianCalendarDay = 2299171;

// A number below 10 with one padding character in front.
void AppendPadded(std::string& text, char pad, long long value) {
    if (value < 10) text.push_back(pad);
    AppendIntText(text, value);
}

// TT − UT in seconds for 1620, 1630, …, 2010; the last slot is never read.
constexpr double kDeltaTSeconds[41] = {
    124,  85,   62,   48,   37,   26,   16,   10,   9,    10,    // 1620-1710
    11,   11,   12,   13,   15,   16,   17,   17,   13.7, 12.5,  // 1720-1810
    12,   7.5,  5.7,  7.1,  7.9,  1.6,  -5.4, -5.9, -2.7, 10.5,  // 1820-1910
    21.2, 24,   24.3, 29.2, 33.2, 40.2, 50.5, 56.9, 65.7, 75.5,  // 1920-2010
    0,
};

// Julian day of 1800 January 0.5 (= 1799 December 31, 12h): the epoch of ΔT's
// quadratic formulas.
constexpr double kDeltaTEpoch = 2378497;

}  // namespace

double CivilDayNumber(int month, int day, int year) {
    // Months counted from March of year -4800, so that the leap day ends a year.
    const double m = 12.0 * (year + 4800.0) + month - 3;
    double j = std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) + day + std::floor(m / 48) - 32083;
    if (j > kLastJulianCalendarDay) j = j + std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return j;
}

double JulianDayFromDate(int month, int day, int year) { return CivilDayNumber(month, day, year) - 0.5; }

bool CalendarFromJulianDay(double jd, CalendarMoment& out) {
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
    return true;
}

std::string FormatJDTime(double jd) {
    CalendarMoment moment;
    if (!CalendarFromJulianDay(jd, moment)) return {};
    std::string text;
    text.reserve(16);
    AppendPadded(text, ' ', moment.day);
    text.push_back('.');
    AppendPadded(text, '0', moment.month);
    text.push_back('.');
    AppendIntText(text, moment.year);
    text.push_back(' ');
    AppendPadded(text, '0', moment.hour);
    text.push_back(':');
    AppendPadded(text, '0', moment.minute);
    return text;
}

double DeltaTHours(double jdUt) {
    CalendarMoment moment;
    if (!CalendarFromJulianDay(jdUt, moment)) return std::numeric_limits<double>::quiet_NaN();
    const double y = static_cast<double>(moment.year) + (static_cast<double>(moment.month) - 1) / 12 +
                     (static_cast<double>(moment.day) - 1) / 365.25;
    const double t = (jdUt - kDeltaTEpoch) / DaysPerJulianCentury;  // Julian centuries from 1800.0
    double dT = 0.0;                                // seconds
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
