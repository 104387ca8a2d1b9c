#include "report/DayReport.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

#include "astronomy/Calendar.h"
#include "astronomy/Epochs.h"
#include "day/DayTables.h"
#include "engine/Engine.h"
#include "names/NameTables.h"
#include "names/TextColumns.h"
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/ZoneClock.h"
#include "panchang/PanchangTables.h"
#include "report/CommandLine.h"
#include "report/DayInFullReport.h"

#include "calendar/CalendarNames.h"
#include "calendar/EclipseNotes.h"
#include "report/EclipseJson.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

int Number(std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

// "28:36N" (checked by the option) as signed degrees: north and east positive.
double Degrees(std::string_view coordinate) {
    const auto colon = coordinate.find(':');
    const double value = Number(coordinate.substr(0, colon)) +
                         Number(coordinate.substr(colon + 1, coordinate.size() - colon - 2)) / 60.0;
    const char hemisphere = coordinate.back();
    return hemisphere == 'S' || hemisphere == 's' || hemisphere == 'W' || hemisphere == 'w' ? -value : value;
}

// Six decimals are a tenth of a metre: enough, and short to read.
double Rounded(double degrees) { return std::round(degrees * 1e6) / 1e6; }

Json Moment(const std::optional<double>& jdUt, const DayZone& zone) {
    if (!jdUt) return nullptr;
    const std::string text = LocalTimeText(*jdUt, zone);
    if (text.empty()) return nullptr;
    return text;
}

Json Span(const std::optional<DaySpan>& span, const DayZone& zone) {
    if (!span) return nullptr;
    return Json{{"start", Moment(span->startJdUt, zone)}, {"end", Moment(span->endJdUt, zone)}};
}

std::string_view Paksha(int tithi) { return tithi <= 15 ? "Shukla" : "Krishna"; }

Json Elements(const std::vector<DayElement>& elements, const DayZone& zone, bool withPaksha, NameTable table,
              Language language) {
    Json list = Json::array();
    for (const DayElement& e : elements) {
        Json item{{"number", e.number}, {"name", std::string(LocalName(table, e.name, language))}};
        if (withPaksha) item["paksha"] = std::string(Paksha(e.number));
        item["start"] = Moment(e.startJdUt, zone);
        item["end"] = Moment(e.endJdUt, zone);
        list.push_back(std::move(item));
    }
    return list;
}

std::string DateText(const HinduDay& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year % 10000, day.month % 100, day.day % 100);
    return text;
}

std::string_view VaraName(int vara) {
    const std::optional<VaraRow> row = VaraRowOf(vara);
    return row ? row->lblDay : std::string_view();
}

std::string MasaText(int index) { return std::string(MasaNames[static_cast<std::size_t>(((index % 12) + 12) % 12)]); }

// "2026-12-07 06:54:02 +05:30" from "2026-12-07T06:54:02+05:30" (and
// "… +05:21:10" for an offset with seconds).
std::string Readable(const std::optional<double>& jdUt, const DayZone& zone, std::string_view missing) {
    if (!jdUt) return std::string(missing);
    std::string text = LocalTimeText(*jdUt, zone);
    if (text.size() < 25) return std::string(missing);  // 28 with an offset's seconds
    text[10] = ' ';
    text.insert(19, " ");
    return text;
}

std::string Caption(std::string_view caption) { return PaddedToColumns(std::string(caption), 18); }

}  // namespace

