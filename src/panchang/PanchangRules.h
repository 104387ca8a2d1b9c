#pragma once

#include <optional>

#include "astronomy/Elements.h"

// The index rules of the panchang report: which tithi, half-tithi, karana and
// yoga a pair of longitudes falls in. Longitudes are tropical degrees as the
// Moon and Sun routines return them (0..360, 360 included). A rule that would
// turn a non-finite or out-of-range number into an index gives nothing: the
// caller skips the step.
namespace velmora {

// Tithi index floor(elongation / 12): 0..29, or 30 for a Moon at exactly 360
// with a Sun at exactly 0 (the empty name row). Nothing outside 0..30.
std::optional<int> TithiIndexOf(double moonLon, double sunLon);

// Half-tithi index floor(elongation / 6): 0..59, or 60 in the same corner case.
// Nothing outside 0..60.
std::optional<int> HalfTithiOf(double moonLon, double sunLon);

// Karana index of a half-tithi: 0 is Kimstughna (10); 57 and above count from
// 50 (57 Sakuna .. 59 Naga, 60 Kimstughna again); 1..56 cycle through the
// seven movable karanas Bava .. Visti. Nothing for a negative half-tithi.
std::optional<int> KaranaIndexOf(int halfTithi);

// Yoga position: the sum in units of 13°20′ (sum × 6 / 80) brought into 0..27
// by whole steps of 27 — upward while below 0, downward while above 27, so a
// position of exactly 27 stays 27. Computed with an exact remainder, which
// gives the same bits as stepping (each step of 27 is exact in double for the
// magnitudes concerned) without the hundreds of rounds. Nothing when the sum
// is not finite.
std::optional<double> YogaPositionOf(double yogaSum);

// Yoga index floor(position): 0..26, or 27 for a position of exactly 27 (the
// empty name row). Nothing outside 0..27.
std::optional<int> YogaIndexOf(double position);

}  // namespace velmora
