#include "report/CalendarReport.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "calendar/AlmanacMarks.h"
#include "calendar/CalendarNames.h"
#include "day/DayTables.h"
#include "names/NameTables.h"
#include "names/TextColumns.h"
#include "panchang/PanchangTables.h"
#include "calendar/EclipseNotes.h"
#include "report/DayReport.h"
#include "report/EclipseJson.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string UtcText(double jdUt) {
    const std::optional<UtcTime> t = UtcFromJulianDay(jdUt);
    if (!t) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t->year, t->month, t->day, t->hour, t->minute,
                  t->second);
    return text;
}

Json Moment(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);
    return text.empty() ? Json(nullptr) : Json(text);
}

Json FestivalJson(const FestivalDay& f, Language language) {
    return Json{{"key", std::string(f.key)},
                {"name", std::string(LocalName(NameTable::Festival, f.name, language))},
                {"date", DateText(f.date)},
                {"rule", f.rule}};
}

Json FestivalsOf(std::span<const FestivalDay> festivals, Language language = Language::English) {
    Json list = Json::array();
    for (const FestivalDay& f : festivals) list.push_back(FestivalJson(f, language));
    return list;
}

std::optional<LunarMonth> MasaOn(const CalendarSpan& span, const CalendarDate& date) {
    for (const HinduDay& day : span.days) {
        if (CalendarDate{day.year, day.month, day.day} == date) return day.masa;
    }
    return std::nullopt;
}

Json ObservanceJson(const ObservanceEntry& entry, const DayZone& zone, const CalendarSpan& span, Language language) {
    const int number = entry.tithi.number;
    Json j = Json{{"date", DateText(entry.date)},
                {"observance", std::string(ObservanceName(entry.observance))},
                {"title", LocalizedCalendarText(ObservanceTitle(entry.observance), language)},
                {"tithi",
                 Json{{"number", number},
                      {"name", std::string(LocalName(NameTable::Tithi, TithiNameOf(number - 1).value_or(""), language))},
                      {"paksha", number <= 15 ? "Shukla" : "Krishna"},
                      {"start", Moment(entry.tithi.start, zone)},
                      {"end", Moment(entry.tithi.end, zone)}}},
                {"rule", entry.how == TithiOnDay::Kshaya ? "kshaya" : "sunrise"},
                {"kept", entry.kept}};
    if (entry.observance == Observance::ShuklaEkadashi || entry.observance == Observance::KrishnaEkadashi) {
        if (const std::optional<LunarMonth> masa = MasaOn(span, entry.date)) {
            j["ekadashi_name"] = EkadashiNameOf(masa->amanta, entry.observance == Observance::ShuklaEkadashi,
                                                masa->adhika);
        }
    }
    return j;
}

// Whether a moment's local date lies in the year (and the month, unless 0).
bool InPeriod(double jdUt, const DayZone& zone, int year, int month) {
    const std::optional<CalendarDate> date = LocalDateOf(jdUt, zone);
    return date && date->year == year && (month == 0 || date->month == month);
}

// The eclipses of the span's days (and the night before its first date) whose
// local date lies in the year (and the month, unless 0).
std::vector<Eclipse> EclipsesIn(const CalendarSpan& span, const DayZone& zone, int year, int month) {
    std::vector<Eclipse> found;
    const auto take = [&](const HinduDay& day) {
        for (const Eclipse& e : day.eclipses) {
            if (InPeriod(e.localGreatestJdUt, zone, year, month)) found.push_back(e);
        }
    };
    if (span.dayBefore) take(*span.dayBefore);
    for (const HinduDay& day : span.days) take(day);
    return found;
}

Json EventsJson(const CalendarSpan& span, const DayZone& zone, int year, int month, Json& sankrantis,
                Json& phases, Language language) {
    // Every event belongs to the period of its own local date, so that the
    // months of a year together hold the year's events, each once.
    const auto inRange = [&](double jdUt) { return InPeriod(jdUt, zone, year, month); };
    Json observances = Json::array();
    for (const ObservanceEntry& entry : span.observances) {
        if (entry.date.year == year && (month == 0 || entry.date.month == month)) {
            observances.push_back(ObservanceJson(entry, zone, span, language));
        }
    }
    sankrantis = Json::array();
    for (const SankrantiEvent& sankranti : span.sankrantis) {
        if (!inRange(sankranti.moment)) continue;
        sankrantis.push_back(Json{{"sign", sankranti.sign},
                                  {"title", LocalizedCalendarText(sankranti.sign + " Sankranti", language)},
                                  {"moment", Moment(sankranti.moment, zone)},
                                  {"utc", UtcText(sankranti.moment)}});
    }
    phases = Json::array();
    for (const MoonPhaseMoment& phase : span.phases) {
        if (!inRange(phase.moment)) continue;
        const bool full = phase.phase == MoonPhase::Full;
        phases.push_back(Json{{"phase", full ? "full" : "new"},
                              {"title", LocalizedCalendarText(full ? "Full moon" : "New moon", language)},
                              {"moment", Moment(phase.moment, zone)},
                              {"utc", UtcText(phase.moment)}});
    }
    return observances;
}

