#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astronomy/Eclipses.h"
#include "astronomy/RiseSet.h"
#include "day/DayZone.h"
#include "day/LunarMonth.h"

// The Hindu day of a civil date at a place: from its sunrise to the next
// sunrise.
//
// Design: a pure function of the date, the place and the zone. Rising and
// setting come from astronomy/RiseSet, searched date by date: the Sun's
// crossings of one civil date are always searched over that date alone
// (local midnight to the next), so a date's sunrise is the same to the bit
// whether its own day asks for it or the day before asks for its next
// sunrise: each day ends at the very moment the next begins, and a moment
// belongs to exactly one Hindu day. The elements come from ElementChanges:
// each change one moment, searched once to well under a second, shared by the
// element that ends and the one that begins and by every day that lists them.
// All moments are Julian days in universal time; the zone turns them into
// clock text (DayZone.h) and may change its offset within the day.
//
// A date on which the Sun does not rise runs from local midnight, and a day
// whose next date has no sunrise ends at midnight (where that date's own day
// begins); `note` says so, and the kalams and muhurtas that need the missing
// rising or setting are absent. A date the zone skips (Pacific/Apia went from
// 29 to 31 December 2011) has no day; the day before it runs to the next
// sunrise on the clock, and says so. Moonrise and moonset are those of the
// civil date (midnight to midnight), absent when the Moon does not rise or set
// on it.
namespace velmora {

// One element in force during the day, with its whole span (which may begin
// before the day and end after it). Consecutive elements of a list meet
// exactly: one's endJdUt is the next one's startJdUt, the same double.
struct DayElement {
    int number = 0;          // tithi 1..30, nakshatra 1..27, yoga 1..27, karana 1..60 (by half-tithi)
    std::string_view name;   // the program's spelling (panchang tables, the engine's nakshatra names)
    double startJdUt = 0;
    double endJdUt = 0;
    double fromJdUt = 0;     // the first moment of the day the element is in force (its start, or the day's)
};

struct DaySpan {
    double startJdUt = 0;
    double endJdUt = 0;
};

struct HinduDay {
    int year = 0;
    int month = 0;
    int day = 0;
    Observer place;

    std::optional<double> sunrise;         // on the civil date
    std::optional<double> sunset;          // the first after sunrise, before the day ends
    std::optional<double> nextSunrise;     // on the next civil date
    std::optional<double> previousSunset;  // the last before the day begins (within a day)
    std::optional<double> moonrise;        // the first on the civil date
    std::optional<double> moonset;         // the first on the civil date
    std::string note;                      // why a sunrise, sunset, moonrise or moonset is missing; empty otherwise

    double startJdUt = 0;  // sunrise, else local midnight
    double endJdUt = 0;    // next sunrise, else local midnight at the date's end

    int vara = 0;  // 1 = Sunday .. 7 = Saturday: the weekday of the date (its sunrise)

    std::vector<DayElement> tithi;      // in time order, covering startJdUt..endJdUt, each overlapping it
    std::vector<DayElement> nakshatra;
    std::vector<DayElement> yoga;
    std::vector<DayElement> karana;

    std::optional<DaySpan> rahuKalam;       // need sunrise and sunset
    std::optional<DaySpan> yamaganda;
    std::optional<DaySpan> gulikaKalam;
    std::optional<DaySpan> abhijitMuhurta;
    std::optional<DaySpan> brahmaMuhurta;   // needs the previous sunset and sunrise

    std::optional<LunarMonth> masa;         // at the day's start
    std::optional<Sankranti> sankranti;     // the first in startJdUt..endJdUt
    std::vector<Eclipse> eclipses;          // greatest at the place in startJdUt..endJdUt (Eclipses.h)
};

// The kalams and muhurtas of a day from its sunrise and sunset (and the
// sunset before, for the Brahma muhurta), on the tables of DayTables.h; vara
// 1 = Sunday .. 7 = Saturday. Nothing in a field whose moments are missing.
struct DayKalams {
    std::optional<DaySpan> rahuKalam, yamaganda, gulikaKalam, abhijitMuhurta, brahmaMuhurta;
};
DayKalams KalamsOf(std::optional<double> sunrise, std::optional<double> sunset, std::optional<double> previousSunset,
                   int vara);

// The Hindu days of one place on one clock, computed together: each date's
// Sun is searched once and each element change once, however many days ask
// for them (a month or a year of days costs far less than as many single
// days). The answers are exactly those of ComputeHinduDay. The zone must
// outlive the object.
class HinduDays {
public:
    HinduDays(const Observer& place, const DayZone& zone);
    ~HinduDays();
    HinduDays(const HinduDays&) = delete;
    HinduDays& operator=(const HinduDays&) = delete;

    // As ComputeHinduDay.
    std::optional<HinduDay> Day(int year, int month, int day);

    // Why a date has no Hindu day, in a sentence ("2011-12-30 is not on this
    // clock: …"); empty when it has one.
    std::string Trouble(int year, int month, int day);

    // Whether the zone's clock skips the date (a real date, in the years
    // computed, that the clock goes past).
    bool Skipped(int year, int month, int day);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The Hindu day of a civil date (Gregorian, years 1000..3000) at a place, on
// the zone's clock. Nothing for a date that does not exist, lies outside
// those years or is skipped by the zone's clock, or a place that is no finite
// latitude -90..90 and longitude -180..180 (HinduDays::Trouble says which).
// The anchor (a moment in UT) is accepted for the callers that pass the
// entered moment; the day's spans do not depend on it.
std::optional<HinduDay> ComputeHinduDay(int year, int month, int day, const Observer& place, const DayZone& zone,
                                        std::optional<double> anchorJdUt = std::nullopt);

// The civil date whose Hindu day holds a moment: the moment's local date, or
// the date before when the moment comes before that date's sunrise. The day
// is computed on the way (the answer's day); nothing as for ComputeHinduDay.
std::optional<HinduDay> HinduDayHolding(double jdUt, const Observer& place, const DayZone& zone);

// The whole local minute at or after a moment (UT), on the zone's clock, and
// the JDE the moment's report computes for it (PanchangTimeChain).
struct ReportMinute {
    double jdUt = 0;
    double jde = 0;
};
std::optional<ReportMinute> ReportMinuteAtOrAfter(double jdUt, const DayZone& zone);

// Time since the day's start (sunrise) in ghatis and palas: 60 palas a
// ghati, 60 ghatis in 24 hours (a ghati is 24 minutes, a pala 24 seconds),
// palas truncated. Nothing for a moment before the start.
struct Ishtakala {
    int ghatis = 0;
    int palas = 0;
};
std::optional<Ishtakala> IshtakalaOf(double jdUt, double sunriseJdUt);

}  // namespace velmora
