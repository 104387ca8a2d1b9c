#include "day/HinduDay.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "astronomy/Angles.h"
#include "astronomy/Calendar.h"
#include "astronomy/Elements.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/DayTables.h"
#include "day/ElementChanges.h"
#include "engine/Engine.h"
#include "panchang/MoonMansion.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"
#include "panchang/Vara.h"

namespace velmora {

namespace {

std::optional<double> FirstCrossing(const std::vector<HorizonCrossing>& crossings, bool rising, double from,
                                    double to) {
    std::optional<double> first;
    for (const HorizonCrossing& c : crossings) {
        if (c.rising == rising && c.jdUt >= from && c.jdUt < to && !(first && *first <= c.jdUt)) first = c.jdUt;
    }
    return first;
}

std::optional<double> LastCrossing(const std::vector<HorizonCrossing>& crossings, bool rising, double from,
                                   double to) {
    std::optional<double> last;
    for (const HorizonCrossing& c : crossings) {
        if (c.rising == rising && c.jdUt >= from && c.jdUt < to && !(last && *last >= c.jdUt)) last = c.jdUt;
    }
    return last;
}

DaySpan Part(double from, double to, int part, int parts) {
    const double length = (to - from) / parts;
    return {from + (part - 1) * length, from + part * length};
}

void AddNote(std::string& note, const std::string& sentence) {
    if (!note.empty()) note += " ";
    note += sentence;
}

// Whether the body stays up (or down) all through an interval with no crossing.
std::string StaysText(RiseSetBody body, const Observer& place, double at) {
    return AltitudeAboveRising(body, place, at) >= 0 ? "it stays above the horizon" : "it stays below the horizon";
}

bool ValidPlace(const Observer& place) {
    return std::isfinite(place.latitude) && std::isfinite(place.longitude) && std::isfinite(place.height) &&
           std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180 && std::fabs(place.height) < 1e5;
}

// Eclipses come only with a new or a full moon, and the greatest eclipse at a
// place lies within a few hours of it: a day looks for eclipses only when the
// end of a Purnima or an Amavasya falls within 0.3 days of it.
bool NewOrFullMoonNear(const HinduDay& d) {
    constexpr double kMargin = 0.3;
    for (const DayElement& e : d.tithi) {
        const bool endsSyzygy = e.number == 15 || e.number == 30;
        const bool startsAfterSyzygy = e.number == 16 || e.number == 1;
        for (const double t : {endsSyzygy ? e.endJdUt : NAN, startsAfterSyzygy ? e.startJdUt : NAN}) {
            if (t >= d.startJdUt - kMargin && t <= d.endJdUt + kMargin) return true;
        }
    }
    return false;
}

}  // namespace

DayKalams KalamsOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> previousSunset,
                   int vara) {
    DayKalams k;
    if (vara < 1 || vara > 7) return k;
    const auto w = static_cast<std::size_t>(vara - 1);
    if (sunrise && sunset && *sunset > *sunrise) {
        k.rahuKalam = Part(*sunrise, *sunset, RahuKalamPart[w], KalamParts);
        k.yamaganda = Part(*sunrise, *sunset, YamagandaPart[w], KalamParts);
        k.gulikaKalam = Part(*sunrise, *sunset, GulikaKalamPart[w], KalamParts);
        k.abhijitMuhurta = Part(*sunrise, *sunset, AbhijitMuhurtaPart, MuhurtaParts);
    }
    if (sunrise && previousSunset && *sunrise > *previousSunset) {
        k.brahmaMuhurta = Part(*previousSunset, *sunrise, BrahmaMuhurtaPart, MuhurtaParts);
    }
    return k;
}

std::optional<ReportMinute> ReportMinuteAtOrAfter(double jdUt, const DayZone& zone) {
    const double z = zone.OffsetHours(jdUt);
    if (!std::isfinite(jdUt) || !std::isfinite(z) || std::fabs(jdUt) > 1e8 || std::fabs(z) > 24) return std::nullopt;
    // Local minutes since the midnight at Julian day 0.5, the next whole one.
    const double minutes = std::ceil((jdUt + z / 24 - 0.5) * 1440 - 1e-6);
    const double days = std::floor(minutes / 1440);
    const double minuteOfDay = minutes - days * 1440;
    CalendarMoment date;
    if (!CalendarFromJulianDay(days + 0.75, date)) return std::nullopt;
    if (date.year < 1000 || date.year > 3000) return std::nullopt;
    WorkingValues w;
    w.CalcYear = static_cast<int>(date.year);
    w.CalcMonth = static_cast<int>(date.month);
    w.CalcDay = static_cast<int>(date.day);
    const int hour = static_cast<int>(minuteOfDay) / 60;
    const int minute = static_cast<int>(minuteOfDay) % 60;
    w.LocalHours = hour + minute / 60.0;  // as the engine forms it from the clock boxes
    w.SignedZone = z;
    const PanchangMoment moment = PanchangTimeChain(w);
    return ReportMinute{moment.jdUt, moment.jde};
}

