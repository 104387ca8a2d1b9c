#include "calendar/CalendarDays.h"

#include <cmath>
#include <cstdlib>

#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "calendar/AlmanacMarks.h"
#include "calendar/EclipseNotes.h"
#include "day/DayTables.h"
#include "day/SolarCalendars.h"
#include "panchang/MoonMansion.h"

namespace velmora {

namespace {

// "07:01" for 07:00:41: the clock rounded to the minute, as an almanac prints it.
std::string ClockText(double jdUt, const DayZone& zone) {
    const std::string text = LocalMinuteText(jdUt, zone);  // "2026-12-07T07:01"
    return text.size() == 16 ? text.substr(11, 5) : std::string();
}

const DayElement* InForceAt(const std::vector<DayElement>& elements, double jdUt) {
    for (const DayElement& element : elements) {
        if (element.startJdUt <= jdUt && jdUt < element.endJdUt) return &element;
    }
    return nullptr;
}

std::string SignName(int sign) {
    if (sign < 0 || sign >= static_cast<int>(SignNames.size())) return {};
    return std::string(SignNames[static_cast<std::size_t>(sign)]);
}

void AppendDistinct(std::vector<std::string>& list, const std::string& text) {
    if (!text.empty() && (list.empty() || list.back() != text)) list.push_back(text);
}

std::string Joined(const std::vector<std::string>& list, const char* between) {
    std::string text;
    for (const std::string& item : list) text += (text.empty() ? "" : between) + item;
    return text;
}

}  // namespace

ObservanceDay ObservanceDayOf(const HinduDay& day) {
    ObservanceDay result;
    result.date = {day.year, day.month, day.day};
    result.sunrise = day.startJdUt;
    result.nextSunrise = day.endJdUt;
    for (const DayElement& tithi : day.tithi) result.tithis.push_back({tithi.number, tithi.startJdUt, tithi.endJdUt});
    return result;
}

namespace {

// The Moon's sidereal sign at a moment (UT), on the panchang's own Moon and
// ayanamsa; -1 when it is no number.
int MoonSignAt(double jdUt) {
    const double jde = EphemerisFromUniversal(jdUt);
    const SiderealMoonSpans spans(SunMoonAt(jde), NegativeAyanamsa(jde));
    return SignIndexOf(spans.Longitude()).value_or(-1);
}

}  // namespace

std::string MasaText(const LunarMonth& masa) {
    if (masa.amanta < 0 || masa.amanta >= static_cast<int>(MasaNames.size())) return {};
    std::string text(MasaNames[static_cast<std::size_t>(masa.amanta)]);
    if (masa.adhika) text = "Adhika " + text;
    if (masa.kshaya) text = "Kshaya " + text;
    return text;
}

std::string ObservanceText(const ObservanceEntry& entry, const std::optional<LunarMonth>& masa) {
    std::string text(ObservanceName(entry.observance));
    const bool ekadashi =
        entry.observance == Observance::ShuklaEkadashi || entry.observance == Observance::KrishnaEkadashi;
    if (ekadashi && masa) {
        const std::string name = EkadashiNameOf(masa->amanta, entry.observance == Observance::ShuklaEkadashi, masa->adhika);
        if (!name.empty()) text += " (" + name + ")";
    }
    return text;
}

CalendarSpan ComputeCalendarSpan(const CalendarDate& first, int count, const Observer& place, const DayZone& zone) {
    CalendarSpan span;
    std::vector<ObservanceDay> observanceDays;
    std::vector<HinduDay> festivalDays;  // the days asked for with a few either side
    bool haveContext = false;
    HinduDays hinduDays(place, zone);
    // A few days either side of the run for the festivals' rules.
    for (int back = FestivalContextDays; back >= 1; --back) {
        const CalendarDate date = AddDays(first, -back);
        if (std::optional<HinduDay> day = hinduDays.Day(date.year, date.month, date.day)) festivalDays.push_back(*day);
    }
    // The day before the first (before a date the clock skips, the one
    // before that): whether the first date's tithi held the sunrise before.
    for (int back = 1; back <= 3; ++back) {
        const CalendarDate date = AddDays(first, -back);
        if (const std::optional<HinduDay> day = hinduDays.Day(date.year, date.month, date.day)) {
            observanceDays.push_back(ObservanceDayOf(*day));
            haveContext = true;
            // Its events after midnight are on the first date.
            if (day->sankranti) span.sankrantis.push_back({SignName(day->sankranti->sign), day->sankranti->jdUt});
            for (const MoonPhaseMoment& phase : MoonPhasesOn(observanceDays.back())) span.phases.push_back(phase);
            span.dayBefore = *day;
            break;
        }
        if (!hinduDays.Skipped(date.year, date.month, date.day)) break;
    }
    for (int i = 0; i < count; ++i) {
        const CalendarDate date = AddDays(first, i);
        const std::optional<HinduDay> day = hinduDays.Day(date.year, date.month, date.day);
        if (day) festivalDays.push_back(*day);
        if (!day) {
            span.troubles.push_back({date, hinduDays.Trouble(date.year, date.month, date.day)});
            // A date the clock skips lies between two days that meet: the run
            // of days goes on. After any other gap the next day cannot lean
            // on the one before.
            if (hinduDays.Skipped(date.year, date.month, date.day)) continue;
            if (!observanceDays.empty()) {
                const auto found = ObservancesOf(observanceDays, haveContext);
                span.observances.insert(span.observances.end(), found.begin(), found.end());
            }
            observanceDays.clear();
            haveContext = false;
            continue;
        }
        observanceDays.push_back(ObservanceDayOf(*day));
        if (day->sankranti) span.sankrantis.push_back({SignName(day->sankranti->sign), day->sankranti->jdUt});
        for (const MoonPhaseMoment& phase : MoonPhasesOn(observanceDays.back())) span.phases.push_back(phase);
        span.days.push_back(*day);
    }
    const auto found = ObservancesOf(observanceDays, haveContext);
    span.observances.insert(span.observances.end(), found.begin(), found.end());
    for (int i = count; i < count + FestivalContextDays; ++i) {
        const CalendarDate date = AddDays(first, i);
        if (std::optional<HinduDay> day = hinduDays.Day(date.year, date.month, date.day)) festivalDays.push_back(*day);
    }
    if (count > 0) span.festivals = FestivalsBetween(festivalDays, first, AddDays(first, count - 1), zone);
    return span;
}

MonthGrid MonthGridOf(int year, int month, const CalendarSpan& span, const DayZone& zone) {
    MonthGrid grid;
    grid.year = year;
    grid.month = month;
    grid.weeks = MonthLayout(year, month);
    std::vector<std::string> months;
    std::vector<std::string> years;
    std::optional<SolarMonthCache> solar;  // the month's days share their sankrantis
    std::optional<double> previousSunrise;
    for (const HinduDay& day : span.days) {
        const std::optional<double> before = previousSunrise;
        previousSunrise = day.startJdUt;
        if (day.year != year || day.month != month) continue;
        MonthCell* cell = nullptr;
        for (auto& week : grid.weeks) {
            for (MonthCell& candidate : week) {
                if (candidate.inMonth && candidate.date == CalendarDate{day.year, day.month, day.day}) cell = &candidate;
            }
        }
        if (cell == nullptr) continue;
        cell->computed = true;
        if (const DayElement* tithi = InForceAt(day.tithi, day.startJdUt)) {
            cell->tithiNumber = tithi->number;
            cell->tithi = std::string(tithi->name);
            cell->paksha = tithi->number <= 15 ? "Shukla" : "Krishna";
        }
        if (const DayElement* nakshatra = InForceAt(day.nakshatra, day.startJdUt)) {
            cell->nakshatra = std::string(nakshatra->name);
            cell->nakshatraNumber = nakshatra->number;
        }
        cell->moonSign = MoonSignAt(day.startJdUt);
        if (!solar) solar.emplace(day.place, zone);
        for (const SolarCalendar c : {SolarCalendar::Tamil, SolarCalendar::Malayalam, SolarCalendar::Bengali}) {
            if (const std::optional<SolarDate> d = solar->DateOf(c, day.year, day.month, day.day)) {
                cell->solar[static_cast<std::size_t>(c)] = std::string(SolarMonthName(c, d->sign)) + " " +
                                                           std::to_string(d->day);
            }
        }
        if (day.sunrise) cell->sunrise = ClockText(*day.sunrise, zone);
        if (day.sunset) cell->sunset = ClockText(*day.sunset, zone);
        for (const TithiSpan& tithi : ObservanceDayOf(day).tithis) {
            if ((tithi.number == 15 || tithi.number == 30) && tithi.end >= day.startJdUt && tithi.end < day.endJdUt) {
                cell->moon = tithi.number == 15 ? MoonPhase::Full : MoonPhase::New;
            }
        }
        if (day.sankranti) cell->sankranti = SignName(day.sankranti->sign) + " Sankranti";
        for (const Eclipse& e : day.eclipses) {
            // Appended piece by piece (g++ 12 -O3 -Werror=restrict false alarm).
            std::string text = EclipseBoxText(e);
            if (e.visible) {
                text += ' ';
                text += ClockText(e.localGreatestJdUt, zone);
            }
            cell->eclipses.push_back(std::move(text));
        }
        AddAlmanacMarks(*cell, day, before, zone);
        if (day.masa) {
            cell->masa = MasaText(*day.masa);
            AppendDistinct(months, cell->masa);
            AppendDistinct(years, "Shaka " + std::to_string(day.masa->shakaYear) + " · Vikram " +
                                      std::to_string(day.masa->vikramYear));
        }
    }
    for (const ObservanceEntry& entry : span.observances) {
        if (entry.date.year != year || entry.date.month != month) continue;
        for (auto& week : grid.weeks) {
            for (MonthCell& cell : week) {
                if (!cell.inMonth || cell.date != entry.date) continue;
                std::optional<LunarMonth> masa;
                for (const HinduDay& day : span.days) {
                    if (CalendarDate{day.year, day.month, day.day} == entry.date) masa = day.masa;
                }
                std::string text = ObservanceText(entry, masa);
                if (entry.how == TithiOnDay::Kshaya) text += " (kshaya)";
                if (!entry.kept) text += " (2nd day)";
                cell.observances.push_back(text);
            }
        }
    }
    for (const FestivalDay& festival : span.festivals) {
        for (auto& week : grid.weeks) {
            for (MonthCell& cell : week) {
                if (cell.inMonth && cell.date == festival.date) cell.festivals.emplace_back(festival.name);
            }
        }
    }
    if (!months.empty()) grid.lunarMonths = Joined(months, " – ") + " (amanta)";
    grid.years = Joined(years, " → ");
    return grid;
}

MonthGrid BuildMonthGrid(int year, int month, const Observer& place, const DayZone& zone) {
    const int length = DaysInMonth(year, month);
    if (length == 0) return {};
    const CalendarSpan span = ComputeCalendarSpan({year, month, 1}, length, place, zone);
    return MonthGridOf(year, month, span, zone);
}

std::optional<CalendarDate> LocalDateOf(double jdUt, const DayZone& zone) {
    const std::optional<UtcTime> local = UtcFromJulianDay(jdUt + zone.OffsetHours(jdUt) / 24);
    if (!local) return std::nullopt;
    return CalendarDate{local->year, local->month, local->day};
}

std::string ClockTextOnDate(double jdUt, const DayZone& zone, const CalendarDate& date) {
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::string text = LocalMinuteText(jdUt, zone);  // "2026-05-17T01:31"
    if (text.size() != 16) return {};
    const int year = std::atoi(text.substr(0, 4).c_str());
    const int month = std::atoi(text.substr(5, 2).c_str());
    const int day = std::atoi(text.substr(8, 2).c_str());
    if (CalendarDate{year, month, day} == date || month < 1 || month > 12) return text.substr(11, 5);
    // Appended piece by piece: g++ 12 at -O3 misreads a chain of `+` on
    // temporaries as an overlapping copy (-Werror=restrict).
    std::string dated = std::to_string(day);
    dated += ' ';
    dated += months[month - 1];
    dated += ' ';
    dated += text.substr(11, 5);
    return dated;
}

OffsetAt OffsetOf(const DayZone& zone) {
    return [&zone](double jd) -> std::optional<int> {
        const double hours = zone.OffsetHours(jd);
        if (!std::isfinite(hours) || std::fabs(hours) > 18) return std::nullopt;
        return static_cast<int>(std::lround(hours * 60));
    };
}

}  // namespace velmora
