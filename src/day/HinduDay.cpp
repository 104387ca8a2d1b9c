#include "day/HinduDay.h"

#include <cmath>
#include <limits>

#include "astronomy/Angles.h"
#include "astronomy/Calendar.h"
#include "astronomy/Elements.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/DayTables.h"
#include "engine/Engine.h"
#include "panchang/MoonMansion.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangRules.h"
#include "panchang/PanchangTables.h"
#include "panchang/Vara.h"

namespace velmora {

namespace {

constexpr double kStepAfterBoundary = 1.0 / 24;  // days: where the next element is looked at

struct FoundElement {
    int number;
    std::string_view name;
    PeriodMoments span;
};

std::optional<FoundElement> TithiAt(const SunMoon& at) {
    const std::optional<int> index = TithiIndexOf(at.moon.longitude, at.sun.longitude);
    if (!index || *index > 29) return std::nullopt;
    const std::optional<PeriodMoments> span = ElongationSpans(at).Moments(*index, 12);
    const std::optional<std::string_view> name = TithiNameOf(*index);
    if (!span || !name) return std::nullopt;
    return FoundElement{*index + 1, *name, *span};
}

std::optional<FoundElement> KaranaAt(const SunMoon& at) {
    const std::optional<int> half = HalfTithiOf(at.moon.longitude, at.sun.longitude);
    if (!half || *half > 59) return std::nullopt;
    const std::optional<int> karana = KaranaIndexOf(*half);
    const std::optional<PeriodMoments> span = ElongationSpans(at).Moments(*half, 6);
    if (!span || !karana) return std::nullopt;
    const std::optional<std::string_view> name = TableRow(KaranaNames, *karana);
    if (!name) return std::nullopt;
    return FoundElement{*half + 1, *name, *span};
}

std::optional<FoundElement> YogaAt(const SunMoon& at) {
    const double negAyanamsa = NegativeAyanamsa(at.jde);
    const double sum = YogaSumOf(negAyanamsa, at.moon.raw, at.sun.raw);
    const std::optional<double> position = YogaPositionOf(sum);
    if (!position) return std::nullopt;
    const std::optional<int> index = YogaIndexOf(*position);
    if (!index || *index > 26) return std::nullopt;
    const std::optional<PeriodMoments> span = YogaPeriodMoments(at, sum, negAyanamsa);
    const std::optional<std::string_view> name = TableRow(YogaNames, *index);
    if (!span || !name) return std::nullopt;
    return FoundElement{*index + 1, *name, *span};
}

std::optional<FoundElement> NakshatraAt(const SunMoon& at) {
    // As the moment's report finds the mansion: the sidereal Moon's spans with
    // the ayanamsa held at the moment.
    SiderealMoonSpans spans(at, NegativeAyanamsa(at.jde));
    const std::optional<int> pada = PadaIndexOf(spans.Longitude());
    if (!pada) return std::nullopt;
    const int mansion = *pada / PadasPerMansion;
    const std::optional<PeriodMoments> span = spans.Moments(mansion, PadasPerMansion);
    if (!span || mansion < 0 || mansion > 26) return std::nullopt;
    return FoundElement{mansion + 1, NakshatraNames[static_cast<std::size_t>(mansion)], *span};
}

template <typename ElementAt>
std::optional<DayElement> ElementFrom(const ReportMinute& minute, ElementAt elementAt) {
    const std::optional<FoundElement> element = elementAt(SunMoonAt(minute.jde));
    if (!element) return std::nullopt;
    return DayElement{element->number, element->name, UniversalFromEphemeris(element->span.start),
                      UniversalFromEphemeris(element->span.end), minute.jdUt};
}

// Every element of one kind in force between two moments (UT), in time
// order: each searched from a whole minute inside it (the day's first minute,
// then a minute a little after the end of the one before). With an anchor in
// the day, the element holding it is searched from the anchor instead.
template <typename ElementAt>
std::vector<DayElement> ElementsOver(double from, double to, const DayZone& zone, std::optional<ReportMinute> anchor,
                                     ElementAt elementAt) {
    std::vector<DayElement> found;
    double t = from;
    double lastEnd = -std::numeric_limits<double>::infinity();
    for (int guard = 0; guard < 16 && t < to; ++guard) {
        const std::optional<ReportMinute> minute = ReportMinuteAtOrAfter(t, zone);
        if (!minute) break;
        std::optional<DayElement> element = ElementFrom(*minute, elementAt);
        if (!element) break;
        if (anchor && anchor->jdUt >= element->startJdUt && anchor->jdUt < element->endJdUt) {
            if (std::optional<DayElement> anchored = ElementFrom(*anchor, elementAt)) element = anchored;
        }
        if (element->endJdUt > lastEnd) {
            found.push_back(*element);
            lastEnd = element->endJdUt;
        }
        if (!(lastEnd < to)) break;
        // Past the boundary by an hour, or half the way to the day's end when
        // that is nearer: the next element is in force there.
        const double next = lastEnd + std::fmin(kStepAfterBoundary, 0.5 * (to - lastEnd));
        t = next > t ? next : t + kStepAfterBoundary;
    }
    // The day's first whole minute can lie past a boundary just after its
    // start: the element before it is then searched from half an hour earlier.
    if (!found.empty() && found.front().startJdUt > from) {
        if (const std::optional<ReportMinute> minute = ReportMinuteAtOrAfter(found.front().startJdUt - 1.0 / 48, zone)) {
            const std::optional<DayElement> before = ElementFrom(*minute, elementAt);
            if (before && before->endJdUt < found.front().endJdUt) found.insert(found.begin(), *before);
        }
    }
    return found;
}

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

std::optional<HinduDay> ComputeHinduDay(int year, int month, int day, const Observer& place, const DayZone& zone,
                                        std::optional<double> anchorJdUt) {
    if (year < 1000 || year > 3000 || !ValidPlace(place)) return std::nullopt;
    const std::optional<int> weekday = GregorianWeekday(year, month, day);
    if (!weekday) return std::nullopt;

    HinduDay d;
    d.year = year;
    d.month = month;
    d.day = day;
    d.place = place;
    d.vara = *weekday;

    // Local midnights of the date, the next and the one after (days past the
    // month's end roll over into the next month).
    const double midnight0 = LocalMidnight(year, month, day, zone);
    const double midnight1 = LocalMidnight(year, month, day + 1, zone);
    const double midnight2 = LocalMidnight(year, month, day + 2, zone);
    // A zone with no usable offset (no number, beyond a day) gives no day.
    if (!(std::isfinite(midnight0) && std::isfinite(midnight2) && midnight0 < midnight1 && midnight1 < midnight2 &&
          midnight2 - midnight0 < 3)) {
        return std::nullopt;
    }

    // The Sun from the noon before to the noon after (local midnights ± half
    // a day), which holds every event asked for on most days; the rest of the
    // next date, or the day before, is searched only when an event is missing.
    std::vector<HorizonCrossing> sun = HorizonCrossings(RiseSetBody::Sun, place, midnight0 - 0.5, midnight1 + 0.5);
    const auto extend = [&](double from, double to) {
        const std::vector<HorizonCrossing> more = HorizonCrossings(RiseSetBody::Sun, place, from, to);
        sun.insert(sun.end(), more.begin(), more.end());
    };
    d.sunrise = FirstCrossing(sun, true, midnight0, midnight1);
    d.nextSunrise = FirstCrossing(sun, true, midnight1, midnight1 + 0.5);
    if (!d.nextSunrise) {
        extend(midnight1 + 0.5, midnight2);
        d.nextSunrise = FirstCrossing(sun, true, midnight1, midnight2);
    }
    d.startJdUt = d.sunrise ? *d.sunrise : midnight0;
    d.endJdUt = d.nextSunrise ? *d.nextSunrise : midnight1;
    d.sunset = FirstCrossing(sun, false, d.startJdUt, d.endJdUt);
    d.previousSunset = LastCrossing(sun, false, d.startJdUt - 1, d.startJdUt);
    if (!d.previousSunset) {
        extend(midnight0 - 1, midnight0 - 0.5);
        d.previousSunset = LastCrossing(sun, false, d.startJdUt - 1, d.startJdUt);
    }

    const double noon = 0.5 * (midnight0 + midnight1);
    if (!d.sunrise && !d.sunset) {
        AddNote(d.note, "The Sun does not rise or set on this date (" + StaysText(RiseSetBody::Sun, place, noon) +
                            "); the day runs from midnight to midnight.");
    } else if (!d.sunrise) {
        AddNote(d.note, "The Sun does not rise on this date; the day runs from midnight to midnight.");
    } else if (!d.sunset) {
        AddNote(d.note, "The Sun does not set before the day ends.");
    }
    if (d.sunrise && !d.nextSunrise) AddNote(d.note, "The Sun does not rise on the next date; the day ends at midnight.");

    const std::vector<HorizonCrossing> moon = HorizonCrossings(RiseSetBody::Moon, place, midnight0, midnight1);
    d.moonrise = FirstCrossing(moon, true, midnight0, midnight1);
    d.moonset = FirstCrossing(moon, false, midnight0, midnight1);
    if (!d.moonrise && !d.moonset) {
        AddNote(d.note, "The Moon does not rise or set on this date (" + StaysText(RiseSetBody::Moon, place, noon) + ").");
    } else if (!d.moonrise) {
        AddNote(d.note, "The Moon does not rise on this date.");
    } else if (!d.moonset) {
        AddNote(d.note, "The Moon does not set on this date.");
    }

    std::optional<ReportMinute> anchor;
    if (anchorJdUt && *anchorJdUt >= d.startJdUt && *anchorJdUt < d.endJdUt) {
        anchor = ReportMinuteAtOrAfter(*anchorJdUt - 0.5 / 86400, zone);
    }
    d.tithi = ElementsOver(d.startJdUt, d.endJdUt, zone, anchor, TithiAt);
    d.nakshatra = ElementsOver(d.startJdUt, d.endJdUt, zone, anchor, NakshatraAt);
    d.yoga = ElementsOver(d.startJdUt, d.endJdUt, zone, anchor, YogaAt);
    d.karana = ElementsOver(d.startJdUt, d.endJdUt, zone, anchor, KaranaAt);

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

std::optional<HinduDay> HinduDayHolding(double jdUt, const Observer& place, const DayZone& zone) {
    if (!std::isfinite(jdUt)) return std::nullopt;
    const double offset = zone.OffsetHours(jdUt);
    CalendarMoment local;
    if (!std::isfinite(offset) || !CalendarFromJulianDay(jdUt + offset / 24, local)) return std::nullopt;
    if (local.year < 1000 || local.year > 3000) return std::nullopt;
    const int y = static_cast<int>(local.year);
    const int m = static_cast<int>(local.month);
    const int dd = static_cast<int>(local.day);
    std::optional<HinduDay> today = ComputeHinduDay(y, m, dd, place, zone, jdUt);
    if (!today || jdUt >= today->startJdUt) return today;
    CalendarMoment before;
    if (!CalendarFromJulianDay(JulianDayFromDate(m, dd, y) - 0.5, before)) return std::nullopt;
    return ComputeHinduDay(static_cast<int>(before.year), static_cast<int>(before.month), static_cast<int>(before.day),
                           place, zone, jdUt);
}

std::optional<Ishtakala> IshtakalaOf(double jdUt, double sunriseJdUt) {
    const double days = jdUt - sunriseJdUt;
    if (!std::isfinite(days) || days < 0 || days > 10) return std::nullopt;
    const long long palas = static_cast<long long>(std::floor(days * 3600 + 1e-9));  // 3600 palas a day
    return Ishtakala{static_cast<int>(palas / 60), static_cast<int>(palas % 60)};
}

}  // namespace velmora
