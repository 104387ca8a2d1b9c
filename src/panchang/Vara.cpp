#include "panchang/Vara.h"

namespace velmora {

namespace {

bool IsLeapYear(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(long long year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return days[month - 1];
}

// Days from 1 January 1970 (a Thursday) of a proleptic Gregorian date.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (m + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

std::optional<int> GregorianWeekday(int year, int month, int day) {
    if (month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    const long long days = DaysFromCivil(year, month, day);
    // Day 0 is a Thursday, weekday 5 when Sunday is 1.
    long long w = (days + 4) % 7;
    if (w < 0) w += 7;
    return static_cast<int>(w) + 1;
}

std::optional<int> VaraNumberOf(const QueryDate& date) {
    // No month chosen: the weekday of the empty date, 30 December 1899.
    if (!date.month) return GregorianWeekday(1899, 12, 30);
    if (!date.day || !date.year) return std::nullopt;
    return GregorianWeekday(*date.year, *date.month, *date.day);
}

}  // namespace velmora
