#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astronomy/TransitionSearch.h"

// The Moon's mansion, pada and sign and the Sun's sign, sidereal, from the
// panchang's own Sun and Moon and its ayanamsa (the yoga's), with the spans of
// the mansion, the pada and the Moon's sign on the local clock.
namespace velmora {

// The pada (0..107, 4 × mansion + quarter) or the sign (0..11) of a sidereal
// longitude in degrees; 360 counts as 0. Nothing for a longitude that is not a
// number or lies outside 0..360.
std::optional<int> PadaIndexOf(double siderealLon);
std::optional<int> SignIndexOf(double siderealLon);

struct MoonMansionResult {
    std::optional<int> Pada;      // 0..107; the mansion is Pada / 4
    std::optional<int> MoonSign;  // 0..11
    std::optional<int> SunSign;   // 0..11
    // Span texts as the other spans show them; empty when a search gave up.
    std::string MansionSpan;
    std::string PadaSpan;
    std::string MoonSignSpan;
    // The mansion's start and end alone, "d.mm.yyyy hh:mm" (no leading
    // blank); empty when unknown.
    std::string MansionStart;
    std::string MansionEnd;
};

// From the Sun and Moon at the query moment (a JDE), minus the ayanamsa
// (degrees) and the zone the moments are shown in (hours, the zone less ΔT).
MoonMansionResult MoonMansionOf(const SunMoon& at, double negAyanamsa, double shownTz);

// The one line shown beside the mansion's span when the mansion the window
// names (the engine's short lunar series) is not the one the span belongs to
// (the panchang's Moon): which side of the change each is on, and when the
// panchang's Moon changes. Empty when the two agree or the mansion is unknown.
std::string NakshatraNoteText(std::string_view shownName, const MoonMansionResult& mansion);

}  // namespace velmora
