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

}  // namespace

std::optional<DayTabValues> DayTabValuesOf(const BirthRecord& birth) {
    if (birth.QueryMonth < 1 || birth.QueryMonth > 12 || birth.QueryDay < 1 || birth.QueryDay > 31) return std::nullopt;
    // The moment exactly as the panchang's report forms it, so that the
    // elements holding it are searched from the same moment.
    const WorkingValues working = PrepareWorkingValues(birth, J2000);
    const PanchangMoment moment = PanchangTimeChain(working);
    const FixedZone zone(working.SignedZone);
    const double latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatIsSouth ? -1 : 1);
    const double longitude = (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.LonIsEast ? 1 : -1);
    ClearUpperVectorState();
    const std::optional<HinduDay> day = HinduDayHolding(moment.jdUt, Observer{latitude, longitude, 0}, zone);
    if (!day) return std::nullopt;

    DayTabValues v;
    v[0] = DateWords(day->year, day->month, day->day) + ", sunrise to sunrise";
    if (day->day != working.CalcDay || day->month != working.CalcMonth || day->year != working.CalcYear) {
        // A moment before sunrise (or a date the calculation rolled over).
        CalendarMoment local;
        if (CalendarFromJulianDay(moment.jdUt + working.SignedZone / 24, local)) {
            v[0] = DateWords(day->year, day->month, day->day) + ": the entered time is before sunrise on " +
                   std::to_string(local.day) + " " + std::string(kMonthNames[static_cast<std::size_t>(local.month - 1)]) +
                   ", so it belongs to the day before";
        }
    }
    v[1] = Moment(day->sunrise, zone, "does not rise");
    v[2] = Moment(day->sunset, zone, "does not set");
    v[3] = Moment(day->nextSunrise, zone, "does not rise");
    v[4] = Moment(day->moonrise, zone, "does not rise on this date");
    v[5] = Moment(day->moonset, zone, "does not set on this date");
    if (day->sunrise) {
        if (const std::optional<Ishtakala> ishta = IshtakalaOf(moment.jdUt, *day->sunrise)) {
            const long long minutes = static_cast<long long>(std::floor((moment.jdUt - *day->sunrise) * 1440 + 1e-6));
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
    v[14] = festivals;
    v[15] = day->note;
    v[16] = EclipsesLine(day->eclipses, zone);
    return v;
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
    v[14] = "Kartika Purnima (Guru Nanak Jayanti); Naraka Chaturdashi";
    v[15] = "The Sun does not rise on the next date; the day ends at midnight.";
    v[16] = "Total lunar eclipse (Chandra Grahan), visible in part: penumbral eclipse begins 23:59:59 … partial "
            "eclipse ends 23:59:59; greatest 23:59:59; sutak from 23:59:59";
    return v;
}

}  // namespace velmora