DaySite DaySiteFromOptions(const FriendlyOptions& o, const PlaceDirectory* directory) {
    DaySite site;
    if (!o.place.empty()) {
        if (directory == nullptr) {
            site.failure = "--place: this velmora-report was built without the gazetteer (libgeonames)";
            site.status = kExitFailure;
            return site;
        }
        const std::string_view d = o.hinduDay;
        const LocalMoment noon{Number(d.substr(0, 4)), Number(d.substr(5, 2)), Number(d.substr(8, 2)), 12, 0};
        const PlaceAnswer answer = FindPlaceOnDate(*directory, o.place, noon);
        if (!answer.found) {
            site.failure = "--place: " + answer.problem;
            site.status = kExitUsage;
            return site;
        }
        const Place& place = answer.place.place;
        site.zone = ZoneClock(place.zoneId);
        if (!site.zone) {
            site.failure = "--place: the time-zone database does not know the zone " + place.zoneId;
            site.status = kExitFailure;
            return site;
        }
        site.observer = Observer{place.latitude, place.longitude, 0};
        site.said.push_back("place: " + PlaceLabel(place) + " (" + place.zoneId + ")");
        return site;
    }
    // Typed: the zone's direction from the longitude, daylight saving one
    // hour ahead, exactly as the moment's report forms it.
    BirthRecord birth;
    const auto colon = o.zone.find(':');
    birth.ZoneHours = static_cast<std::int16_t>(Number(std::string_view(o.zone).substr(0, colon)));
    birth.ZoneMinutes = static_cast<std::int16_t>(Number(std::string_view(o.zone).substr(colon + 1)));
    const auto lonColon = o.lon.find(':');
    birth.LonDegrees = static_cast<std::int16_t>(Number(std::string_view(o.lon).substr(0, lonColon)));
    birth.LonMinutes =
        static_cast<std::int16_t>(Number(std::string_view(o.lon).substr(lonColon + 1, o.lon.size() - lonColon - 2)));
    birth.LonIsEast = o.lon.back() == 'E' || o.lon.back() == 'e';
    birth.DstOn = o.dst;
    const WorkingValues w = PrepareWorkingValues(birth, J2000);
    site.zone = std::make_unique<FixedZone>(w.SignedZone);
    site.observer = Observer{Degrees(o.lat), Degrees(o.lon), 0};
    return site;
}

std::vector<CivilDate> DatesFromOptions(const FriendlyOptions& o) {
    std::vector<CivilDate> dates;
    if (o.hinduDay.size() != 10) return dates;
    const std::string_view d = o.hinduDay;
    const double first = CivilDayNumber(Number(d.substr(5, 2)), Number(d.substr(8, 2)), Number(d.substr(0, 4)));
    const int count = o.days > 0 ? o.days : 1;
    for (int i = 0; i < count; ++i) {
        CalendarMoment date;
        if (!CalendarFromJulianDay(first + i, date)) break;
        dates.push_back({static_cast<int>(date.year), static_cast<int>(date.month), static_cast<int>(date.day)});
    }
    return dates;
}