namespace {

// A civil date by its Julian day at 0h (…​.5), and back.
struct Civil {
    int year = 0;
    int month = 0;
    int day = 0;
};

std::optional<Civil> CivilOf(double jd0) {
    CalendarMoment date;
    if (!CalendarFromJulianDay(jd0 + 0.5, date)) return std::nullopt;
    return Civil{static_cast<int>(date.year), static_cast<int>(date.month), static_cast<int>(date.day)};
}

std::string DateText(const Civil& c) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

// A skipped date is followed by a date on the clock within this many days
// (zones have skipped one date at a time).
constexpr int kLongestSkip = 3;

}  // namespace

// What one civil date holds on the clock: where it begins and ends (UT) and
// the Sun's crossings between (searched over exactly that span, whoever asks).
struct HinduDays::State {
    Observer place;
    const DayZone& zone;
    struct SolarDate {
        double midnight = 0;
        double nextMidnight = 0;
        bool onClock = false;
        bool searched = false;
        std::vector<HorizonCrossing> sun;
    };
    std::map<long long, SolarDate> dates;  // by the date's Julian day number
    ElementChanges changes;

    State(const Observer& p, const DayZone& z) : place(p), zone(z) {}

    static long long Key(double jd0) { return static_cast<long long>(std::floor(jd0 + 0.5)); }

    SolarDate& DateAt(double jd0, bool withSun) {
        SolarDate& date = dates[Key(jd0)];
        if (date.midnight == 0 && date.nextMidnight == 0) {
            const std::optional<Civil> c = CivilOf(jd0);
            if (c) {
                date.midnight = LocalMidnight(c->year, c->month, c->day, zone);
                date.nextMidnight = LocalMidnight(c->year, c->month, c->day + 1, zone);
            } else {
                date.midnight = date.nextMidnight = std::numeric_limits<double>::quiet_NaN();
            }
            // As DateOnClock: a skipped date is a moment long (to the
            // millisecond its jump is found to), a date on the clock hours.
            date.onClock = std::isfinite(date.midnight) && std::isfinite(date.nextMidnight) &&
                           date.nextMidnight - date.midnight > 1.0 / 24 && date.nextMidnight - date.midnight < 3;
        }
        if (withSun && !date.searched) {
            date.searched = true;
            if (date.onClock) date.sun = HorizonCrossings(RiseSetBody::Sun, place, date.midnight, date.nextMidnight);
        }
        return date;
    }

    // The nearest date on the clock after (step +1) or before (step -1) a
    // date, within kLongestSkip days; its 0h Julian day.
    std::optional<double> Neighbour(double jd0, int step) {
        for (int k = 1; k <= kLongestSkip; ++k) {
            const double other = jd0 + step * k;
            if (DateAt(other, false).onClock) return other;
        }
        return std::nullopt;
    }

    // Keeps the dates a run of days will still ask for (the last few).
    void Forget(double jd0) {
        const long long keep = Key(jd0) - kLongestSkip - 1;
        while (!dates.empty() && dates.begin()->first < keep) dates.erase(dates.begin());
    }
};

HinduDays::HinduDays(const Observer& place, const DayZone& zone) : state_(std::make_unique<State>(place, zone)) {}
HinduDays::~HinduDays() = default;

