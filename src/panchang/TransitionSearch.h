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
// The text is empty when a moment cannot be shown as a date (a JDE or zone
// that is not a finite number, or one far outside any calendar).
std::string ElongationPeriodText(CalculationState& state, double jde, int n, double tz, double step);

// Span of the yoga whose unreduced sidereal sum at jde is yogaSum. Reads
// NegAyanamsa from the state. Empty in the same cases as above.
std::string YogaPeriodText(CalculationState& state, double jde, double yogaSum, double tz);

// Start and end of a span as JDEs (no zone applied), before they become text.
struct PeriodMoments {
    double start = 0;
    double end = 0;
};

// The moments behind ElongationPeriodText and YogaPeriodText, with the same
// side effects on the state (apart from the date fields, written only when a
// moment is formatted).
PeriodMoments ElongationPeriodMoments(CalculationState& state, double jde, int n, double step);
PeriodMoments YogaPeriodMoments(CalculationState& state, double jde, double yogaSum);

}  // namespace velmora