std::string DayJsonLine(const HinduDay& day, const DayZone& zone, Language language,
                        std::span<const FestivalDay> festivals, SolarMonthCache* solar) {
    Json j;
    j["date"] = DateText(day);
    j["latitude"] = Rounded(day.place.latitude);
    j["longitude"] = Rounded(day.place.longitude);
    j["zone"] = zone.Name();
    j["sunrise"] = Moment(day.sunrise, zone);
    j["sunset"] = Moment(day.sunset, zone);
    j["next_sunrise"] = Moment(day.nextSunrise, zone);
    j["moonrise"] = Moment(day.moonrise, zone);
    j["moonset"] = Moment(day.moonset, zone);
    j["note"] = day.note.empty() ? Json(nullptr) : Json(day.note);
    j["day_start"] = Moment(day.startJdUt, zone);
    j["day_end"] = Moment(day.endJdUt, zone);
    j["vara"] = Json{{"number", day.vara}, {"name", std::string(LocalName(NameTable::Weekday, VaraName(day.vara), language))}};
    j["tithi"] = Elements(day.tithi, zone, true, NameTable::Tithi, language);
    j["nakshatra"] = Elements(day.nakshatra, zone, false, NameTable::Nakshatra, language);
    j["yoga"] = Elements(day.yoga, zone, false, NameTable::Yoga, language);
    j["karana"] = Elements(day.karana, zone, false, NameTable::Karana, language);
    j["rahu_kalam"] = Span(day.rahuKalam, zone);
    j["yamaganda"] = Span(day.yamaganda, zone);
    j["gulika_kalam"] = Span(day.gulikaKalam, zone);
    j["abhijit_muhurta"] = Span(day.abhijitMuhurta, zone);
    j["brahma_muhurta"] = Span(day.brahmaMuhurta, zone);
    if (day.masa) {
        j["masa"] = Json{{"amanta", MasaText(day.masa->amanta)},
                         {"purnimanta", MasaText(day.masa->purnimanta)},
                         {"adhika", day.masa->adhika},
                         {"kshaya", day.masa->kshaya},
                         {"paksha", day.masa->shukla ? "Shukla" : "Krishna"}};
        j["shaka_year"] = day.masa->shakaYear;
        j["vikram_year"] = day.masa->vikramYear;
    } else {
        j["masa"] = nullptr;
        j["shaka_year"] = nullptr;
        j["vikram_year"] = nullptr;
    }
    if (day.sankranti) {
        j["sankranti"] = Json{{"sign", std::string(SignNames[static_cast<std::size_t>(day.sankranti->sign % 12)])},
                              {"moment", Moment(day.sankranti->jdUt, zone)}};
    } else {
        j["sankranti"] = nullptr;
    }
    j["eclipses"] = EclipsesJson(day.eclipses, zone);
    Json kept = Json::array();
    for (const FestivalDay& f : festivals) {
        if (f.date == CalendarDate{day.year, day.month, day.day}) {
            kept.push_back(
                Json{{"key", std::string(f.key)}, {"name", std::string(LocalName(NameTable::Festival, f.name, language))}});
        }
    }
    j["festivals"] = kept;
    // The day in full after the day's own keys, written straight into the
    // line (report/DayInFullReport.h).
    std::string line = j.dump();
    line.pop_back();  // the object's closing brace
    line += ',';
    AppendDayInFullJson(line, ComputeDayInFull(day, zone, solar), zone, language);
    line += "}\n";
    return line;
}

std::string DayTroubleJsonLine(const CivilDate& date, const std::string& trouble) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month % 100, date.day % 100);
    Json j;
    j["date"] = text;
    j["trouble"] = trouble;
    return j.dump() + "\n";
}

std::string DayTroubleText(const CivilDate& date, const std::string& trouble) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month % 100, date.day % 100);
    return Caption("Day") + text + "\n" + Caption("Trouble") + trouble + "\n";
}

