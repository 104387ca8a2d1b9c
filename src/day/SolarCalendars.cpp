#include "day/SolarCalendars.h"

#include <array>
#include <cmath>

#include "astronomy/Calendar.h"
#include "day/GoodHoursTables.h"

namespace velmora {

namespace {

// Whole days from a civil date: the Julian day number at its noon.
long long DayNumber(int year, int month, int day) {
    return static_cast<long long>(std::floor(JulianDayFromDate(month, day, year) + 0.5));
}

std::optional<CivilDay> DateOfNumber(long long number) {
    CalendarMoment m;
    if (!CalendarFromJulianDay(static_cast<double>(number), m)) return std::nullopt;
    return CivilDay{static_cast<int>(m.year), static_cast<int>(m.month), static_cast<int>(m.day)};
}

std::optional<CivilDay> LocalDateOf(double jdUt, const DayZone& zone) {
    const double z = zone.OffsetHours(jdUt);
    if (!std::isfinite(jdUt) || !std::isfinite(z) || std::fabs(z) > 24) return std::nullopt;
    CalendarMoment m;
    if (!CalendarFromJulianDay(jdUt + z / 24, m) || m.year < 1000 || m.year > 3000) return std::nullopt;
    return CivilDay{static_cast<int>(m.year), static_cast<int>(m.month), static_cast<int>(m.day)};
}

// The fraction of daytime before which a sankranti keeps its own day.
double DaytimeCutOff(SolarCalendar calendar) { return calendar == SolarCalendar::Tamil ? 1.0 : 3.0 / 5.0; }

}  // namespace

std::string_view SolarMonthName(SolarCalendar calendar, int sign) {
    const auto s = static_cast<std::size_t>(((sign % 12) + 12) % 12);
    switch (calendar) {
        case SolarCalendar::Tamil: return TamilMonthNames[s];
        case SolarCalendar::Malayalam: return MalayalamMonthNames[s];
        case SolarCalendar::Bengali: return BengaliMonthNames[s];
    }
    return {};
}

namespace {

// The first days a sankranti gives in the three calendars (Tamil, Malayalam,
// Bengali), from one search of its civil day's sunrise and sunset.
std::array<std::optional<CivilDay>, 3> FirstDays(const Sankranti& sankranti, const Observer& place,
                                                 const DayZone& zone) {
    std::array<std::optional<CivilDay>, 3> out;
    const std::optional<CivilDay> date = LocalDateOf(sankranti.jdUt, zone);
    if (!date) return out;
    const long long number = DayNumber(date->year, date->month, date->day);
    out[2] = DateOfNumber(number + 1);
    const double midnight = LocalMidnight(date->year, date->month, date->day, zone);
    const double nextMidnight = LocalMidnight(date->year, date->month, date->day + 1, zone);
    if (!(std::isfinite(midnight) && nextMidnight > midnight && nextMidnight - midnight < 2)) return out;
    std::optional<double> rise, set;
    for (const HorizonCrossing& c : HorizonCrossings(RiseSetBody::Sun, place, midnight, nextMidnight)) {
        if (c.rising && !rise) rise = c.jdUt;
        if (!c.rising && rise && !set) set = c.jdUt;
    }
    // Without a sunrise and sunset that day (polar places) the civil day's
    // own span stands in for daytime.
    const double from = rise && set ? *rise : midnight;
    const double to = rise && set ? *set : nextMidnight;
    for (const SolarCalendar c : {SolarCalendar::Tamil, SolarCalendar::Malayalam}) {
        const double cutOff = from + DaytimeCutOff(c) * (to - from);
        out[static_cast<std::size_t>(c)] = DateOfNumber(sankranti.jdUt < cutOff ? number : number + 1);
    }
    return out;
}

// The date in a calendar from the month that holds it.
SolarDate DateIn(SolarCalendar calendar, int sign, const CivilDay& first, long long today) {
    SolarDate d;
    d.sign = ((sign % 12) + 12) % 12;
    d.day = static_cast<int>(today - DayNumber(first.year, first.month, first.day)) + 1;
    d.firstDay = first;
    switch (calendar) {
        case SolarCalendar::Tamil: d.year = d.sign <= 8 ? first.year : first.year - 1; break;
        case SolarCalendar::Malayalam:
            d.year = (d.sign >= KollamChingamSign && d.sign <= 8 ? first.year : first.year - 1) - KollamFromGregorian;
            break;
        case SolarCalendar::Bengali: d.year = (d.sign <= 8 ? first.year : first.year - 1) - BangabdaFromGregorian; break;
    }
    return d;
}

}  // namespace

std::optional<CivilDay> SolarMonthFirstDay(SolarCalendar calendar, const Sankranti& sankranti, const Observer& place,
                                           const DayZone& zone) {
    return FirstDays(sankranti, place, zone)[static_cast<std::size_t>(calendar)];
}

std::vector<Sankranti> SankrantisAround(int year, int month, int day, const DayZone& zone) {
    const double midnight = LocalMidnight(year, month, day, zone);
    if (!std::isfinite(midnight)) return {};
    return SankrantisBetween(midnight - 40, midnight + 2);
}

std::optional<SolarDate> SolarDateOf(SolarCalendar calendar, int year, int month, int day, const Observer& place,
                                     const DayZone& zone, const std::vector<Sankranti>& sankrantis) {
    if (year < 1000 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const std::vector<Sankranti> searched = sankrantis.empty() ? SankrantisAround(year, month, day, zone) : sankrantis;
    const long long today = DayNumber(year, month, day);
    // The latest sankranti whose month has begun by today.
    for (auto it = searched.rbegin(); it != searched.rend(); ++it) {
        const std::optional<CivilDay> first = SolarMonthFirstDay(calendar, *it, place, zone);
        if (!first) return std::nullopt;
        const long long start = DayNumber(first->year, first->month, first->day);
        if (start > today) continue;
        if (today - start > 32) return std::nullopt;  // a sankranti missing from the list
        return DateIn(calendar, it->sign, *first, today);
    }
    return std::nullopt;
}

bool SolarMonthCache::Cover(double from, double to) {
    constexpr double kGrowth = 32;  // days: a solar month is 29.3 to 31.5
    if (!(std::isfinite(from) && std::isfinite(to) && to > from && to - from < 4000)) return false;
    auto search = [this](double a, double b) {
        std::vector<Month> found;
        for (const Sankranti& s : SankrantisBetween(a, b)) {
            Month m{s, {}};
            const auto days = FirstDays(s, place_, zone_);
            for (std::size_t i = 0; i < 3; ++i) m.first[i] = days[i];
            found.push_back(m);
        }
        return found;
    };
    if (months_.empty() || to < from_ - 400 || from > to_ + 400) {
        // The first look, or one far from the last: just what is asked.
        months_ = search(from, to);
        from_ = from;
        to_ = to;
        return true;
    }
    // Next to what is known: grow by a solar month at least, so a run of
    // days searches each stretch once (not a day at a time) and a month's
    // days search about two months' sankrantis, not a year's.
    if (to > to_) {
        const double newTo = std::fmax(to, to_ + kGrowth);
        const std::vector<Month> more = search(to_, newTo);
        months_.insert(months_.end(), more.begin(), more.end());
        to_ = newTo;
    }
    if (from < from_) {
        const double newFrom = std::fmin(from, from_ - kGrowth);
        const std::vector<Month> more = search(newFrom, from_);
        months_.insert(months_.begin(), more.begin(), more.end());
        from_ = newFrom;
    }
    return true;
}

std::optional<SolarDate> SolarMonthCache::DateOf(SolarCalendar calendar, int year, int month, int day) {
    if (year < 1000 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const double midnight = LocalMidnight(year, month, day, zone_);
    if (!Cover(midnight - 40, midnight + 2)) return std::nullopt;
    const long long today = DayNumber(year, month, day);
    for (auto it = months_.rbegin(); it != months_.rend(); ++it) {
        if (it->sankranti.jdUt >= midnight + 2) continue;
        const std::optional<CivilDay>& first = it->first[static_cast<std::size_t>(calendar)];
        if (!first) return std::nullopt;
        const long long start = DayNumber(first->year, first->month, first->day);
        if (start > today) continue;
        if (today - start > 32) return std::nullopt;
        return DateIn(calendar, it->sankranti.sign, *first, today);
    }
    return std::nullopt;
}

std::optional<int> SolarMonthCache::SunSignAt(double jdUt) const {
    // Every sankranti of [from_, to_) is held, and they come a month apart:
    // the latest one before `jdUt` names the sign, if it is in the range.
    if (!std::isfinite(jdUt) || jdUt < from_ || jdUt >= to_) return std::nullopt;
    for (auto it = months_.rbegin(); it != months_.rend(); ++it) {
        if (it->sankranti.jdUt <= jdUt) return it->sankranti.sign;
    }
    return std::nullopt;
}

}  // namespace velmora