// The clock rounded to the minute ("06:07" for 06:06:52), "--:--" for none.
std::string Clock(const std::optional<double>& jdUt, const DayZone& zone) {
    if (!jdUt) return "--:--";
    const std::string text = LocalMinuteText(*jdUt, zone);
    return text.size() == 16 ? text.substr(11, 5) : "--:--";
}

// Widths count columns, not bytes (names/TextColumns.h).
std::string Padded(std::string text, std::size_t width) { return PaddedToColumns(std::move(text), width); }

// Words of `text` in lines of at most `columns` columns; a word wider than
// that stands on a line of its own, whole.
bool IsClock(const std::string& word) {
    return word.size() == 5 && word[2] == ':' && std::isdigit(static_cast<unsigned char>(word[0])) &&
           std::isdigit(static_cast<unsigned char>(word[4]));
}

bool IsDayNumber(const std::string& word) {
    return !word.empty() && word.size() <= 2 &&
           std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::vector<std::string> Wrapped(const std::string& text, std::size_t columns) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        std::string word = text.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
        at = blank == std::string::npos ? text.size() : blank + 1;
        if (!word.empty()) words.push_back(std::move(word));
    }
    // A moment on another date, "22 May 02:49", stays on one line.
    for (std::size_t i = 0; i + 2 < words.size(); ++i) {
        if (IsDayNumber(words[i]) && IsClock(words[i + 2])) {
            words[i] += ' ';
            words[i] += words[i + 1];
            words[i] += ' ';
            words[i] += words[i + 2];
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.begin() + static_cast<std::ptrdiff_t>(i) + 3);
        }
    }
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty() && DisplayColumns(line) + 1 + DisplayColumns(word) > columns) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The pieces of a date's box, in reading order (the sun at the foot).
std::vector<std::string> BoxPieces(const MonthCell& cell, Language language) {
    std::vector<std::string> pieces;
    if (!cell.computed) return {"\u2014"};
    const AlmanacBox box = AlmanacBoxOf(cell, language);
    if (!box.masaBegins.empty()) {
        std::string begins = "\u00BB ";
        begins += box.masaBegins;
        pieces.push_back(std::move(begins));
    }
    pieces.push_back(box.tithi);
    for (const std::string& kshaya : box.kshaya) pieces.push_back(kshaya);
    pieces.push_back(box.nakshatra);
    for (const std::string& festival : cell.festivals) {
        pieces.emplace_back(LocalName(NameTable::Festival, festival, language));
    }
    for (const std::string& observance : cell.observances) pieces.push_back(observance);
    if (!box.sankranti.empty()) pieces.push_back(box.sankranti);
    for (const std::string& eclipse : cell.eclipses) pieces.push_back(eclipse);
    if (!box.moon.empty()) pieces.push_back(box.moon);
    pieces.push_back(box.sun);
    return pieces;
}

// The month as a wall almanac prints it: a week a row of seven boxes, Sunday
// first, each box's pieces wrapped at word boundaries; the boxes are as wide
// as the widest word (at least 16 columns), so nothing is cut short.
std::string MonthGridText(const MonthGrid& grid, Language language) {
    std::size_t width = 16;
    for (const auto& week : grid.weeks) {
        for (const MonthCell& cell : week) {
            if (!cell.inMonth) continue;
            for (const std::string& piece : BoxPieces(cell, language)) {
                for (const std::string& word : Wrapped(piece, 1)) width = std::max(width, DisplayColumns(word));
            }
        }
    }
    std::string rule;
    for (int column = 0; column < 7; ++column) {
        rule += '+';
        for (std::size_t i = 0; i < width + 2; ++i) rule += '-';
    }
    rule += "+\n";
    std::string out = rule;
    for (int column = 0; column < 7; ++column) {
        out += "| ";
        out += PaddedToColumns(LocalizedWeekdayShort(column, language), width);
        out += ' ';
    }
    out += "|\n";
    out += rule;
    for (const auto& week : grid.weeks) {
        std::array<std::vector<std::string>, 7> boxes;
        std::size_t height = 0;
        for (std::size_t column = 0; column < 7; ++column) {
            const MonthCell& cell = week[column];
            if (!cell.inMonth) continue;
            std::vector<std::string>& lines = boxes[column];
            lines.push_back(std::to_string(cell.date.day));
            for (const std::string& piece : BoxPieces(cell, language)) {
                for (std::string& line : Wrapped(piece, width)) lines.push_back(std::move(line));
            }
            height = std::max(height, lines.size());
        }
        for (std::size_t row = 0; row < height; ++row) {
            std::string line;
            for (const std::vector<std::string>& lines : boxes) {
                line += "| ";
                line += PaddedToColumns(row < lines.size() ? lines[row] : std::string(), width);
                line += ' ';
            }
            line += '|';
            out += line;
            out += '\n';
        }
        out += rule;
    }
    return out;
}

}  // namespace

