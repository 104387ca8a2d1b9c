#include "day/DayZone.h"

#include <cmath>
#include <cstdio>

#include "astronomy/Calendar.h"

namespace velmora {

namespace {

// Minutes of an offset, or 0 when it is not a plausible clock.
long long OffsetMinutes(double offsetHours) {
    if (!std::isfinite(offsetHours) || std::fabs(offsetHours) > 18) return 0;
    return std::llround(offsetHours * 60);
}

}  // namespace

std::string FixedZone::Name() const { return OffsetText(offsetHours_); }

std::string OffsetText(double offsetHours) {
    const long long minutes = OffsetMinutes(offsetHours);
    const long long size = minutes < 0 ? -minutes : minutes;  // at most 18 h
    char text[48];
    std::snprintf(text, sizeof text, "%c%02lld:%02lld", minutes < 0 ? '-' : '+', size / 60, size % 60);
    return text;
}

double LocalMidnight(int year, int month, int day, const DayZone& zone) {
    const double jd0 = JulianDayFromDate(month, day, year);  // 0h of the date on the UT clock
    double ut = jd0 - zone.OffsetHours(jd0) / 24;
    // Twice more with the offset at the moment found: a change between the
    // first guess and midnight is then taken into account.
    for (int i = 0; i < 2; ++i) ut = jd0 - zone.OffsetHours(ut) / 24;
    return ut;
}

std::string LocalTimeText(double jdUt, double offsetHours) {
    if (!std::isfinite(jdUt) || std::fabs(jdUt) > 1e8) return {};
    const long long offsetMinutes = OffsetMinutes(offsetHours);
    // Whole seconds from the Julian day 0.5 (a midnight): exact integer arithmetic from here.
    const double seconds = std::round((jdUt - 0.5) * 86400) + static_cast<double>(offsetMinutes) * 60;
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
    const long long size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lld%c%02lld:%02lld", date.year, date.month,
                  date.day, rest / 3600, rest / 60 % 60, rest % 60, offsetMinutes < 0 ? '-' : '+', size / 60,
                  size % 60);
    return text;
}

std::string LocalTimeText(double jdUt, const DayZone& zone) {
    if (!std::isfinite(jdUt)) return {};
    return LocalTimeText(jdUt, zone.OffsetHours(jdUt));
}

}  // namespace velmora
