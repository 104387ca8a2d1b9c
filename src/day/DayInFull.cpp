#include "day/DayInFull.h"

#include "day/GoodHoursTables.h"
#include "day/YearName.h"

namespace velmora {

std::string SolarDateText(SolarCalendar calendar, const SolarDate& date) {
    std::string text = std::string(SolarMonthName(calendar, date.sign)) + " " + std::to_string(date.day) + ", ";
    if (calendar == SolarCalendar::Tamil) {
        return text + std::string(SamvatsaraNames[static_cast<std::size_t>(TamilSamvatsaraOf(date.year))]);
    }
    return text + std::to_string(date.year);
}

DayInFull ComputeDayInFull(const HinduDay& day, const DayZone& zone, SolarMonthCache* solar) {
    DayInFull f;
    f.choghadiya = ChoghadiyaOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
    f.hora = HorasOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
    f.gowri = GowriOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
    f.durmuhurta = DurmuhurtaOf(day.sunrise, day.sunset, day.nextSunrise, day.vara);
    f.varjyam = VarjyamOf(day.nakshatra, day.startJdUt, day.endJdUt);
    f.amritKalam = AmritKalamOf(day.nakshatra, day.startJdUt, day.endJdUt);
    f.panchak = PanchakOf(day.nakshatra, day.startJdUt, day.endJdUt);

    if (day.masa) {
        f.samvatsaraNorth = NorthSamvatsaraOfVikram(day.masa->vikramYear);
        f.samvatsaraSouth = SouthSamvatsaraOfShaka(day.masa->shakaYear);
        f.ritu = RituOfMonth(day.masa->amanta);
    }
    SolarMonthCache own(day.place, zone);
    SolarMonthCache& cache = solar ? *solar : own;
    f.tamil = cache.DateOf(SolarCalendar::Tamil, day.year, day.month, day.day);
    f.malayalam = cache.DateOf(SolarCalendar::Malayalam, day.year, day.month, day.day);
    f.bengali = cache.DateOf(SolarCalendar::Bengali, day.year, day.month, day.day);
    if (f.tamil) f.samvatsaraTamil = TamilSamvatsaraOf(f.tamil->year);

    // The ayana from the sign the Sun is in at the day's start: read off the
    // sankrantis the solar dates just searched (the same Sun), else from the
    // Sun's place itself. The Sun's place is the dearest part of a day in
    // full; a year of days computed it 365 times for this alone.
    if (const std::optional<int> sign = cache.SunSignAt(day.startJdUt)) {
        f.ayana = AyanaOfSiderealSun(*sign * 30.0 + 15.0);
    } else {
        f.ayana = AyanaOfSiderealSun(SiderealSunLongitude(day.startJdUt));
    }
    return f;
}

}  // namespace velmora
