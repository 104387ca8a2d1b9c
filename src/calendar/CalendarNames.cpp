#include "calendar/CalendarNames.h"

#include "names/NameTables.h"

namespace velmora {

std::string LocalizedCalendarText(const std::string& text, Language language) {
    // Festivals before observances ("Papmochani Ekadashi" is one name),
    // observances before tithis ("Shukla Ekadashi" is one name), lunar months
    // before mansions (the grid's months, never a mansion, say "Shravana");
    // the eclipses' words.
    return LocalizedText(text, language,
                         {NameTable::Festival, NameTable::Events, NameTable::Observance, NameTable::Tithi, NameTable::Paksha, NameTable::LunarMonth,
                          NameTable::Sign, NameTable::Nakshatra, NameTable::Words});
}

MonthGrid LocalizedGrid(MonthGrid grid, Language language) {
    if (language == Language::English) return grid;
    for (auto& week : grid.weeks) {
        for (MonthCell& cell : week) {
            cell.tithi = std::string(LocalName(NameTable::Tithi, cell.tithi, language));
            cell.paksha = std::string(LocalName(NameTable::Paksha, cell.paksha, language));
            cell.nakshatra = std::string(LocalName(NameTable::Nakshatra, cell.nakshatra, language));
            for (std::string& observance : cell.observances) observance = LocalizedCalendarText(observance, language);
            cell.sankranti = LocalizedCalendarText(cell.sankranti, language);
            for (std::string& festival : cell.festivals) {
                festival = std::string(LocalName(NameTable::Festival, festival, language));
            }
            for (std::string& eclipse : cell.eclipses) eclipse = LocalizedCalendarText(eclipse, language);
            cell.masa = LocalizedText(cell.masa, language, {NameTable::LunarMonth, NameTable::Words});
            // "Karthigai 21": each calendar's months by their own table.
            cell.solar[0] = LocalizedText(cell.solar[0], language, {NameTable::TamilSolarMonth});
            cell.solar[1] = LocalizedText(cell.solar[1], language, {NameTable::MalayalamSolarMonth});
            cell.solar[2] = LocalizedText(cell.solar[2], language, {NameTable::BengaliSolarMonth});
            for (std::string& kshaya : cell.kshayaTithis) kshaya = LocalizedCalendarText(kshaya, language);
            // "17 May 01:31": the month's short name.
            for (std::string* clock : {&cell.tithiEnds, &cell.nakshatraEnds, &cell.moonrise, &cell.moonTime,
                                       &cell.sankrantiTime}) {
                *clock = LocalizedText(*clock, language, {NameTable::Texts});
            }
        }
    }
    grid.lunarMonths = LocalizedText(grid.lunarMonths, language, {NameTable::LunarMonth, NameTable::Words});
    grid.years = LocalizedText(grid.years, language, {NameTable::Words});
    return grid;
}

std::string LocalizedMonthTitle(int year, int month, Language language) {
    return LocalizedText(MonthTitle(year, month), language, {NameTable::CivilMonth});
}

std::string LocalizedWeekdayShort(int weekday, Language language) {
    return std::string(NameAt(NameTable::WeekdayShort, weekday, language).value_or(""));
}

CalendarFeed LocalizedFeed(CalendarFeed feed, Language language) {
    if (language == Language::English) return feed;
    feed.name = LocalizedText(feed.name, language, {NameTable::Words});
    for (CalendarEvent& event : feed.events) {
        event.summary = LocalizedCalendarText(event.summary, language);
        event.description = LocalizedCalendarText(event.description, language);
    }
    return feed;
}

}  // namespace velmora
