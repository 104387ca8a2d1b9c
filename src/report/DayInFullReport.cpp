#include "report/DayInFullReport.h"

#include "day/GoodHoursTables.h"
#include "engine/Engine.h"
#include "day/YearName.h"
#include "names/NameTables.h"
#include "names/TextColumns.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

Json Moment(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);
    if (text.empty()) return nullptr;
    return text;
}

template <typename Table>
std::string Name(const Table& table, int key) {
    if (key < 0 || static_cast<std::size_t>(key) >= table.size()) return {};
    return std::string(table[static_cast<std::size_t>(key)]);
}

// A name of `table` in `language`; the English of `names` at `key`.
template <typename Table>
std::string LocalizedName(const Table& names, int key, NameTable table, Language language) {
    return std::string(LocalName(table, Name(names, key), language));
}

std::string_view QualityText(HourQuality q) { return QualityName(q); }

// Named parts with their quality: {"name","start","end","quality"}.
template <typename Table, typename Quality>
Json Parts(const std::vector<NamedSpan>& spans, const Table& names, Quality quality, const DayZone& zone,
           NameTable table, Language language) {
    Json list = Json::array();
    for (const NamedSpan& s : spans) {
        list.push_back(Json{{"name", std::string(LocalName(table, Name(names, s.key), language))},
                            {"start", Moment(s.startJdUt, zone)},
                            {"end", Moment(s.endJdUt, zone)},
                            {"quality", quality(s.key)}});
    }
    return list;
}

std::string_view ChoghadiyaQualityText(int key) {
    return QualityText(ChoghadiyaQuality[static_cast<std::size_t>(((key % 7) + 7) % 7)]);
}

std::string_view GowriQualityText(int key) {
    return GowriGood[static_cast<std::size_t>(((key % 8) + 8) % 8)] ? "good" : "bad";
}

Json Choghadiyas(const std::vector<NamedSpan>& spans, const DayZone& zone, Language language) {
    return Parts(spans, ChoghadiyaNames, ChoghadiyaQualityText, zone, NameTable::Choghadiya, language);
}

Json Gowris(const std::vector<NamedSpan>& spans, const DayZone& zone, Language language) {
    return Parts(spans, GowriNames, GowriQualityText, zone, NameTable::Gowri, language);
}

// The JSON's values other than "name" stay English whatever the language
// (only names follow it), so these do not take one.
Json NakshatraSpans(const std::vector<NamedSpan>& spans, const DayZone& zone) {
    Json list = Json::array();
    for (const NamedSpan& s : spans) {
        list.push_back(Json{{"start", Moment(s.startJdUt, zone)},
                            {"end", Moment(s.endJdUt, zone)},
                            {"nakshatra", Name(NakshatraNames, s.key - 1)}});
    }
    return list;
}

Json SamvatsaraName(const std::optional<int>& index) {
    if (!index) return nullptr;
    return Name(SamvatsaraNames, *index);
}

NameTable SolarMonthTable(SolarCalendar calendar) {
    return calendar == SolarCalendar::Tamil       ? NameTable::TamilSolarMonth
           : calendar == SolarCalendar::Malayalam ? NameTable::MalayalamSolarMonth
                                                  : NameTable::BengaliSolarMonth;
}

Json Solar(SolarCalendar calendar, const std::optional<SolarDate>& date) {
    if (!date) return nullptr;
    Json year = date->year;
    if (calendar == SolarCalendar::Tamil) year = Name(SamvatsaraNames, TamilSamvatsaraOf(date->year));
    return Json{{"month", std::string(SolarMonthName(calendar, date->sign))}, {"day", date->day}, {"year", year}};
}

// "Karthigai 21, Parabhava" with the month and the year's name in `language`.
std::string SolarText(SolarCalendar calendar, const SolarDate& date, Language language) {
    return LocalizedText(SolarDateText(calendar, date), language, {SolarMonthTable(calendar), NameTable::Samvatsara});
}

// "06:54 to 08:31" on the zone's clock, seconds dropped (as almanacs print).
std::string ClockSpan(double from, double to, const DayZone& zone) {
    const std::string a = LocalTimeText(from, zone);
    const std::string b = LocalTimeText(to, zone);
    if (a.size() < 16 || b.size() < 16) return "?";
    return a.substr(11, 5) + "-" + b.substr(11, 5);
}

std::string Caption(std::string_view caption) { return PaddedToColumns(std::string(caption), 18); }


}  // namespace

