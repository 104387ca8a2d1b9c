#include "results/DayInFullTab.h"

#include <cmath>

#include "astronomy/Epochs.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"
#include "day/DayInFull.h"
#include "day/Tarabalam.h"
#include "day/YearName.h"
#include "engine/Engine.h"
#include "panchang/MoonMansion.h"
#include "panchang/PanchangReport.h"
#include "shared/VectorState.h"

namespace velmora {

namespace {

std::string Clock(double jdUt, const DayZone& zone) {
    const std::string iso = LocalTimeText(jdUt, zone);
    return iso.size() == 25 ? iso.substr(11, 5) : std::string("?");
}

// "2026-12-07 06:18", or "?" for a moment without a clock reading (a
// search that gave none): never a cut of an empty text.
std::string DateAndClock(double jdUt, const DayZone& zone) {
    const std::string iso = LocalTimeText(jdUt, zone);
    return iso.size() == 25 ? iso.substr(0, 10) + " " + iso.substr(11, 5) : std::string("?");
}

std::string Span(double from, double to, const DayZone& zone) { return Clock(from, zone) + "–" + Clock(to, zone); }

template <typename Table, typename Quality>
std::vector<HourRow> Rows(const std::vector<NamedSpan>& spans, const Table& names, Quality quality,
                          const DayZone& zone) {
    std::vector<HourRow> rows;
    for (const NamedSpan& s : spans) {
        const auto k = static_cast<std::size_t>(s.key);
        rows.push_back({k < names.size() ? std::string(names[k]) : std::string("?"), Span(s.startJdUt, s.endJdUt, zone),
                        quality(s.key)});
    }
    return rows;
}

std::string Spans(const std::vector<DaySpan>& spans, const DayZone& zone) {
    std::string text;
    for (const DaySpan& s : spans) text += (text.empty() ? "" : ", ") + Span(s.startJdUt, s.endJdUt, zone);
    return text.empty() ? "none" : text;
}

std::string NakshatraSpans(const std::vector<NamedSpan>& spans, const DayZone& zone) {
    std::string text;
    for (const NamedSpan& s : spans) {
        text += (text.empty() ? "" : ", ") + Span(s.startJdUt, s.endJdUt, zone);
        if (s.key >= 1 && s.key <= 27) text += " (" + std::string(NakshatraNames[static_cast<std::size_t>(s.key - 1)]) + ")";
    }
    return text.empty() ? "none in this day" : text;
}

std::string Name(const std::optional<int>& index) {
    return index && *index >= 0 && *index < 60 ? std::string(SamvatsaraNames[static_cast<std::size_t>(*index)]) : "?";
}

// "Janma (good) to 14:05, Sampat (good)".
template <typename Label>
std::string Strength(const std::vector<TaraSpan>& spans, double dayEnd, const DayZone& zone, Label label) {
    std::string text;
    for (const TaraSpan& s : spans) {
        if (!text.empty()) text += ", ";
        text += label(s) + (s.good ? " (good)" : " (bad)");
        if (s.endJdUt < dayEnd) text += " to " + Clock(s.endJdUt, zone);
    }
    return text.empty() ? "?" : text;
}

std::string Ordinal(int n) {
    const char* suffix = n % 100 >= 11 && n % 100 <= 13 ? "th" : n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

}  // namespace

static std::optional<DayInFullTab> TabOf(const BirthRecord& birth, const DayZone* clock);

std::optional<DayInFullTab> DayInFullTabOf(const BirthRecord& birth) { return TabOf(birth, nullptr); }

std::optional<DayInFullTab> DayInFullTabOf(const BirthRecord& birth, const DayZone& clock) { return TabOf(birth, &clock); }

static std::optional<DayInFullTab> TabOf(const BirthRecord& birth, const DayZone* clock) {
    if (birth.QueryMonth < 1 || birth.QueryMonth > 12 || birth.QueryDay < 1 || birth.QueryDay > 31) return std::nullopt;
    // The moment and the day exactly as the Day tab forms them, on the
    // place's own clock when it has one (DayTabValuesOf).
    const WorkingValues working = PrepareWorkingValues(birth, J2000);
    PanchangMoment moment = PanchangTimeChain(working);
    const FixedZone boxes(working.SignedZone);
    const DayZone& zone = clock != nullptr ? *clock : boxes;
    if (clock != nullptr) {
        const double reading = moment.jdUt + working.SignedZone / 24;
        moment.jdUt = reading - clock->OffsetHours(moment.jdUt) / 24;
        moment.jdUt = reading - clock->OffsetHours(moment.jdUt) / 24;
    }
    const double latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatIsSouth ? -1 : 1);
    const double longitude = (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.LonIsEast ? 1 : -1);
    ClearUpperVectorState();
    const std::optional<HinduDay> day = HinduDayHolding(moment.jdUt, Observer{latitude, longitude, 0}, zone);
    if (!day) return std::nullopt;
    const DayInFull f = ComputeDayInFull(*day, zone);

