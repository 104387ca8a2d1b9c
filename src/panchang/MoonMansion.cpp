#include "panchang/MoonMansion.h"

#include <cmath>

#include "astronomy/Calendar.h"
#include "engine/Engine.h"

namespace velmora {

namespace {

constexpr int kMansions = 27;

// A division index of a sidereal longitude, 0..count-1, with 360 read as 0.
std::optional<int> DivisionOf(double siderealLon, double width, int count) {
    if (!std::isfinite(siderealLon) || siderealLon < 0 || siderealLon > 360) return std::nullopt;
    const double index = std::floor(siderealLon / width);
    if (index >= count) return 0;  // 360 itself (or a hair below it, rounded up)
    return static_cast<int>(index);
}

// A moment on the local clock without the blank a one-digit day stands behind.
std::string MomentText(double jde, double shownTz) {
    std::string text = FormatJDTime(jde + shownTz / 24);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

}  // namespace

std::optional<int> PadaIndexOf(double siderealLon) { return DivisionOf(siderealLon, PadaDegrees, PadasPerTurn); }

std::optional<int> SignIndexOf(double siderealLon) { return DivisionOf(siderealLon, 30, 12); }

MoonMansionResult MoonMansionOf(const SunMoon& at, double negAyanamsa, double shownTz) {
    MoonMansionResult r;
    SiderealMoonSpans spans(at, negAyanamsa);
    r.SunSign = SignIndexOf(Normalize360(at.sun.longitude + negAyanamsa));
    r.Pada = PadaIndexOf(spans.Longitude());
    if (!r.Pada) return r;
    // The sign from the pada, so that the two never disagree at an edge.
    r.MoonSign = *r.Pada / PadasPerSign;
    r.PadaSpan = spans.Text(*r.Pada, 1, shownTz);
    if (const std::optional<PeriodMoments> mansion = spans.Moments(*r.Pada / PadasPerMansion, PadasPerMansion)) {
        r.MansionSpan = PeriodText(mansion, shownTz);
        if (!r.MansionSpan.empty()) {
            r.MansionStart = MomentText(mansion->start, shownTz);
            r.MansionEnd = MomentText(mansion->end, shownTz);
        }
    }
    r.MoonSignSpan = spans.Text(*r.MoonSign, PadasPerSign, shownTz);
    return r;
}

std::string NakshatraNoteText(std::string_view shownName, const MoonMansionResult& m) {
    if (!m.Pada || m.MansionSpan.empty()) return {};
    const int mansion = *m.Pada / PadasPerMansion;
    const std::string_view name = NakshatraNames[static_cast<std::size_t>(mansion)];
    if (shownName == name) return {};
    const std::string lead = "Times for " + std::string(name) + ": the short lunar series ";
    const std::string_view next = NakshatraNames[static_cast<std::size_t>((mansion + 1) % kMansions)];
    const std::string_view previous = NakshatraNames[static_cast<std::size_t>((mansion + kMansions - 1) % kMansions)];
    if (shownName == next) {
        return lead + "already gives " + std::string(next) + ", which the full lunar theory reaches at " +
               m.MansionEnd + ".";
    }
    if (shownName == previous) {
        return lead + "still gives " + std::string(previous) + ", which the full lunar theory left at " +
               m.MansionStart + ".";
    }
    // Not a neighbour: a name kept from an earlier run whose step failed.
    if (shownName.empty()) return "Times for " + std::string(name) + ".";
    return lead + "gives " + std::string(shownName) + ".";
}

}  // namespace velmora