std::string MonthJson(int year, int month, const CalendarSpan& span, const DayZone& zone, Language language) {
    const MonthGrid grid = MonthGridOf(year, month, span, zone);
    Json j;
    char name[8];
    std::snprintf(name, sizeof name, "%04d-%02d", year, month);
    j["month"] = name;
    const Observer place = span.days.empty() ? Observer{} : span.days.front().place;
    j["latitude"] = std::round(place.latitude * 1e4) / 1e4;
    j["longitude"] = std::round(place.longitude * 1e4) / 1e4;
    j["zone"] = zone.Name();
    Json months = Json::array();
    for (const HinduDay& day : span.days) {
        if (day.year != year || day.month != month || !day.masa) continue;
        const std::string text = MasaText(*day.masa);
        if (months.empty() || months.back() != text) months.push_back(text);
    }
    j["lunar_months"] = months;
    j["years"] = grid.years;
    Json days = Json::array();
    std::optional<SolarMonthCache> solar;  // the month's days share their sankrantis
    for (const HinduDay& day : span.days) {
        if (day.year != year || day.month != month) continue;
        if (!solar) solar.emplace(day.place, zone);
        days.push_back(Json::parse(DayJsonLine(day, zone, language, span.festivals, &*solar)));
    }
    j["days"] = days;
    Json sankrantis, phases;
    j["observances"] = EventsJson(span, zone, year, month, sankrantis, phases, language);
    j["sankrantis"] = sankrantis;
    j["moon_phases"] = phases;
    j["eclipses"] = EclipsesJson(EclipsesIn(span, zone, year, month), zone);
    // Dates of the month without a day (a date the zone's clock skips), each
    // with its reason; empty on almost every month.
    Json troubles = Json::array();
    for (const DateTrouble& trouble : span.troubles) {
        if (trouble.date.year == year && trouble.date.month == month) {
            troubles.push_back(Json{{"date", DateText(trouble.date)}, {"trouble", trouble.text}});
        }
    }
    j["troubles"] = troubles;
    std::vector<FestivalDay> festivals;
    for (const FestivalDay& f : span.festivals) {
        if (f.date.year == year && f.date.month == month) festivals.push_back(f);
    }
    j["festivals"] = FestivalsOf(festivals, language);
    return j.dump() + "\n";
}

