#pragma once

#include "input/InputForm.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

namespace velmora {

// The panchang of the query moment, run once per calculation after the engine
// has left its working values (CalcMonth/Day/Year, LocalHours, ZoneOffset,
// LonWest) in the state. In this order: the vara (from the form's date lists),
// the time chain (local clock time → UT Julian day → JDE with ΔT applied once),
// minus the ayanamsa, Moon then Sun, then yoga, tithi and karana. Writes the
// vara, tithi and yoga controls of the page directly and leaves the six name
// and span texts in state.results for the driver. A step that cannot be done
// (an index that is not finite or outside its table) is skipped and leaves
// what was there before.
void CalculatePanchang(const InputForm& form, CalculationState& state, ResultsPage& page);

// The moment of the query on the panchang's time scales.
struct PanchangMoment {
    double z;     // signed zone offset, hours (local time = UT + z)
    double jdUt;  // Julian day, universal time
    double jde;   // the same moment in ephemeris time (ΔT added once)
    double deltaT;   // ΔT = TT − UT at jdUt, hours
    double shownTz;  // z − ΔT, hours: a search moment t (a JDE) is shown as t + shownTz / 24
};

// The time chain from the engine's working values: JD of 0h of the civil date
// plus the local clock time less z, then ΔT. Evaluates DeltaTHours once (which
// rewrites the date fields of the state).
PanchangMoment PanchangTimeChain(CalculationState& state);

// Signed zone offset in hours (local time = UT + z): the zone size ahead of
// Greenwich for a place east of it (LonWest < 0), behind it otherwise; a
// longitude of exactly 0 counts as west.
double SignedZoneOffset(double zoneOffset, double lonWest);

}  // namespace velmora
