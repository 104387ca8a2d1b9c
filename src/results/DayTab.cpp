#include "results/DayTab.h"

#include <cmath>
#include <cstdio>

#include "astronomy/Calendar.h"
#include "astronomy/Epochs.h"
#include "calendar/EclipseNotes.h"
#include "day/DayTables.h"
#include "day/HinduDay.h"
#include "engine/Engine.h"
#include "festivals/Festivals.h"
#include "panchang/PanchangReport.h"
#include "panchang/PanchangTables.h"
#include "panchang/Vara.h"
#include "shared/VectorState.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};

// "7.12.2026 06:54:02" (the spans' date order, to the second).
std::string DateAndClock(double jdUt, const DayZone& zone) {
    const std::string iso = LocalTimeText(jdUt, zone);
    if (iso.size() < 25) return {};  // 28 with an offset's seconds
    const int day = std::stoi(iso.substr(8, 2));
    return std::to_string(day) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4) + " " + iso.substr(11, 8);
}

// "06:54:02".
std::string Clock(double jdUt, const DayZone& zone) {
    const std::string iso = LocalTimeText(jdUt, zone);
    return iso.size() >= 25 ? iso.substr(11, 8) : std::string();
}

std::string Span(const std::optional<DaySpan>& span, const DayZone& zone, std::string_view none) {
    if (!span) return std::string(none);
    return Clock(span->startJdUt, zone) + " to " + Clock(span->endJdUt, zone);
}

std::string Moment(const std::optional<double>& jdUt, const DayZone& zone, std::string_view none) {
    return jdUt ? DateAndClock(*jdUt, zone) : std::string(none);
}

std::string DateWords(int year, int month, int day) {
    std::string text;
    if (const std::optional<int> weekday = GregorianWeekday(year, month, day)) {
        if (const std::optional<VaraRow> row = VaraRowOf(*weekday)) text = std::string(row->lblDay) + ", ";
    }
    return text + std::to_string(day) + " " + std::string(kMonthNames[static_cast<std::size_t>(month - 1)]) + " " +
           std::to_string(year);
}

std::string Masa(int index) { return std::string(MasaNames[static_cast<std::size_t>(((index % 12) + 12) % 12)]); }


// "8 Dec 04:12:41": an element's change, with its local date, since a day
// runs over two dates.
std::string ShortMoment(double jdUt, const DayZone& zone) {
    const std::string iso = LocalTimeText(jdUt, zone);
    if (iso.size() != 25) return "?";
    const int month = std::stoi(iso.substr(5, 2));
    return std::to_string(std::stoi(iso.substr(8, 2))) + " " +
           std::string(kMonthNames[static_cast<std::size_t>(month - 1)].substr(0, 3)) + " " + iso.substr(11, 8);
}

// One line per element in force during the day, in time order:
// "Chaturdasi  7 Dec 03:10:12 to 8 Dec 04:12:41". A tithi carries its paksha,
// since the same name comes twice a month.
std::string ElementLines(const std::vector<DayElement>& elements, const DayZone& zone, bool tithi) {
    std::string text;
    for (const DayElement& e : elements) {
        if (!text.empty()) text += "\n";
        if (tithi && e.number >= 1 && e.number <= 30 && e.number != 15 && e.number != 30) text += e.number <= 15 ? "Shukla " : "Krishna ";
        text += std::string(e.name) + "  " + ShortMoment(e.startJdUt, zone) + " to " + ShortMoment(e.endJdUt, zone);
    }
    return text;
}

