#include "calendar/CalendarEvents.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "panchang/PanchangTables.h"

namespace velmora {

namespace {

// Days from 1970-01-01 to a Gregorian date, and back (the civil-from-days
// algorithm on 400-year eras, exact in 64-bit integers).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), m, d};
}

constexpr double UnixEpochJd = 2440587.5;

std::string DateKey(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string WithPlace(const std::string& base, const std::string& placeKey) {
    return placeKey.empty() ? base + "@velmora" : base + "-" + placeKey + "@velmora";
}

}  // namespace

std::optional<UtcTime> UtcFromJulianDay(double jd) {
    // Years 1..9999 lie between these Julian days; beyond them no calendar
    // file can carry the moment anyway.
    if (!std::isfinite(jd) || jd < 1721425.5 || jd >= 5373484.5) return std::nullopt;
    const long long seconds = std::llround((jd - UnixEpochJd) * 86400.0);
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        days -= 1;
    }
    const CalendarDate date = CivilFromDays(days);
    return UtcTime{date.year, date.month, date.day, static_cast<int>(rest / 3600),
                   static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60)};
}

CalendarDate AddDays(const CalendarDate& date, int days) {
    return CivilFromDays(DaysFromCivil(date.year, date.month, date.day) + days);
}

int DaysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

int WeekdayOf(const CalendarDate& date) {
    // 1970-01-01 was a Thursday (4).
    const long long days = DaysFromCivil(date.year, date.month, date.day);
    const long long weekday = (days % 7 + 7 + 4) % 7;
    return static_cast<int>(weekday);
}

std::string ObservanceTitle(Observance observance) {
    const int number = TithiOfObservance(observance);
    std::string name(TithiNameOf(number - 1).value_or(""));
    const std::string paksha = number <= 15 ? "Shukla" : "Krishna";
    switch (observance) {
        case Observance::Purnima: return name + " – full moon";
        case Observance::Amavasya: return name + " – new moon";
        case Observance::ShuklaEkadashi:
        case Observance::KrishnaEkadashi: return name + " (" + paksha + ")";
        case Observance::VinayakaChaturthi: return name + " (Shukla) – Vinayaka Chaturthi";
        case Observance::SankashtiChaturthi: return name + " (Krishna) – Sankashti Chaturthi";
        case Observance::ShuklaPradosh:
        case Observance::KrishnaPradosh: return name + " (" + paksha + ") – Pradosh";
    }
    return name;
}

std::string EventTimeText(double jd, const OffsetAt& offset) {
    const std::optional<int> minutes = offset ? offset(jd) : std::optional<int>();
    const int east = minutes.value_or(0);
    const std::optional<UtcTime> local = UtcFromJulianDay(jd + east / 1440.0);
    if (!local) return {};
    const int size = east < 0 ? -east : east;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %c%02d:%02d", local->year, local->month,
                  local->day, local->hour, local->minute, local->second, east < 0 ? '-' : '+', size / 60,
                  size % 60);
    return text;
}

std::string Slug(const std::string& text) {
    std::string slug;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letter) {
            slug += c;
        } else if (c >= 'A' && c <= 'Z') {
            slug += static_cast<char>(c - 'A' + 'a');
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug;
}

std::vector<CalendarEvent> ObservanceEvents(const std::vector<ObservanceEntry>& observances,
                                            const std::vector<SankrantiEvent>& sankrantis,
                                            const std::vector<MoonPhaseMoment>& phases,
                                            const std::string& placeKey, const OffsetAt& offset) {
    std::vector<CalendarEvent> events;
    for (const ObservanceEntry& entry : observances) {
        if (!entry.kept) continue;
        CalendarEvent event;
        event.allDay = true;
        event.date = entry.date;
        event.summary = ObservanceTitle(entry.observance);
        // The day of the new or the full moon's tithi, which may be the
        // date before the moment itself (an event of its own, "New moon"):
        // the title says which of the two this is.
        if (entry.observance == Observance::Amavasya || entry.observance == Observance::Purnima) {
            event.summary = "Tithi at sunrise: " + event.summary;
        }
        event.category = std::string(ObservanceName(entry.observance));
        event.uid = WithPlace(DateKey(entry.date.year, entry.date.month, entry.date.day) + "-" +
                                  std::string(ObservanceKey(entry.observance)),
                              placeKey);
        event.description = std::string(ObservanceName(entry.observance)) + ". Tithi " +
                            std::to_string(entry.tithi.number) + " from " +
                            EventTimeText(entry.tithi.start, offset) + " to " +
                            EventTimeText(entry.tithi.end, offset) + ".";
        event.description += entry.how == TithiOnDay::Kshaya
                                 ? " The tithi begins after sunrise and ends before the next sunrise (kshaya)."
                                 : " In force at sunrise.";
        events.push_back(std::move(event));
    }
    for (const SankrantiEvent& sankranti : sankrantis) {
        const std::optional<UtcTime> moment = UtcFromJulianDay(sankranti.moment);
        if (!moment) continue;
        CalendarEvent event;
        event.allDay = false;
        event.moment = *moment;
        event.summary = sankranti.sign + " Sankranti";
        event.category = "Sankranti";
        event.uid = WithPlace(DateKey(moment->year, moment->month, moment->day) + "-sankranti-" +
                                  Slug(sankranti.sign),
                              placeKey);
        event.description = "The sidereal Sun enters " + sankranti.sign + " at " +
                            EventTimeText(sankranti.moment, offset) + ".";
        events.push_back(std::move(event));
    }
    for (const MoonPhaseMoment& phase : phases) {
        const std::optional<UtcTime> moment = UtcFromJulianDay(phase.moment);
        if (!moment) continue;
        const bool full = phase.phase == MoonPhase::Full;
        CalendarEvent event;
        event.allDay = false;
        event.moment = *moment;
        event.summary = full ? "Full moon" : "New moon";
        event.category = "Moon phase";
        event.uid = WithPlace(DateKey(moment->year, moment->month, moment->day) +
                                  (full ? "-full-moon" : "-new-moon"),
                              placeKey);
        event.description = std::string(full ? "Full moon (the Moon 180° from the Sun)"
                                              : "New moon (the Moon in line with the Sun)") +
                            " at " + EventTimeText(phase.moment, offset) + ".";
        events.push_back(std::move(event));
    }
    SortEvents(events);
    return events;
}

void SortEvents(std::vector<CalendarEvent>& events) {
    const auto startOf = [](const CalendarEvent& event) {
        return event.allDay ? UtcTime{event.date.year, event.date.month, event.date.day, 0, 0, 0} : event.moment;
    };
    std::sort(events.begin(), events.end(), [&](const CalendarEvent& a, const CalendarEvent& b) {
        const UtcTime first = startOf(a);
        const UtcTime second = startOf(b);
        return std::tie(first, a.uid) < std::tie(second, b.uid);
    });
}

std::string EventUid(const std::string& base, const std::string& placeKey) { return WithPlace(base, placeKey); }

}  // namespace velmora