std::string MonthText(int year, int month, const CalendarSpan& span, const DayZone& zone,
                      const std::string& placeLabel, Language language) {
    const MonthGrid grid = LocalizedGrid(MonthGridOf(year, month, span, zone), language);
    const auto word = [language](std::string_view english) {
        return std::string(LocalName(NameTable::Words, english, language));
    };
    // "15 Mar 01:03" for a moment dated apart from its row: the month's short name too.
    const auto clock = [&](double jdUt, const CalendarDate& date) {
        return LocalizedText(ClockTextOnDate(jdUt, zone, date), language, {NameTable::Events});
    };
    std::string out = LocalizedMonthTitle(year, month, language) + " – " + placeLabel + " (" + zone.Name() + ")\n";
    if (!grid.lunarMonths.empty()) out += word("Lunar months") + ": " + grid.lunarMonths + "\n";
    if (!grid.years.empty()) out += word("Years") + ": " + grid.years + "\n";
    // Appended piece by piece: g++ 12 at -O3 misreads `"literal" + std::string&&` as an
    // overlapping copy (-Werror=restrict) and stops the Release build.
    out += '\n';
    out += Padded(word("Date"), 12) + Padded(word("Day"), 5) + Padded(word("Rise"), 7) + Padded(word("Set"), 7) +
           Padded(word("Tithi at sunrise"), 23) + Padded(word("Nakshatra at sunrise"), 22) + word("Observances") +
           "\n";
    // The dates in order: each computed day's line, and for a date without a
    // day its reason in place of the values.
    for (int d = 1; d <= DaysInMonth(year, month); ++d) {
        const CalendarDate date{year, month, d};
        const auto sameDate = [&date](const HinduDay& day) {
            return CalendarDate{day.year, day.month, day.day} == date;
        };
        const auto found = std::find_if(span.days.begin(), span.days.end(), sameDate);
        const MonthCell* cell = CellOf(grid, date);
        if (found == span.days.end() || cell == nullptr) {
            for (const DateTrouble& trouble : span.troubles) {
                if (trouble.date == date) {
                    out += Padded(DateText(date), 12) + Padded(LocalizedWeekdayShort(WeekdayOf(date), language), 5) +
                           trouble.text + "\n";
                }
            }
            continue;
        }
        const HinduDay& day = *found;
        std::string notes;
        const auto add = [&notes](const std::string& text) { notes += (notes.empty() ? "" : "; ") + text; };
        for (const std::string& festival : cell->festivals) add(std::string(LocalName(NameTable::Festival, festival, language)));
        for (const std::string& observance : cell->observances) add(observance);
        // Each event on the line of its own date: one between midnight and
        // sunrise belongs to the Hindu day before but is on this date.
        const auto onDate = [&](double jdUt) { return LocalDateOf(jdUt, zone) == date; };
        for (const MoonPhaseMoment& phase : span.phases) {
            if (!onDate(phase.moment)) continue;
            add(word(phase.phase == MoonPhase::Full ? "full moon" : "new moon") + " " +
                clock(phase.moment, date));
        }
        for (const SankrantiEvent& s : span.sankrantis) {
            if (onDate(s.moment)) add(LocalizedCalendarText(s.sign + " Sankranti", language) + " " + clock(s.moment, date));
        }
        for (const Eclipse& e : EclipsesIn(span, zone, year, month)) {
            if (onDate(e.localGreatestJdUt)) {
                add(LocalizedCalendarText(EclipseBoxText(e), language) + " " + clock(e.localGreatestJdUt, date));
            }
        }
        out += Padded(DateText(date), 12) + Padded(LocalizedWeekdayShort(WeekdayOf(date), language), 5) +
               Padded(Clock(day.sunrise, zone), 7) + Padded(Clock(day.sunset, zone), 7) +
               Padded(cell->tithi + " (" + cell->paksha + ")", 23) + Padded(cell->nakshatra, 22) + notes;
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
    }
    // Below the table, the same month as a wall almanac prints it, with when
    // the tithi and nakshatra of sunrise end, the kshaya tithis, moonrise, the
    // moments of the moon and the sankranti, and » where a lunar month begins.
    out += '\n';
    out += MonthGridText(grid, language);
    return out;
}

std::string YearJson(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                     Language language) {
    Json j;
    j["year"] = year;
    j["place"] = placeLabel;
    const Observer place = span.days.empty() ? Observer{} : span.days.front().place;
    j["latitude"] = std::round(place.latitude * 1e4) / 1e4;
    j["longitude"] = std::round(place.longitude * 1e4) / 1e4;
    j["zone"] = zone.Name();
    Json sankrantis, phases;
    j["observances"] = EventsJson(span, zone, year, 0, sankrantis, phases, language);
    j["sankrantis"] = sankrantis;
    j["moon_phases"] = phases;
    j["eclipses"] = EclipsesJson(EclipsesIn(span, zone, year, 0), zone);
    // Dates without a day (a date the zone's clock skips), with the reason.
    Json troubles = Json::array();
    for (const DateTrouble& trouble : span.troubles) {
        troubles.push_back(Json{{"date", DateText(trouble.date)}, {"trouble", trouble.text}});
    }
    j["troubles"] = troubles;
    std::vector<FestivalDay> festivals;
    for (const FestivalDay& f : span.festivals) {
        if (f.date.year == year) festivals.push_back(f);
    }
    j["festivals"] = FestivalsOf(festivals, language);
    return j.dump() + "\n";
}

std::string FoundPlaceKey(const Observer& place, const DayZone& zone) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f%c %.4f%c ", std::fabs(place.latitude), place.latitude < 0 ? 'S' : 'N',
                  std::fabs(place.longitude), place.longitude < 0 ? 'W' : 'E');
    return Slug(text + zone.Name());
}

