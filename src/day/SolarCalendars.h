#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "astronomy/RiseSet.h"
#include "day/DayZone.h"
#include "day/LunarMonth.h"

// The solar calendars: the Tamil, Malayalam (Kollam) and Bengali (Bangabda)
// months begin when the sidereal Sun enters a sign (the sankranti), each on
// the civil day its own rule gives (GoodHoursTables.h states the three rules):
//
//   Tamil      the sankranti's day when it falls before that day's sunset;
//   Malayalam  the sankranti's day when it falls before aparahna begins
//              (the end of madhyahna, 3/5 of the way from sunrise to sunset);
//   Bengali    always the day after the sankranti's civil day.
//
// Otherwise the next day. Civil days are the zone's midnight to midnight at
// the place; sunrise and sunset are the place's (astronomy/RiseSet).
namespace velmora {

enum class SolarCalendar { Tamil, Malayalam, Bengali };

struct CivilDay {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A day in a solar calendar.
struct SolarDate {
    int sign = 0;  // 0 = Mesha .. 11 = Meena: the month (names by sign in GoodHoursTables.h)
    int day = 1;   // 1..32
    // Tamil: the Gregorian year its Chithirai 1 fell in (the year is named
    // from it, YearName.h); Malayalam: the Kollam year; Bengali: the Bangabda.
    int year = 0;
    CivilDay firstDay;  // the month's first civil day
};

// The civil day a month beginning with this sankranti starts on. Nothing when
// the moment is no usable number or the zone gives no offset.
std::optional<CivilDay> SolarMonthFirstDay(SolarCalendar calendar, const Sankranti& sankranti, const Observer& place,
                                            const DayZone& zone);

// The solar date of a civil date at a place. `sankrantis` may hold the
// sankrantis of the 40 days before the date (in time order) to save the
// search; when empty they are searched. Nothing for a date outside the years
// 1000..3000 or a place or zone that gives no moments.
std::optional<SolarDate> SolarDateOf(SolarCalendar calendar, int year, int month, int day, const Observer& place,
                                     const DayZone& zone, const std::vector<Sankranti>& sankrantis = {});

// The sankrantis a SolarDateOf for this date needs (local midnight - 40 days
// .. + 2 days).
std::vector<Sankranti> SankrantisAround(int year, int month, int day, const DayZone& zone);

std::string_view SolarMonthName(SolarCalendar calendar, int sign);

// The three calendars' dates for many days of one place and zone: each
// sankranti is searched once and its civil day's sunrise and sunset once, so
// a year of days costs a year's sankrantis, not a search a day.
class SolarMonthCache {
public:
    SolarMonthCache(const Observer& place, const DayZone& zone) : place_(place), zone_(zone) {}

    // As SolarDateOf, for the cache's place and zone.
    std::optional<SolarDate> DateOf(SolarCalendar calendar, int year, int month, int day);

    // The sidereal sign (0 = Mesha .. 11 = Meena) the Sun is in at `jdUt`
    // (UT), read off the sankrantis already searched: nothing when `jdUt` lies
    // outside them (ask DateOf for its date first). Cheaper than the Sun's
    // place, which a day would otherwise compute once more for its ayana.
    std::optional<int> SunSignAt(double jdUt) const;

private:
    struct Month {
        Sankranti sankranti;
        std::optional<CivilDay> first[3];  // Tamil, Malayalam, Bengali
    };
    bool Cover(double from, double to);

    Observer place_;
    const DayZone& zone_;
    std::vector<Month> months_;  // in time order, every sankranti in [from_, to_)
    double from_ = 0;
    double to_ = 0;
};

}  // namespace velmora
