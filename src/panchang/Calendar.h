#pragma once

#include <string>

#include "shared/CalculationState.h"

// Calendar conversions of the panchang module: civil date to Julian day, ΔT,
// and the date-and-time text of every span line.
namespace velmora {

// Julian day of 0h of a civil date (a value ending in .5). Dates whose
// Julian-calendar day number exceeds 2299171 are taken as Gregorian.
double JulianDayFromDate(int month, int day, int year);

// Date and clock text of a Julian day: "dd.MM.yyyy HH:mm" with a blank in front
// of a one-digit day and truncated (never rounded) hours and minutes.
// Side effects: DateYear, DateMonth, DateDay and UniversalHours (the day fraction).
std::string FormatJDTime(CalculationState& state, double jd);

// TT − UT in hours for a Julian day (UT): the decade table from 1620 to 2010,
// quadratic formulas outside it. Rewrites the date fields through FormatJDTime.
double DeltaTHours(CalculationState& state, double jd);

}  // namespace velmora