std::string HinduDays::Trouble(int year, int month, int day) {
    if (!ValidPlace(state_->place)) return "The place is not a latitude from -90 to 90 and a longitude from -180 to 180.";
    if (year < 1000 || year > 3000 || !GregorianWeekday(year, month, day)) {
        return "There is no date " + std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day) +
               " in the years 1000 to 3000.";
    }
    const Civil asked{year, month, day};
    const double jd0 = JulianDayFromDate(month, day, year);
    const State::SolarDate& date = state_->DateAt(jd0, false);
    if (date.onClock) return {};
    if (!(std::isfinite(date.midnight) && std::isfinite(date.nextMidnight))) {
        return "The zone gives no usable clock offset on " + DateText(asked) + ".";
    }
    if (date.nextMidnight - date.midnight >= 3) return "The zone's clock is not usable around " + DateText(asked) + ".";
    std::string text = DateText(asked) + " is not on this clock: the zone skips it";
    const std::optional<double> before = state_->Neighbour(jd0, -1);
    const std::optional<double> after = state_->Neighbour(jd0, +1);
    const std::optional<Civil> from = before ? CivilOf(*before) : std::nullopt;
    const std::optional<Civil> to = after ? CivilOf(*after) : std::nullopt;
    if (from && to) text += ", going from " + DateText(*from) + " straight to " + DateText(*to);
    return text + ".";
}

bool HinduDays::Skipped(int year, int month, int day) {
    if (year < 1000 || year > 3000 || !GregorianWeekday(year, month, day)) return false;
    const State::SolarDate& date = state_->DateAt(JulianDayFromDate(month, day, year), false);
    return std::isfinite(date.midnight) && std::isfinite(date.nextMidnight) &&
           !(date.nextMidnight - date.midnight > 1.0 / 24);
}

std::optional<HinduDay> HinduDays::Day(int year, int month, int day) {
    State& s = *state_;
    const Observer& place = s.place;
    if (year < 1000 || year > 3000 || !ValidPlace(place)) return std::nullopt;
    const std::optional<int> weekday = GregorianWeekday(year, month, day);
    if (!weekday) return std::nullopt;
    const double jd0 = JulianDayFromDate(month, day, year);
    s.Forget(jd0);
    const State::SolarDate& today = s.DateAt(jd0, true);
    if (!today.onClock) return std::nullopt;
    // The next date on the clock (the one after a skipped date) and the one before.
    const std::optional<double> nextJd0 = s.Neighbour(jd0, +1);
    if (!nextJd0) return std::nullopt;
    const State::SolarDate& next = s.DateAt(*nextJd0, true);
    const std::optional<double> previousJd0 = s.Neighbour(jd0, -1);
    static const std::vector<HorizonCrossing> kNone;
    const std::vector<HorizonCrossing>& before = previousJd0 ? s.DateAt(*previousJd0, true).sun : kNone;

    HinduDay d;
    d.year = year;
    d.month = month;
    d.day = day;
    d.place = place;
    d.vara = *weekday;

    d.sunrise = FirstCrossing(today.sun, true, today.midnight, today.nextMidnight);
    d.nextSunrise = FirstCrossing(next.sun, true, next.midnight, next.nextMidnight);
    d.startJdUt = d.sunrise ? *d.sunrise : today.midnight;
    d.endJdUt = d.nextSunrise ? *d.nextSunrise : next.midnight;
    d.sunset = FirstCrossing(today.sun, false, d.startJdUt, d.endJdUt);
    if (!d.sunset) d.sunset = FirstCrossing(next.sun, false, d.startJdUt, d.endJdUt);
    d.previousSunset = LastCrossing(today.sun, false, d.startJdUt - 1, d.startJdUt);
    if (!d.previousSunset) d.previousSunset = LastCrossing(before, false, d.startJdUt - 1, d.startJdUt);

    const double noon = 0.5 * (today.midnight + today.nextMidnight);
    if (!d.sunrise && !d.sunset) {
        AddNote(d.note, "The Sun does not rise or set on this date (" + StaysText(RiseSetBody::Sun, place, noon) +
                            "); the day runs from midnight to midnight.");
    } else if (!d.sunrise) {
        AddNote(d.note, "The Sun does not rise on this date; the day runs from midnight to midnight.");
    } else if (!d.sunset) {
        AddNote(d.note, "The Sun does not set before the day ends.");
    }
    const std::optional<Civil> nextDate = CivilOf(*nextJd0);
    if (*nextJd0 - jd0 > 1.5 && nextDate) {
        const std::optional<Civil> skipped = CivilOf(jd0 + 1);
        AddNote(d.note, "The next date" + (skipped ? ", " + DateText(*skipped) + "," : std::string()) +
                            " is not on this clock (the zone skips it); the day runs to " +
                            (d.nextSunrise ? "the sunrise of " : "the midnight that begins ") + DateText(*nextDate) +
                            ".");
    } else if (d.sunrise && !d.nextSunrise) {
        AddNote(d.note, "The Sun does not rise on the next date; the day ends at midnight.");
    }

    const std::vector<HorizonCrossing> moon =
        HorizonCrossings(RiseSetBody::Moon, place, today.midnight, today.nextMidnight);
    d.moonrise = FirstCrossing(moon, true, today.midnight, today.nextMidnight);
    d.moonset = FirstCrossing(moon, false, today.midnight, today.nextMidnight);
    if (!d.moonrise && !d.moonset) {
        AddNote(d.note, "The Moon does not rise or set on this date (" + StaysText(RiseSetBody::Moon, place, noon) + ").");
    } else if (!d.moonrise) {
        AddNote(d.note, "The Moon does not rise on this date.");
    } else if (!d.moonset) {
        AddNote(d.note, "The Moon does not set on this date.");
    }

    d.tithi = s.changes.Over(ElementKind::Tithi, d.startJdUt, d.endJdUt);
    d.nakshatra = s.changes.Over(ElementKind::Nakshatra, d.startJdUt, d.endJdUt);
    d.yoga = s.changes.Over(ElementKind::Yoga, d.startJdUt, d.endJdUt);
    d.karana = s.changes.Over(ElementKind::Karana, d.startJdUt, d.endJdUt);

    const DayKalams kalams = KalamsOf(d.sunrise, d.sunset, d.previousSunset, d.vara);
    d.rahuKalam = kalams.rahuKalam;
    d.yamaganda = kalams.yamaganda;
    d.gulikaKalam = kalams.gulikaKalam;
    d.abhijitMuhurta = kalams.abhijitMuhurta;
    d.brahmaMuhurta = kalams.brahmaMuhurta;

    d.masa = LunarMonthAt(d.startJdUt);
    const std::vector<Sankranti> sankrantis = SankrantisBetween(d.startJdUt, d.endJdUt);
    if (!sankrantis.empty()) d.sankranti = sankrantis.front();
    if (NewOrFullMoonNear(d)) d.eclipses = EclipsesBetween(d.startJdUt, d.endJdUt, place);
    return d;
}