std::optional<DayTabValues> ValuesOf(const BirthRecord& birth, const DayZone* clock) {

    if (birth.QueryMonth < 1 || birth.QueryMonth > 12 || birth.QueryDay < 1 || birth.QueryDay > 31) return std::nullopt;
    // The moment exactly as the panchang's report forms it, so that the
    // elements holding it are searched from the same moment.
    const WorkingValues working = PrepareWorkingValues(birth, J2000);
    const PanchangMoment moment = PanchangTimeChain(working);
    const FixedZone boxes(working.SignedZone);
    const DayZone& zone = clock != nullptr ? *clock : boxes;
    // The entered clock reading on the other clock: the boxes' UT moved by
    // the difference of the two offsets (taken again at the moved moment, in
    // case it crosses a change of the clock).
    double jdUt = moment.jdUt;
    if (clock != nullptr) {
        const double reading = moment.jdUt + working.SignedZone / 24;
        jdUt = reading - clock->OffsetHours(moment.jdUt) / 24;
        jdUt = reading - clock->OffsetHours(jdUt) / 24;
    }
    const double latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatIsSouth ? -1 : 1);
    const double longitude = (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.LonIsEast ? 1 : -1);
    ClearUpperVectorState();
    const std::optional<HinduDay> day = HinduDayHolding(jdUt, Observer{latitude, longitude, 0}, zone);
    if (!day) return std::nullopt;

    DayTabValues v;
    std::string beforeSunrise;
    v[0] = DateWords(day->year, day->month, day->day) + ", sunrise to sunrise";
    if (day->day != working.CalcDay || day->month != working.CalcMonth || day->year != working.CalcYear) {
        // A moment before sunrise (or a date the calculation rolled over).
        CalendarMoment local;
        if (CalendarFromJulianDay(jdUt + zone.OffsetHours(jdUt) / 24, local)) {
            v[0] = DateWords(day->year, day->month, day->day) + ": the entered time is before sunrise on " +
                   std::to_string(local.day) + " " + std::string(kMonthNames[static_cast<std::size_t>(local.month - 1)]) +
                   ", so it belongs to the day before";
            // The Vaar tab names the entered date's weekday; side by side
            // the two do not contradict each other.
            std::string civil;
            if (const auto weekday = GregorianWeekday(local.year, local.month, local.day)) {
                if (const auto row = VaraRowOf(*weekday)) civil = std::string(row->lblDay);
            }
            std::string hindu;
            if (const auto row = VaraRowOf(day->vara)) hindu = std::string(row->lblDay);
            if (!civil.empty() && !hindu.empty()) {
                beforeSunrise = "Vaar gives " + civil + ", the weekday of the entered date; the Hindu day runs "
                                "from sunrise to sunrise, so before sunrise it is still " + hindu + ".";
            }
        }
    }
    v[1] = Moment(day->sunrise, zone, "does not rise");
    v[2] = Moment(day->sunset, zone, "does not set");
    v[3] = Moment(day->nextSunrise, zone, "does not rise");
    v[4] = Moment(day->moonrise, zone, "does not rise on this date");
    v[5] = Moment(day->moonset, zone, "does not set on this date");
    if (day->sunrise) {
        if (const std::optional<Ishtakala> ishta = IshtakalaOf(jdUt, *day->sunrise)) {
            const long long minutes = static_cast<long long>(std::floor((jdUt - *day->sunrise) * 1440 + 1e-6));
            char text[96];
            std::snprintf(text, sizeof text, "%d ghatis %d palas (%lld:%02lld after sunrise)", ishta->ghatis,
                          ishta->palas, minutes / 60, minutes % 60);
            v[6] = text;
        }
    }
    if (v[6].empty()) v[6] = "none (no sunrise)";
    const std::string_view none = "none (needs sunrise and sunset)";
    v[7] = Span(day->rahuKalam, zone, none);
    v[8] = Span(day->yamaganda, zone, none);
    v[9] = Span(day->gulikaKalam, zone, none);
    v[10] = Span(day->abhijitMuhurta, zone, none);
    v[11] = Span(day->brahmaMuhurta, zone, "none (needs the sunset before and sunrise)");
    if (day->masa) {
        const std::string adhika = day->masa->adhika ? "Adhika " : "";
        v[12] = adhika + Masa(day->masa->amanta) + " (amanta), " + adhika + Masa(day->masa->purnimanta) +
                " (purnimanta), " + (day->masa->shukla ? "Shukla" : "Krishna") + " paksha" +
                (day->masa->kshaya ? ", kshaya" : "");
        v[13] = "Shaka " + std::to_string(day->masa->shakaYear) + ", Vikram " + std::to_string(day->masa->vikramYear);
    }
    std::string festivals;
    for (const FestivalDay& f : FestivalsOn({day->year, day->month, day->day}, day->place, zone)) {
        festivals += (festivals.empty() ? "" : "; ") + std::string(f.name);
    }
    const auto at = [&v](std::string_view control) -> std::string& { return v[DayTabRowIndex(control)]; };
    at("lblFestivals") = festivals;
    at("lblDayTithis") = ElementLines(day->tithi, zone, true);
    at("lblDayNakshatras") = ElementLines(day->nakshatra, zone, false);
    at("lblDayYogas") = ElementLines(day->yoga, zone, false);
    at("lblDayKaranas") = ElementLines(day->karana, zone, false);
    if (day->sankranti && day->sankranti->sign >= 0 && day->sankranti->sign < 12) {
        at("lblSankranti") = std::string(SignNames[static_cast<std::size_t>(day->sankranti->sign)]) + " Sankranti  " +
                             ShortMoment(day->sankranti->jdUt, zone);
    }
    std::string& note = at("lblDayNote");
    note = day->note;
    if (!beforeSunrise.empty()) note = beforeSunrise + (note.empty() ? "" : "\n") + note;
    at("lblEclipse") = EclipsesLine(day->eclipses, zone);
    return v;
}

}  // namespace

std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth) { return ValuesOf(birth, nullptr); }

std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth, const DayZone& clock) {
    return ValuesOf(birth, &clock);
}

DayTabValues DayTabSizingValues() {
    DayTabValues v;
    v[0] = "Wednesday, 30 September 2050: the entered time is before sunrise on 31 December, so it belongs to "
           "the day before";
    for (std::size_t i = 1; i <= 5; ++i) v[i] = "28.12.2050 23:59:59";
    v[4] = "does not rise on this date";
    v[6] = "59 ghatis 59 palas (23:59 after sunrise)";
    for (std::size_t i = 7; i <= 11; ++i) v[i] = "23:59:59 to 23:59:59";
    v[12] = "Adhika Margashirsha (amanta), Adhika Margashirsha (purnimanta), Krishna paksha";
    v[13] = "Shaka 1972, Vikram 2107";
    const auto at = [&v](std::string_view control) -> std::string& { return v[DayTabRowIndex(control)]; };
    at("lblFestivals") = "Kartika Purnima (Guru Nanak Jayanti); Naraka Chaturdashi";
    const std::string element = "Krishna Chaturdasi  28 Dec 23:59:59 to 29 Dec 23:59:59";
    for (const char* list : {"lblDayTithis", "lblDayNakshatras", "lblDayYogas", "lblDayKaranas"}) {
        // Up to four lines: a day can hold parts of four karanas.
        std::string& lines = at(list);
        lines = element;
        for (int more = 0; more < 3; ++more) lines.append("\n").append(element);
    }
    at("lblSankranti") = "Vrishchika Sankranti  28 Dec 23:59:59";
    at("lblDayNote") = "The Sun does not rise on the next date; the day ends at midnight.";
    at("lblEclipse") = "Total lunar eclipse (Chandra Grahan), visible in part: penumbral eclipse begins 23:59:59 … partial "
            "eclipse ends 23:59:59; greatest 23:59:59; sutak from 23:59:59";
    return v;
}

}  // namespace velmora
