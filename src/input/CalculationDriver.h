#pragma once

#include <optional>
#include <string_view>

#include "input/InputForm.h"
#include "input/Refusal.h"
#include "panchang/MoonMansion.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

namespace velmora {

// One press of "Get My Panchang Results": checks the form, copies it into the
// birth record, runs the engine and the panchang report, and writes the echo
// and the result texts onto the page. Returns the refusal when the check
// refuses (then nothing is written). `page` is the results window's page,
// fresh (design texts) for each window the program creates.
std::optional<Refusal> RunCalculation(const InputForm& form, CalculationState& state, ResultsPage& page);

// The facing class of a nakshatra (downward, sideways or upward looking) into
// lblType, lblNakshatraCharacterstic and txtMoreAboutNakshatra. The name is
// compared exactly after trimming blanks; an unknown name looks upward.
void WriteNakshatraFacing(std::string_view moonNakshatra, ResultsPage& page);

// The panchang Moon's mansion span, pada, syllable and signs into the rows
// below the nakshatra's first controls, with the line that says so when
// `shownName` (the name the tab shows) is not the mansion the span belongs to.
// A value this run could not form is written empty.
void WriteMoonMansion(const MoonMansionResult& mansion, std::string_view shownName, ResultsPage& page);

}  // namespace velmora