std::optional<HinduDay> ComputeHinduDay(int year, int month, int day, const Observer& place, const DayZone& zone,
                                        std::optional<double>) {
    HinduDays days(place, zone);
    return days.Day(year, month, day);
}

std::optional<HinduDay> HinduDayHolding(double jdUt, const Observer& place, const DayZone& zone) {
    if (!std::isfinite(jdUt)) return std::nullopt;
    const double offset = zone.OffsetHours(jdUt);
    CalendarMoment local;
    if (!std::isfinite(offset) || !CalendarFromJulianDay(jdUt + offset / 24, local)) return std::nullopt;
    if (local.year < 1000 || local.year > 3000) return std::nullopt;
    const int y = static_cast<int>(local.year);
    const int m = static_cast<int>(local.month);
    const int dd = static_cast<int>(local.day);
    HinduDays days(place, zone);
    std::optional<HinduDay> today = days.Day(y, m, dd);
    if (!today || jdUt >= today->startJdUt) return today;
    // Before the date's sunrise: the day of the date before on the clock
    // (the one before a skipped date), which ends at this date's sunrise.
    for (int back = 1; back <= 3; ++back) {
        CalendarMoment before;
        if (!CalendarFromJulianDay(JulianDayFromDate(m, dd, y) - back + 0.5, before)) return std::nullopt;
        const int by = static_cast<int>(before.year);
        const int bm = static_cast<int>(before.month);
        const int bd = static_cast<int>(before.day);
        if (!DateOnClock(by, bm, bd, zone)) continue;
        return days.Day(by, bm, bd);
    }
    return std::nullopt;
}

std::optional<Ishtakala> IshtakalaOf(double jdUt, double sunriseJdUt) {
    const double days = jdUt - sunriseJdUt;
    if (!std::isfinite(days) || days < 0 || days > 10) return std::nullopt;
    const long long palas = static_cast<long long>(std::floor(days * 3600 + 1e-9));  // 3600 palas a day
    return Ishtakala{static_cast<int>(palas / 60), static_cast<int>(palas % 60)};
}

}  // namespace velmora
