#pragma once

#include <string>

// Calendar conversions: civil date to Julian day and back, the date-and-time
// text of every span line, and ΔT. Pure functions of their arguments.
namespace velmora {

// Julian day number (the day that begins at noon) of a civil date: month
// 1..12, day, year. Gregorian after the 1582 reform, Julian before it (a
// Julian-calendar day number above 2299171 is taken as Gregorian). Days beyond
// the month's end roll over (30 February 2001 gives 2 March 2001). Exact for
// any 16-bit arguments: every quantity is a whole number far below 2^53.
double CivilDayNumber(int month, int day, int year);

// Julian day of 0h of a civil date: CivilDayNumber − 0.5 (a value ending in .5).
double JulianDayFromDate(int month, int day, int year);

// A Julian day as a calendar date and clock time, every Int the floor.
struct CalendarMoment {
    long long year = 0;
    long long month = 0;  // 1..12
    long long day = 0;    // 1..31
    long long hour = 0;   // 0..23, truncated
    long long minute = 0; // 0..59, truncated
};

// False for a Julian day that is not finite or lies beyond ±1e9 (no calendar
// date we could show), so no double becomes an integer out of range.
bool CalendarFromJulianDay(double jd, CalendarMoment& out);

// Date and clock text of a Julian day: "dd.MM.yyyy HH:mm" with a blank in front
// of a one-digit day and truncated (never rounded) hours and minutes. Empty
// when the Julian day cannot be shown as a date.
std::string FormatJDTime(double jd);

// ΔT = TT − UT in hours for a Julian day in universal time: linear in the
// decade table from 1620 to 2010, quadratic in centuries from 1800 outside it.
// NaN when the Julian day cannot be turned into a date.
double DeltaTHours(double jdUt);

}  // namespace velmora