CalendarFeed YearFeed(int year, const CalendarSpan& span, const DayZone& zone, const std::string& placeLabel,
                      Language language, const std::string& placeKey) {
    const std::string key = placeKey.empty() ? Slug(placeLabel) : placeKey;
    CalendarFeed feed;
    // The calendar's name is an extension property, which libical writes
    // without escaping commas and semicolons: the place goes in up to its
    // first comma, without the characters a TEXT value would have to escape.
    std::string place = placeLabel.substr(0, placeLabel.find(','));
    std::erase_if(place, [](char c) { return c == ';' || c == '\\'; });
    // Without the blanks around it ("--place ' Pune '"): a calendar reads a
    // name without the blanks at its end.
    place.erase(0, place.find_first_not_of(" \t"));
    place.erase(place.find_last_not_of(" \t") + 1);
    feed.name = "Velmora observances " + std::to_string(year);
    if (!place.empty()) feed.name += " – " + place;
    // No clock: the stamp is the start of the year asked for.
    feed.stamp = UtcTime{year, 1, 1, 0, 0, 0};
    std::vector<ObservanceEntry> observances;
    for (const ObservanceEntry& entry : span.observances) {
        if (entry.date.year == year) observances.push_back(entry);
    }
    std::vector<SankrantiEvent> sankrantis;
    for (const SankrantiEvent& s : span.sankrantis) {
        if (InPeriod(s.moment, zone, year, 0)) sankrantis.push_back(s);
    }
    std::vector<MoonPhaseMoment> phases;
    for (const MoonPhaseMoment& p : span.phases) {
        if (InPeriod(p.moment, zone, year, 0)) phases.push_back(p);
    }
    feed.events = ObservanceEvents(observances, sankrantis, phases, key, OffsetOf(zone));
    for (const Eclipse& e : EclipsesIn(span, zone, year, 0)) feed.events.push_back(EclipseEvent(e, zone, key));
    for (const FestivalDay& f : span.festivals) {
        if (f.date.year != year) continue;
        CalendarEvent event;
        event.allDay = true;
        event.date = f.date;
        event.summary = std::string(f.name);
        event.category = "Festival";
        char day[16];
        std::snprintf(day, sizeof day, "%04d%02d%02d", f.date.year, f.date.month, f.date.day);
        event.uid = EventUid(std::string(day) + "-festival-" + std::string(f.key), key);
        event.description = std::string(f.name) + ". " + f.rule + ".";
        feed.events.push_back(std::move(event));
    }
    SortEvents(feed.events);
    return LocalizedFeed(std::move(feed), language);
}

std::string FestivalListJson(std::span<const FestivalDay> festivals) { return FestivalsOf(festivals).dump(); }

std::string FestivalsJson(int year, std::span<const FestivalDay> festivals, const std::vector<Eclipse>& eclipses,
                          const Observer& place, const DayZone& zone, const std::string& placeLabel,
                          Language language) {
    Json j;
    j["year"] = year;
    j["place"] = placeLabel;
    j["latitude"] = std::round(place.latitude * 1e4) / 1e4;
    j["longitude"] = std::round(place.longitude * 1e4) / 1e4;
    j["zone"] = zone.Name();
    j["festivals"] = FestivalsOf(festivals, language);
    j["eclipses"] = EclipsesJson(eclipses, zone);
    return j.dump() + "\n";
}

std::string FestivalsText(int year, std::span<const FestivalDay> festivals, const std::vector<Eclipse>& eclipses,
                          const DayZone& zone, const std::string& placeLabel, Language language) {
    const bool english = language == Language::English;
    const auto word = [language](std::string_view english) {
        return std::string(LocalName(NameTable::Words, english, language));
    };
    const auto heading = [language](std::string_view english) {
        return std::string(LocalName(NameTable::Events, english, language));
    };
    std::string out = heading("Festivals");
    out += ' ';
    out += std::to_string(year) + " – " + placeLabel + " (" + zone.Name() + ")\n\n";
    out += Padded(word("Date"), 12) + Padded(word("Day"), 5);
    out += english ? Padded(heading("Festival"), 38) + heading("Rule") : heading("Festival");
    out += '\n';
    for (const FestivalDay& f : festivals) {
        const std::string name(LocalName(NameTable::Festival, f.name, language));
        std::string line = Padded(DateText(f.date), 12) + Padded(LocalizedWeekdayShort(WeekdayOf(f.date), language), 5);
        // The rule is an English sentence: another language shows the name alone.
        line += english ? Padded(name, 38) + f.rule : name;
        out += line;
        out += '\n';
    }
    out += '\n';
    out += LocalizedCalendarText(EclipsesTable(eclipses, zone), language);
    return out;
}

}  // namespace velmora