void AddDayInFullJson(Json& j, const DayInFull& f, const DayZone& zone, Language language) {
    j["choghadiya"] = Json{{"day", Choghadiyas(f.choghadiya.day, zone, language)},
                           {"night", Choghadiyas(f.choghadiya.night, zone, language)}};
    Json horas = Json::array();
    for (const auto* half : {&f.hora.day, &f.hora.night}) {
        for (const NamedSpan& s : *half) {
            horas.push_back(Json{{"lord", Name(PlanetNames, s.key)},
                                 {"start", Moment(s.startJdUt, zone)},
                                 {"end", Moment(s.endJdUt, zone)}});
        }
    }
    j["hora"] = std::move(horas);
    j["gowri"] = Json{{"day", Gowris(f.gowri.day, zone, language)}, {"night", Gowris(f.gowri.night, zone, language)}};
    Json dur = Json::array();
    for (const DaySpan& s : f.durmuhurta) dur.push_back(Json{{"start", Moment(s.startJdUt, zone)}, {"end", Moment(s.endJdUt, zone)}});
    j["durmuhurta"] = std::move(dur);
    j["varjyam"] = NakshatraSpans(f.varjyam, zone);
    j["amrit_kalam"] = NakshatraSpans(f.amritKalam, zone);
    j["panchak"] = f.panchak ? Json{{"start", Moment(f.panchak->startJdUt, zone)}, {"end", Moment(f.panchak->endJdUt, zone)}}
                             : Json(nullptr);
    j["samvatsara"] = Json{{"north", SamvatsaraName(f.samvatsaraNorth)},
                           {"south", SamvatsaraName(f.samvatsaraSouth)},
                           {"tamil", SamvatsaraName(f.samvatsaraTamil)}};
    j["ritu"] = f.ritu ? Json(Name(RituNames, *f.ritu)) : Json(nullptr);
    j["ayana"] = f.ayana ? Json(Name(AyanaNames, *f.ayana)) : Json(nullptr);
    j["solar"] = Json{{"tamil", Solar(SolarCalendar::Tamil, f.tamil)},
                      {"malayalam", Solar(SolarCalendar::Malayalam, f.malayalam)},
                      {"bengali", Solar(SolarCalendar::Bengali, f.bengali)}};
}

std::string DayInFullText(const DayInFull& f, const DayZone& zone, Language language) {
    std::string out;
    // Captions and words through the tables (the English unchanged).
    const auto text = [language](std::string_view english) { return LocalizedAny(english, language); };
    auto line = [&out](std::string_view caption, const std::string& value) {
        out += Caption(caption);
        out += value;
        out += '\n';
    };
    // Four parts to a line keeps each line under 100 columns.
    auto parts = [&](std::string_view caption, const std::vector<NamedSpan>& spans, auto nameOf) {
        if (spans.empty()) {
            line(text(caption), text("none (needs sunrise and sunset)"));
            return;
        }
        std::string value;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (i % 4 != 0) value += ", ";
            value += nameOf(spans[i].key) + " " + ClockSpan(spans[i].startJdUt, spans[i].endJdUt, zone);
            if (i % 4 == 3 || i + 1 == spans.size()) {
                line(i < 4 ? text(caption) : "", value);
                value.clear();
            }
        }
    };
    auto chog = [language](int key) { return LocalizedName(ChoghadiyaNames, key, NameTable::Choghadiya, language); };
    auto lord = [language](int key) { return LocalizedName(PlanetNames, key, NameTable::Planet, language); };
    auto gowri = [language](int key) { return LocalizedName(GowriNames, key, NameTable::Gowri, language); };
    parts("Choghadiya day", f.choghadiya.day, chog);
    parts("Choghadiya night", f.choghadiya.night, chog);
    parts("Hora day", f.hora.day, lord);
    parts("Hora night", f.hora.night, lord);
    parts("Gowri day", f.gowri.day, gowri);
    parts("Gowri night", f.gowri.night, gowri);
    auto spans = [&](std::string_view caption, const std::vector<DaySpan>& list) {
        std::string value;
        for (const DaySpan& s : list) value += (value.empty() ? "" : ", ") + ClockSpan(s.startJdUt, s.endJdUt, zone);
        line(text(caption), value.empty() ? text("none") : value);
    };
    spans("Durmuhurta", f.durmuhurta);
    auto nakshatraSpans = [&](std::string_view caption, const std::vector<NamedSpan>& list) {
        std::string value;
        for (const NamedSpan& s : list) {
            value += (value.empty() ? "" : ", ") + ClockSpan(s.startJdUt, s.endJdUt, zone) + " (" +
                     LocalizedName(NakshatraNames, s.key - 1, NameTable::Nakshatra, language) + ")";
        }
        line(text(caption), value.empty() ? text("none in this day") : value);
    };
    nakshatraSpans("Varjyam", f.varjyam);
    nakshatraSpans("Amrit kalam", f.amritKalam);
    if (f.panchak) {
        const std::string a = LocalTimeText(f.panchak->startJdUt, zone);
        const std::string b = LocalTimeText(f.panchak->endJdUt, zone);
        const std::string to = "  " + text("to") + "  ";
        line(text("Panchak"), a.size() >= 16 && b.size() >= 16 ? a.substr(0, 10) + " " + a.substr(11, 5) + to +
                                                                     b.substr(0, 10) + " " + b.substr(11, 5)
                                                               : "?");
    } else {
        line(text("Panchak"), text("none in this day"));
    }
    auto name = [language](const std::optional<int>& i) {
        return i ? LocalizedName(SamvatsaraNames, *i, NameTable::Samvatsara, language) : std::string("?");
    };
    line(text("Samvatsara"), name(f.samvatsaraNorth) + " " + text("(north)") + ", " + name(f.samvatsaraSouth) + " " +
                                 text("(south)") + ", " + name(f.samvatsaraTamil) + " " + text("(Tamil)"));
    line(text("Ritu, ayana"),
         (f.ritu ? LocalizedName(RituNames, *f.ritu, NameTable::Ritu, language) : std::string("?")) + ", " +
             (f.ayana ? LocalizedName(AyanaNames, *f.ayana, NameTable::Ayana, language) : std::string("?")));
    auto solar = [&](std::string_view caption, SolarCalendar c, const std::optional<SolarDate>& d) {
        line(text(caption), d ? SolarText(c, *d, language) : std::string("?"));
    };
    solar("Tamil date", SolarCalendar::Tamil, f.tamil);
    solar("Malayalam date", SolarCalendar::Malayalam, f.malayalam);
    solar("Bengali date", SolarCalendar::Bengali, f.bengali);
    return out;
}

}  // namespace velmora
