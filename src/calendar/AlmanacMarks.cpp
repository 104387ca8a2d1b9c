#include "calendar/AlmanacMarks.h"

#include "calendar/CalendarDays.h"
#include "day/DayTables.h"
#include "names/NameTables.h"

namespace velmora {

namespace {

const DayElement* AtMoment(const std::vector<DayElement>& elements, double jdUt) {
    for (const DayElement& element : elements) {
        if (element.startJdUt <= jdUt && jdUt < element.endJdUt) return &element;
    }
    return nullptr;
}

std::string TithiName(const DayElement& tithi) {
    // Purnima and Ammavasai name their paksha themselves.
    if (tithi.number == 15 || tithi.number == 30) return std::string(tithi.name);
    std::string name = tithi.number <= 15 ? "Shukla " : "Krishna ";
    name += tithi.name;
    return name;
}

// The phrases of a box with a value inside, one row per phrase: English,
// Hindi, Tamil ("%1" the name, "%2" the time). Hindi and Tamil put "till"
// after the time, as their almanacs print it.
struct Phrase {
    const char* en;
    const char* hi;
    const char* ta;
    std::string In(Language language) const {
        return language == Language::Hindi ? hi : language == Language::Tamil ? ta : en;
    }
};
constexpr Phrase kTill{"%1 till %2", "%1 %2 तक", "%1 %2 வரை"};
constexpr Phrase kThenKshaya{"then %1 (kshaya)", "फिर %1 (क्षय)", "பின் %1 (க்ஷய)"};
constexpr Phrase kBegins{"%1 begins", "%1 आरम्भ", "%1 தொடக்கம்"};

// The phrase with its values put in (each %n once).
std::string Filled(const Phrase& phrase, Language language, const std::string& one, const std::string& two = {}) {
    std::string text = phrase.In(language);
    if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, one);
    if (const std::size_t at = text.find("%2"); at != std::string::npos) text.replace(at, 2, two);
    return text;
}

}  // namespace

AlmanacBox AlmanacBoxOf(const MonthCell& cell, Language language) {
    AlmanacBox box;
    if (cell.masaBegins && !cell.masa.empty()) box.masaBegins = Filled(kBegins, language, cell.masa);
    // Purnima and Ammavasai name their paksha themselves.
    std::string tithi = cell.tithi;
    if (cell.tithiNumber != 15 && cell.tithiNumber != 30 && !cell.paksha.empty()) {
        tithi = cell.paksha;
        tithi += ' ';
        tithi += cell.tithi;
    }
    box.tithi = cell.tithiEnds.empty() ? tithi : Filled(kTill, language, tithi, cell.tithiEnds);
    for (const std::string& kshaya : cell.kshayaTithis) box.kshaya.push_back(Filled(kThenKshaya, language, kshaya));
    box.nakshatra = cell.nakshatraEnds.empty() ? cell.nakshatra : Filled(kTill, language, cell.nakshatra, cell.nakshatraEnds);
    if (!cell.sankranti.empty()) {
        box.sankranti = cell.sankranti;
        if (!cell.sankrantiTime.empty()) {
            box.sankranti += ' ';
            box.sankranti += cell.sankrantiTime;
        }
    }
    if (cell.moon) {
        box.moon = LocalName(NameTable::Words, *cell.moon == MoonPhase::Full ? "Full moon" : "New moon", language);
        if (!cell.moonTime.empty()) {
            box.moon += ' ';
            box.moon += cell.moonTime;
        }
    }
    box.sun = "\u2191";
    box.sun += cell.sunrise.empty() ? "\u2013" : cell.sunrise;
    box.sun += " \u2193";
    box.sun += cell.sunset.empty() ? "\u2013" : cell.sunset;
    if (!cell.moonrise.empty()) {
        box.sun += " \u263D\u2191";
        box.sun += cell.moonrise;
    }
    return box;
}

void AddAlmanacMarks(MonthCell& cell, const HinduDay& day, std::optional<double> previousSunrise,
                     const DayZone& zone) {
    const CalendarDate date = cell.date;
    const double start = day.startJdUt;
    const double end = day.endJdUt;
    // The end of the element at sunrise, when it ends within the day.
    const auto endWithin = [&](const std::vector<DayElement>& elements) -> std::string {
        const DayElement* atStart = AtMoment(elements, start);
        if (atStart == nullptr || atStart->endJdUt >= end) return {};
        return ClockTextOnDate(atStart->endJdUt, zone, date);
    };
    cell.tithiEnds = endWithin(day.tithi);
    cell.nakshatraEnds = endWithin(day.nakshatra);
    cell.kshayaTithis.clear();
    for (const DayElement& tithi : day.tithi) {
        if (tithi.startJdUt > start && tithi.endJdUt < end) cell.kshayaTithis.push_back(TithiName(tithi));
    }
    cell.moonrise = day.moonrise ? ClockTextOnDate(*day.moonrise, zone, date) : std::string();
    cell.moonTime.clear();
    for (const DayElement& tithi : day.tithi) {
        // The full moon ends Purnima, the new moon Ammavasai.
        if ((tithi.number == 15 || tithi.number == 30) && tithi.endJdUt >= start && tithi.endJdUt < end) {
            cell.moonTime = ClockTextOnDate(tithi.endJdUt, zone, date);
        }
    }
    cell.sankrantiTime = day.sankranti ? ClockTextOnDate(day.sankranti->jdUt, zone, date) : std::string();
    // The month begins on the first sunrise after its new moon.
    const double before = previousSunrise.value_or(start - 1);
    cell.masaBegins = day.masa && day.masa->startJdUt > before && day.masa->startJdUt <= start;
}

}  // namespace velmora