std::string DayText(const HinduDay& day, const DayZone& zone, Language language,
                    std::span<const FestivalDay> festivals, SolarMonthCache* solar) {
    std::string out;
    const auto word = [language](std::string_view english) {
        return std::string(LocalName(NameTable::Words, english, language));
    };
    const auto kalam = [language](std::string_view english) {
        return std::string(LocalName(NameTable::Kalam, english, language));
    };
    auto line = [&out](std::string_view caption, const std::string& value) {
        out += Caption(caption);
        out += value;
        out += '\n';
    };
    const std::string to = "  " + word("to") + "  ";
    const auto masa = [&](int index) {
        return std::string(LocalName(NameTable::LunarMonth, MasaText(index), language));
    };
    const auto paksha = [&](bool shukla) {
        return std::string(LocalName(NameTable::Paksha, shukla ? "Shukla" : "Krishna", language));
    };
    const auto sign = [&](int index) {
        return std::string(
            LocalName(NameTable::Sign, SignNames[static_cast<std::size_t>(index % 12)], language));
    };
    char where[96];
    std::snprintf(where, sizeof where, "%.4f%c %.4f%c", std::fabs(day.place.latitude),
                  day.place.latitude < 0 ? 'S' : 'N', std::fabs(day.place.longitude),
                  day.place.longitude < 0 ? 'W' : 'E');
    line(word("Day"), DateText(day) + ", " + std::string(LocalName(NameTable::Weekday, VaraName(day.vara), language)) +
                          " " + word("(sunrise to next sunrise)"));
    line(word("Place"), std::string(where) + ", " + word("zone") + " " + zone.Name());
    line(word("Sunrise"), Readable(day.sunrise, zone, word("does not rise")));
    line(word("Sunset"), Readable(day.sunset, zone, word("does not set")));
    line(word("Next sunrise"), Readable(day.nextSunrise, zone, word("does not rise")));
    line(word("Moonrise"), Readable(day.moonrise, zone, word("does not rise on this date")));
    line(word("Moonset"), Readable(day.moonset, zone, word("does not set on this date")));
    if (!day.note.empty()) line(word("Note"), LocalizedText(day.note, language, {NameTable::Words}));
    auto elements = [&](std::string_view caption, const std::vector<DayElement>& list, bool withPaksha,
                        NameTable table) {
        bool first = true;
        for (const DayElement& e : list) {
            std::string value(LocalName(table, e.name, language));
            if (withPaksha) value += " (" + paksha(e.number <= 15) + ")";
            value += ' ';
            value = PaddedToColumns(value, 28);
            value += Readable(e.startJdUt, zone, "?") + to + Readable(e.endJdUt, zone, "?");
            line(first ? caption : "", value);
            first = false;
        }
    };
    elements(word("Tithi"), day.tithi, true, NameTable::Tithi);
    elements(word("Nakshatra"), day.nakshatra, false, NameTable::Nakshatra);
    elements(word("Yoga"), day.yoga, false, NameTable::Yoga);
    elements(word("Karana"), day.karana, false, NameTable::Karana);
    auto span = [&](std::string_view caption, const std::optional<DaySpan>& s) {
        if (!s) {
            line(caption, word("none (needs sunrise and sunset)"));
            return;
        }
        line(caption, Readable(s->startJdUt, zone, "?") + to + Readable(s->endJdUt, zone, "?"));
    };
    span(kalam("Rahu kalam"), day.rahuKalam);
    span(kalam("Yamaganda"), day.yamaganda);
    span(kalam("Gulika kalam"), day.gulikaKalam);
    span(kalam("Abhijit muhurta"), day.abhijitMuhurta);
    span(kalam("Brahma muhurta"), day.brahmaMuhurta);
    if (day.masa) {
        const std::string adhika = day.masa->adhika ? word("Adhika") + " " : "";
        line(word("Lunar month"), adhika + masa(day.masa->amanta) + " (" + word("amanta") + "), " + adhika +
                                      masa(day.masa->purnimanta) + " (" + word("purnimanta") + "), " +
                                      paksha(day.masa->shukla) + " " + word("paksha") +
                                      (day.masa->kshaya ? "; " + word("kshaya (two sankrantis)") : ""));
        line(word("Years"), word("Shaka") + " " + std::to_string(day.masa->shakaYear) + ", " + word("Vikram") + " " +
                                std::to_string(day.masa->vikramYear));
    }
    line(word("Sankranti"), day.sankranti ? sign(day.sankranti->sign) + (language == Language::English ? " at " : " – ") +
                                                Readable(day.sankranti->jdUt, zone, "?")
                                          : word("none in this day"));
    for (const Eclipse& eclipse : day.eclipses) {
        bool first = true;
        for (const std::string& text : EclipseLines(eclipse, zone)) {
            line(first ? LocalName(NameTable::Texts, "Eclipse", language) : "", LocalizedCalendarText(text, language));
            first = false;
        }
    }
    bool firstFestival = true;
    for (const FestivalDay& f : festivals) {
        if (f.date != CalendarDate{day.year, day.month, day.day}) continue;
        // The rule's words are English: other languages show the name alone.
        const std::string name(LocalName(NameTable::Festival, f.name, language));
        line(firstFestival ? LocalName(NameTable::Events, "Festivals", language) : "", language == Language::English ? name + " – " + f.rule : name);
        firstFestival = false;
    }
    out += DayInFullText(ComputeDayInFull(day, zone, solar), zone, language);
    return out;
}

}  // namespace velmora
