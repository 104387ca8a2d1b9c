#pragma once

#include <string>

#include "shared/CalculationState.h"

// Start and end moments of the tithi, karana and yoga in force at a moment.
// Every search moment is a JDE; a displayed moment is t + tz/24 (ΔT is not
// taken back out). Result text: start, "  to", " ", end.
namespace velmora {

// JDE of the new moon of lunation k (k = 0 near JDE 2415020.75933); T is taken
// from the jde argument.
double NewMoonTime(double jde, double k);

// Span of elongation element n (tithi: step 12, n 0..29; karana: step 6, n 0..59).
std::string ElongationPeriodText(CalculationState& state, double jde, int n, double tz, double step);

// Span of the yoga whose unreduced sidereal sum at jde is yogaSum. Reads
// NegAyanamsa from the state.
std::string YogaPeriodText(CalculationState& state, double jde, double yogaSum, double tz);

}  // namespace velmora
