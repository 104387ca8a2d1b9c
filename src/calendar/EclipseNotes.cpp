#include "calendar/EclipseNotes.h"

#include <cmath>
#include <cstdio>

#include "astronomy/Calendar.h"

namespace velmora {

namespace {

// "18:14:05" from "2026-03-03T18:14:05+05:30".
std::string ClockOf(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);
    return text.size() >= 19 ? text.substr(11, 8) : std::string("?");
}

// "2026-03-03 18:14:05" when the date is not the eclipse's own.
std::string DateAndClock(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);
    return text.size() >= 19 ? text.substr(0, 10) + " " + text.substr(11, 8) : std::string("?");
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

}  // namespace

std::string EclipseTitle(const Eclipse& e) {
    const bool solar = IsSolar(e.kind);
    const EclipseKind kind = solar && e.seenFromPlace ? e.localKind : e.kind;
    return Capitalized(EclipseKindName(kind)) + " eclipse (" + (solar ? "Surya" : "Chandra") + " Grahan)";
}

std::string EclipseBoxText(const Eclipse& e) {
    return std::string(IsSolar(e.kind) ? "Surya" : "Chandra") + " Grahan" + (e.visible ? "" : " (not visible)");
}

std::string EclipseVisibilityText(const Eclipse& e) {
    if (e.visible) {
        for (const EclipseContact& c : e.contacts) {
            if (!c.aboveHorizon) return "visible in part";
        }
        return "visible";
    }
    if (!e.seenFromPlace) return "not visible from here (outside the Moon's shadow)";
    return "not visible from here (below the horizon)";
}

std::vector<std::string> EclipseLines(const Eclipse& e, const DayZone& zone) {
    std::vector<std::string> lines;
    const bool solar = IsSolar(e.kind);
    std::string head = EclipseTitle(e) + ", " + EclipseVisibilityText(e);
    if (solar && e.seenFromPlace) {
        head += "; magnitude " + Fixed(e.localMagnitude, 3) + ", " + Fixed(e.localObscuration * 100, 0) +
                " % of the Sun covered";
    } else if (!solar) {
        head += "; umbral magnitude " + Fixed(e.magnitude, 3) + ", penumbral " + Fixed(e.penumbralMagnitude, 3);
    }
    lines.push_back(head);
    if (solar && !e.seenFromPlace) {
        lines.push_back("greatest eclipse (elsewhere) " + DateAndClock(e.greatestJdUt, zone));
        return lines;
    }
    const std::string body = solar ? "Sun" : "Moon";
    for (const EclipseContact& c : e.contacts) {
        lines.push_back(c.name + " " + DateAndClock(c.jdUt, zone) +
                        (c.aboveHorizon ? "" : ", " + body + " below the horizon"));
    }
    if (e.sutakFromJdUt && e.sutakToJdUt) {
        lines.push_back("sutak " + DateAndClock(*e.sutakFromJdUt, zone) + " to " + DateAndClock(*e.sutakToJdUt, zone));
    }
    return lines;
}

std::string EclipseSummary(const Eclipse& e, const DayZone& zone) {
    std::string text = EclipseTitle(e) + ", ";
    if (!e.visible) return text + EclipseVisibilityText(e);
    // The first and last contacts seen above the horizon (a contact below it
    // is left out: the eclipse then rises or sets already begun).
    const EclipseContact* first = nullptr;
    const EclipseContact* last = nullptr;
    const EclipseContact* greatest = nullptr;
    for (const EclipseContact& c : e.contacts) {
        if (c.key == "max") greatest = &c;
        if (!c.aboveHorizon) continue;
        if (first == nullptr) first = &c;
        last = &c;
    }
    text += EclipseVisibilityText(e);
    if (first != nullptr) text += ": " + first->name + " " + ClockOf(first->jdUt, zone);
    if (last != nullptr && last != first) text += " … " + last->name + " " + ClockOf(last->jdUt, zone);
    if (greatest != nullptr) text += "; greatest " + ClockOf(greatest->jdUt, zone);
    if (e.sutakFromJdUt) {
        const bool sameDate = LocalTimeText(*e.sutakFromJdUt, zone).substr(0, 10) ==
                              LocalTimeText(e.localGreatestJdUt, zone).substr(0, 10);
        text += "; sutak from " + (sameDate ? ClockOf(*e.sutakFromJdUt, zone) : DateAndClock(*e.sutakFromJdUt, zone));
    }
    return text;
}

std::string EclipsesLine(const std::vector<Eclipse>& eclipses, const DayZone& zone) {
    std::string line;
    for (const Eclipse& e : eclipses) line += (line.empty() ? "" : "; ") + EclipseSummary(e, zone);
    return line;
}

std::vector<Eclipse> EclipsesOfYear(int year, const Observer& place, const DayZone& zone) {
    std::vector<Eclipse> found;
    // A day either side of the year: the zone's clock differs from UT by
    // less than that.
    const double first = JulianDayFromDate(1, 1, year) - 1;
    const double last = JulianDayFromDate(1, 1, year + 1) + 1;
    for (const Eclipse& e : EclipsesBetween(first, last, place)) {
        const std::string local = LocalTimeText(e.localGreatestJdUt, zone);
        if (local.size() >= 4 && local.substr(0, 4) == std::to_string(year)) found.push_back(e);
    }
    return found;
}

std::string EclipsesTable(const std::vector<Eclipse>& eclipses, const DayZone& zone) {
    if (eclipses.empty()) return "Eclipses: none\n";
    std::string out = "Eclipses\n";
    for (const Eclipse& e : eclipses) {
        const std::string local = LocalTimeText(e.localGreatestJdUt, zone);
        out += (local.size() >= 10 ? local.substr(0, 10) : std::string("?")) + "  " + EclipseSummary(e, zone) + "\n";
    }
    return out;
}

CalendarEvent EclipseEvent(const Eclipse& e, const DayZone& zone, const std::string& placeKey) {
    CalendarEvent event;
    event.allDay = false;
    const std::optional<UtcTime> at = UtcFromJulianDay(e.localGreatestJdUt);
    if (at) event.moment = *at;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d", event.moment.year, event.moment.month, event.moment.day);
    const std::string base = std::string("eclipse-") + stamp + "-" + EclipseKindKey(e.kind);
    event.uid = placeKey.empty() ? base + "@velmora" : base + "-" + placeKey + "@velmora";
    event.summary = EclipseTitle(e) + (e.visible ? "" : " – not visible here");
    event.category = "Eclipse";
    std::string description;
    for (const std::string& line : EclipseLines(e, zone)) description += (description.empty() ? "" : "\n") + line;
    event.description = description;
    return event;
}

}  // namespace velmora
