#include "day/DayZone.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "astronomy/Calendar.h"

namespace velmora {

namespace {

// Seconds of an offset, or 0 when it is not a plausible clock. Offsets of
// standard time are whole minutes; local mean times before it are not
// (Madras time, +05:21:10), and their seconds are kept.
long long OffsetSeconds(double offsetHours) {
    if (!std::isfinite(offsetHours) || std::fabs(offsetHours) > 18) return 0;
    return std::llround(offsetHours * 3600);
}

// "+05:30", or "+05:21:10" for an offset with seconds.
std::string SignedOffset(long long seconds) {
    const long long size = seconds < 0 ? -seconds : seconds;  // at most 18 h
    char text[48];
    if (size % 60 == 0) {
        std::snprintf(text, sizeof text, "%c%02lld:%02lld", seconds < 0 ? '-' : '+', size / 3600, size / 60 % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02lld:%02lld:%02lld", seconds < 0 ? '-' : '+', size / 3600,
                      size / 60 % 60, size % 60);
    }
    return text;
}

}  // namespace

std::string FixedZone::Name() const { return OffsetText(offsetHours_); }

std::string OffsetText(double offsetHours) { return SignedOffset(OffsetSeconds(offsetHours)); }

double LocalMidnight(int year, int month, int day, const DayZone& zone) {
    const double jd0 = JulianDayFromDate(month, day, year);  // 0h of the date on the UT clock
    // The clock reads midnight at jd0 - offset / 24 when the offset is the one
    // in force at that very moment. Try the offsets in force around there
    // (at most two: a clock change near midnight) and keep the earliest
    // moment that agrees with itself: after a clock goes back, the first of
    // two midnights.
    double offsets[3] = {zone.OffsetHours(jd0), 0, 0};
    double candidates[3] = {jd0 - offsets[0] / 24, 0, 0};
    for (int i = 1; i < 3; ++i) {
        offsets[i] = zone.OffsetHours(candidates[i - 1]);
        candidates[i] = jd0 - offsets[i] / 24;
    }
    std::optional<double> midnight;
    for (int i = 0; i < 3; ++i) {
        const double ut = candidates[i];
        if (std::isfinite(ut) && zone.OffsetHours(ut) == offsets[i] && !(midnight && *midnight <= ut)) midnight = ut;
    }
    if (midnight) return *midnight;
    // No moment reads midnight: the clock jumps over it (forward at midnight,
    // or past the whole date where a zone skips one). The date begins at the
    // jump: the first moment whose clock reads at or past midnight, found to
    // a millisecond between the two offsets' readings.
    double lo = std::fmin(candidates[0], candidates[1]);
    double hi = std::fmax(candidates[0], candidates[1]);
    const auto pastMidnight = [&](double ut) { return ut + zone.OffsetHours(ut) / 24 >= jd0; };
    if (!(hi > lo) || pastMidnight(lo) || !pastMidnight(hi)) return candidates[2];
    for (int i = 0; i < 64 && hi - lo > 1e-3 / 86400; ++i) {
        const double mid = 0.5 * (lo + hi);
        (pastMidnight(mid) ? hi : lo) = mid;
    }
    return hi;
}

bool DateOnClock(int year, int month, int day, const DayZone& zone) {
    const double begins = LocalMidnight(year, month, day, zone);
    const double ends = LocalMidnight(year, month, day + 1, zone);
    // A skipped date begins and ends at the jump, give or take the
    // millisecond its moment is found to: any date on a clock is hours long.
    return std::isfinite(begins) && std::isfinite(ends) && ends - begins > 1.0 / 24;
}

std::string LocalTimeText(double jdUt, double offsetHours) {
    if (!std::isfinite(jdUt) || std::fabs(jdUt) > 1e8) return {};
    const long long offsetSeconds = OffsetSeconds(offsetHours);
    // Whole seconds from the Julian day 0.5 (a midnight): exact integer arithmetic from here.
    const double seconds = std::round((jdUt - 0.5) * 86400) + static_cast<double>(offsetSeconds);
    const long long total = static_cast<long long>(seconds);
    long long days = total / 86400;
    long long rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        days -= 1;
    }
    CalendarMoment date;
    if (!CalendarFromJulianDay(static_cast<double>(days) + 0.5 + 0.25, date)) return {};
    if (date.year < 1 || date.year > 9999) return {};
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lld", date.year, date.month, date.day,
                  rest / 3600, rest / 60 % 60, rest % 60);
    return text + SignedOffset(offsetSeconds);
}

std::string LocalTimeText(double jdUt, const DayZone& zone) {
    if (!std::isfinite(jdUt)) return {};
    return LocalTimeText(jdUt, zone.OffsetHours(jdUt));
}

std::string LocalMinuteText(double jdUt, const DayZone& zone) {
    if (!std::isfinite(jdUt)) return {};
    const double offset = zone.OffsetHours(jdUt);
    // The clock reading rounded to the minute: the moment moved to the
    // nearest whole minute of the clock, with the offset's own seconds.
    const double local = (jdUt - 0.5) * 1440 + static_cast<double>(OffsetSeconds(offset)) / 60;
    const double shift = (std::round(local) - local) / 1440;
    const std::string text = LocalTimeText(jdUt + shift, offset);
    return text.size() >= 16 ? text.substr(0, 16) : std::string();
}

}  // namespace velmora