    DayInFullTab t;
    auto chog = [](int k) { return std::string(QualityName(ChoghadiyaQuality[static_cast<std::size_t>(((k % 7) + 7) % 7)])); };
    auto none = [](int) { return std::string(); };
    auto gowri = [](int k) { return std::string(GowriGood[static_cast<std::size_t>(((k % 8) + 8) % 8)] ? "good" : "bad"); };
    t.choghadiyaDay = Rows(f.choghadiya.day, ChoghadiyaNames, chog, zone);
    t.choghadiyaNight = Rows(f.choghadiya.night, ChoghadiyaNames, chog, zone);
    t.horaDay = Rows(f.hora.day, PlanetNames, none, zone);
    t.horaNight = Rows(f.hora.night, PlanetNames, none, zone);
    t.gowriDay = Rows(f.gowri.day, GowriNames, gowri, zone);
    t.gowriNight = Rows(f.gowri.night, GowriNames, gowri, zone);

    auto add = [&t](const char* caption, std::string value) { t.more.emplace_back(caption, std::move(value)); };
    add("Durmuhurta", Spans(f.durmuhurta, zone));
    add("Varjyam", NakshatraSpans(f.varjyam, zone));
    add("Amrit Kalam", NakshatraSpans(f.amritKalam, zone));
    add("Panchak", f.panchak ? DateAndClock(f.panchak->startJdUt, zone) + " to " + DateAndClock(f.panchak->endJdUt, zone)
                             : std::string("none in this day"));
    add("Samvatsara", Name(f.samvatsaraNorth) + " (north), " + Name(f.samvatsaraSouth) + " (south), " +
                          Name(f.samvatsaraTamil) + " (Tamil)");
    add("Ritu, Ayana", (f.ritu ? std::string(RituNames[static_cast<std::size_t>(*f.ritu)]) : std::string("?")) + ", " +
                           (f.ayana ? std::string(AyanaNames[static_cast<std::size_t>(*f.ayana)]) : std::string("?")));
    add("Tamil Date", f.tamil ? SolarDateText(SolarCalendar::Tamil, *f.tamil) : "?");
    add("Malayalam Date", f.malayalam ? SolarDateText(SolarCalendar::Malayalam, *f.malayalam) : "?");
    add("Bengali Date", f.bengali ? SolarDateText(SolarCalendar::Bengali, *f.bengali) : "?");

    // The person's birth stars: the nakshatra and Moon sign at the moment.
    Birth person;
    for (const DayElement& n : day->nakshatra) {
        if (moment.jdUt >= n.startJdUt && moment.jdUt < n.endJdUt) person.nakshatra = n.number;
    }
    const std::vector<TaraSpan> signs = MoonSignsOver(moment.jdUt, moment.jdUt + 1.0 / 1440);
    person.moonSign = signs.empty() ? -1 : signs.front().of;
    const DayStrength strength = DayStrengthOf(*day, person);
    add("Tarabalam", Strength(strength.tarabalam, day->endJdUt, zone,
                              [](const TaraSpan& s) { return std::string(TaraNames[static_cast<std::size_t>(s.tara - 1)]); }));
    add("Chandrabalam", Strength(strength.chandrabalam, day->endJdUt, zone,
                                 [](const TaraSpan& s) { return Ordinal(s.tara) + " from the birth sign"; }));
    return t;
}

std::optional<BirthStars> BirthStarsOf(const BirthRecord& birth) {
    if (birth.QueryMonth < 1 || birth.QueryMonth > 12 || birth.QueryDay < 1 || birth.QueryDay > 31) return std::nullopt;
    const WorkingValues working = PrepareWorkingValues(birth, J2000);
    const PanchangMoment moment = PanchangTimeChain(working);
    ClearUpperVectorState();
    SiderealMoonSpans spans(SunMoonAt(moment.jde), NegativeAyanamsa(moment.jde));
    const std::optional<int> pada = PadaIndexOf(spans.Longitude());
    const std::optional<int> sign = SignIndexOf(spans.Longitude());
    if (!pada || !sign) return std::nullopt;
    return BirthStars{*pada / PadasPerMansion + 1, *sign};
}

DayInFullTab DayInFullSizingTab() {
    DayInFullTab t;
    const HourRow wide{"Amirtham", "23:59–23:59", "neutral"};
    t.choghadiyaDay = t.choghadiyaNight = t.gowriDay = t.gowriNight = std::vector<HourRow>(8, wide);
    t.horaDay = t.horaNight = std::vector<HourRow>(12, HourRow{"Mercury", "23:59–23:59", ""});
    for (const char* caption : MoreRows) t.more.emplace_back(caption, "");
    t.more[1].second = "23:59–23:59 (Purva Bhadrapada), 23:59–23:59 (Moola)";
    return t;
}

}  // namespace velmora
