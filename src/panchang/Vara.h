#pragma once

#include <optional>

#include "input/InputForm.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// The vara: the weekday of the civil date as entered (no astronomy, no change
// at sunrise, no conversion to universal time).
namespace velmora {

// Weekday of a Gregorian date, 1 = Sunday .. 7 = Saturday; nothing when the
// month or day does not exist.
std::optional<int> GregorianWeekday(int year, int month, int day);

// Weekday number of the date chosen in the input form: month from the month
// list's position, day and year from the texts of their lists. With no month
// chosen the date is the empty date, 30 December 1899, a Saturday (7). Nothing
// when the day and year texts do not make a real date with the month.
std::optional<int> VaraNumberOf(const InputForm& form);

// The vara step: VaraNumber from the form (kept from the previous run when the
// date cannot be formed), then the four "Vaar" controls from its row; with no
// VaraNumber at all the controls keep their texts.
void ReportVara(const InputForm& form, CalculationState& state, ResultsPage& page);

}  // namespace velmora
