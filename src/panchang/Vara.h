#pragma once

#include <optional>

#include "shared/QueryDate.h"

// The vara: the weekday of the civil date as entered (no astronomy, no change
// at sunrise, no conversion to universal time).
namespace velmora {

// Weekday of a Gregorian date, 1 = Sunday .. 7 = Saturday; nothing when the
// month or day does not exist.
std::optional<int> GregorianWeekday(int year, int month, int day);

// Weekday number of the date chosen in the input window. With no month chosen
// the date is the empty date, 30 December 1899, a Saturday (7). Nothing when
// the day or year is missing or they do not make a real date with the month.
std::optional<int> VaraNumberOf(const QueryDate& date);

}  // namespace velmora
