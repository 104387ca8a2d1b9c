#include "report/DayInFullReport.h"

#include <utility>
#include <vector>

#include "day/GoodHoursTables.h"
#include "engine/Engine.h"
#include "day/YearName.h"
#include "names/NameTables.h"
#include "names/TextColumns.h"
#include "report/JsonText.h"

namespace velmora {

namespace {

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

// Writes the day in full's part of a day's JSON line straight into its text:
// a year of days holds some 40,000 of these small objects, and building each
// as a JSON value before writing it cost more than computing the day in full.
// The bytes are the ones the JSON library writes (compact, UTF-8 as it is).
class JsonWriter {
public:
    JsonWriter(std::string& out, const DayZone& zone) : out_(out), zone_(zone) {}
    void Key(const char* text) { out_ += text; }
    void String(std::string_view text) { AppendJsonString(out_, text); }
    // A moment on the zone's clock, or null. The parts share their
    // boundaries (a part's end is the next one's start; choghadiya and Gowri
    // cut the same halves into eight), so each is formatted once a day.
    void Moment(double jdUt) {
        for (const auto& [at, text] : seen_) {
            if (at == jdUt) {  // the same boundary is the same double
                out_ += text;
                return;
            }
        }
        const std::string local = LocalTimeText(jdUt, zone_);
        std::string text = "null";
        if (!local.empty()) {
            text.clear();
            AppendJsonString(text, local);
        }
        out_ += text;
        seen_.emplace_back(jdUt, std::move(text));
    }

private:
    std::string& out_;
    const DayZone& zone_;
    std::vector<std::pair<double, std::string>> seen_;
};

std::string_view QualityText(HourQuality q) { return QualityName(q); }

std::string_view ChoghadiyaQualityText(int key) {
    return QualityText(ChoghadiyaQuality[static_cast<std::size_t>(((key % 7) + 7) % 7)]);
}

std::string_view GowriQualityText(int key) {
    return GowriGood[static_cast<std::size_t>(((key % 8) + 8) % 8)] ? "good" : "bad";
}

NameTable SolarMonthTable(SolarCalendar calendar) {
    return calendar == SolarCalendar::Tamil       ? NameTable::TamilSolarMonth
           : calendar == SolarCalendar::Malayalam ? NameTable::MalayalamSolarMonth
                                                  : NameTable::BengaliSolarMonth;
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

void AppendDayInFullJson(std::string& out, const DayInFull& f, const DayZone& zone, Language language) {
    JsonWriter w(out, zone);
    auto parts = [&](const std::vector<NamedSpan>& spans, auto name, auto quality) {
        out += '[';
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (i > 0) out += ',';
            w.Key("{\"name\":");
            w.String(name(spans[i].key));
            w.Key(",\"start\":");
            w.Moment(spans[i].startJdUt);
            w.Key(",\"end\":");
            w.Moment(spans[i].endJdUt);
            w.Key(",\"quality\":");
            w.String(quality(spans[i].key));
            out += '}';
        }
        out += ']';
    };
    auto halves = [&](const DayAndNight& h, auto name, auto quality) {
        out += "{\"day\":";
        parts(h.day, name, quality);
        out += ",\"night\":";
        parts(h.night, name, quality);
        out += '}';
    };
    auto chog = [language](int key) { return LocalizedName(ChoghadiyaNames, key, NameTable::Choghadiya, language); };
    auto gowri = [language](int key) { return LocalizedName(GowriNames, key, NameTable::Gowri, language); };
    out += "\"choghadiya\":";
    halves(f.choghadiya, chog, ChoghadiyaQualityText);
    out += ",\"hora\":[";
    bool first = true;
    for (const auto* half : {&f.hora.day, &f.hora.night}) {
        for (const NamedSpan& s : *half) {
            if (!first) out += ',';
            first = false;
            out += "{\"lord\":";
            w.String(Name(PlanetNames, s.key));
            out += ",\"start\":";
            w.Moment(s.startJdUt);
            out += ",\"end\":";
            w.Moment(s.endJdUt);
            out += '}';
        }
    }
    out += "],\"gowri\":";
    halves(f.gowri, gowri, GowriQualityText);
    out += ",\"durmuhurta\":[";
    for (std::size_t i = 0; i < f.durmuhurta.size(); ++i) {
        out += i > 0 ? ",{\"start\":" : "{\"start\":";
        w.Moment(f.durmuhurta[i].startJdUt);
        out += ",\"end\":";
        w.Moment(f.durmuhurta[i].endJdUt);
        out += '}';
    }
    // The JSON's values other than "name" stay English whatever the language.
    auto nakshatraSpans = [&](const char* key, const std::vector<NamedSpan>& spans) {
        out += key;
        out += '[';
        for (std::size_t i = 0; i < spans.size(); ++i) {
            out += i > 0 ? ",{\"start\":" : "{\"start\":";
            w.Moment(spans[i].startJdUt);
            out += ",\"end\":";
            w.Moment(spans[i].endJdUt);
            out += ",\"nakshatra\":";
            w.String(Name(NakshatraNames, spans[i].key - 1));
            out += '}';
        }
        out += ']';
    };
    nakshatraSpans("],\"varjyam\":", f.varjyam);
    nakshatraSpans(",\"amrit_kalam\":", f.amritKalam);
    out += ",\"panchak\":";
    if (f.panchak) {
        out += "{\"start\":";
        w.Moment(f.panchak->startJdUt);
        out += ",\"end\":";
        w.Moment(f.panchak->endJdUt);
        out += '}';
    } else {
        out += "null";
    }
    auto optionalName = [&](const std::optional<int>& index, const auto& names) {
        if (index) {
            w.String(Name(names, *index));
        } else {
            out += "null";
        }
    };
    out += ",\"samvatsara\":{\"north\":";
    optionalName(f.samvatsaraNorth, SamvatsaraNames);
    out += ",\"south\":";
    optionalName(f.samvatsaraSouth, SamvatsaraNames);
    out += ",\"tamil\":";
    optionalName(f.samvatsaraTamil, SamvatsaraNames);
    out += "},\"ritu\":";
    optionalName(f.ritu, RituNames);
    out += ",\"ayana\":";
    optionalName(f.ayana, AyanaNames);
    auto solar = [&](const char* key, SolarCalendar calendar, const std::optional<SolarDate>& date) {
        out += key;
        if (!date) {
            out += "null";
            return;
        }
        out += "{\"month\":";
        w.String(std::string(SolarMonthName(calendar, date->sign)));
        out += ",\"day\":" + std::to_string(date->day) + ",\"year\":";
        if (calendar == SolarCalendar::Tamil) {
            w.String(Name(SamvatsaraNames, TamilSamvatsaraOf(date->year)));
        } else {
            out += std::to_string(date->year);
        }
        out += '}';
    };
    solar(",\"solar\":{\"tamil\":", SolarCalendar::Tamil, f.tamil);
    solar(",\"malayalam\":", SolarCalendar::Malayalam, f.malayalam);
    solar(",\"bengali\":", SolarCalendar::Bengali, f.bengali);
    out += '}';
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
