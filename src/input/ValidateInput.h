#pragma once

#include <optional>

#include "input/InputForm.h"
#include "input/Refusal.h"

namespace velmora {

// The check run before every calculation: the name, the two coordinates and
// the calendar date, in this order, stopping at the first that fails. Nothing
// else of the form is examined (time, zone, place names pass as they are).
// Returns the refusal to show, or nothing when the input may be used. It reads
// the form only; any text in any box gives one or the other.
std::optional<Refusal> ValidateInput(const InputForm& form);

// The same with the date of the lists already read.
std::optional<Refusal> ValidateInput(const InputForm& form, const QueryDate& date);

}  // namespace velmora
