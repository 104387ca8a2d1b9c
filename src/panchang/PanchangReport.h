#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Engine.h"
#include "panchang/MoonMansion.h"
#include "panchang/PanchangTables.h"
#include "shared/QueryDate.h"

namespace velmora {

// The moment of the query on the panchang's time scales.
struct PanchangMoment {
    double z;        // signed zone offset, hours (local time = UT + z)
    double jdUt;     // Julian day, universal time
    double deltaT;   // ΔT = TT − UT at jdUt, hours
    double jde;      // the same moment in ephemeris time (ΔT added once)
    double shownTz;  // z − ΔT, hours: a search moment t (a JDE) is shown as t + shownTz / 24
};

// The time chain from the engine's working values: JD of 0h of the civil date
// plus the local clock time less z, then ΔT, evaluated once.
PanchangMoment PanchangTimeChain(const WorkingValues& working);

// What the panchang report finds. A part that is missing (or a span text that
// is empty) is a step that could not be done; the caller keeps what it had.
struct PanchangResult {
    std::optional<int> VaraNumber;  // 1 = Sunday .. 7 = Saturday

    // The tithi's row is read at index 1 when the index itself cannot be
    // formed; index 30 has an empty name and no row.
    int TithiIndex = 1;
    std::optional<std::string_view> CurrentTithi;
    std::optional<TithiRow> Tithi;
    std::string CurrentTithiSpan;

    std::optional<std::string_view> CurrentYoga;
    std::optional<std::string_view> YogaText;
    std::string CurrentYogaSpan;

    std::optional<std::string_view> CurrentKarana;
    std::string CurrentKaranaSpan;

    double NegAyanamsa = 0.0;  // minus the ayanamsa of the query moment, degrees

    // The Moon's mansion, pada and sign and the Sun's sign, with their spans.
    MoonMansionResult Mansion;
};

// The panchang of the query moment, from the engine's working values
// (CalcMonth/Day/Year, LocalHours, SignedZone) and the date of the input
// window's lists (for the vara). In this order: the vara, the time chain
// (local clock time → UT Julian day → JDE with ΔT applied once), minus the
// ayanamsa, the Sun and Moon at the JDE, then yoga, tithi and karana with the
// spans that hold the moment, shown on the local clock; last the Moon's
// mansion, pada and sign and the Sun's sign, which change none of the above.
PanchangResult CalculatePanchang(const WorkingValues& working, const QueryDate& date);

}  // namespace velmora
