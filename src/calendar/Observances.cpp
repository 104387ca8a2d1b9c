#include "calendar/Observances.h"

#include <algorithm>

namespace velmora {

namespace {

struct ObservanceRow {
    Observance observance;
    int tithi;
    std::string_view name;
    std::string_view key;
};

constexpr ObservanceRow ObservanceRows[] = {
    {Observance::Purnima, 15, "Purnima", "purnima"},
    {Observance::Amavasya, 30, "Amavasya", "amavasya"},
    {Observance::ShuklaEkadashi, 11, "Shukla Ekadashi", "ekadashi-shukla"},
    {Observance::KrishnaEkadashi, 26, "Krishna Ekadashi", "ekadashi-krishna"},
    {Observance::VinayakaChaturthi, 4, "Vinayaka Chaturthi", "chaturthi-vinayaka"},
    {Observance::SankashtiChaturthi, 19, "Sankashti Chaturthi", "chaturthi-sankashti"},
    {Observance::ShuklaPradosh, 13, "Shukla Pradosh", "pradosh-shukla"},
    {Observance::KrishnaPradosh, 28, "Krishna Pradosh", "pradosh-krishna"},
};

const ObservanceRow& RowOf(Observance observance) {
    for (const ObservanceRow& row : ObservanceRows) {
        if (row.observance == observance) return row;
    }
    return ObservanceRows[0];  // every enumerator has its row
}

bool Holds(const TithiSpan& span, double moment) { return span.start <= moment && moment < span.end; }

}  // namespace

int TithiOfObservance(Observance observance) { return RowOf(observance).tithi; }

std::optional<Observance> ObservanceOfTithi(int number) {
    for (const ObservanceRow& row : ObservanceRows) {
        if (row.tithi == number) return row.observance;
    }
    return std::nullopt;
}

std::string_view ObservanceName(Observance observance) { return RowOf(observance).name; }
std::string_view ObservanceKey(Observance observance) { return RowOf(observance).key; }

std::optional<TithiSpan> UdayaTithi(const ObservanceDay& day) {
    for (const TithiSpan& span : day.tithis) {
        if (Holds(span, day.sunrise)) return span;
    }
    return std::nullopt;
}

std::vector<TithiSpan> KshayaTithis(const ObservanceDay& day) {
    std::vector<TithiSpan> lost;
    for (const TithiSpan& span : day.tithis) {
        if (span.start > day.sunrise && span.end < day.nextSunrise) lost.push_back(span);
    }
    return lost;
}

std::vector<ObservanceEntry> ObservancesOn(const ObservanceDay& day, const ObservanceDay* previous) {
    std::vector<ObservanceEntry> found;
    if (const std::optional<TithiSpan> udaya = UdayaTithi(day)) {
        if (const std::optional<Observance> observance = ObservanceOfTithi(udaya->number)) {
            // The same tithi at yesterday's sunrise: one tithi, two sunrises.
            // Tithis are a day long and a number comes back after a month, so
            // the number alone tells.
            bool continued = false;
            if (previous != nullptr) {
                const std::optional<TithiSpan> before = UdayaTithi(*previous);
                continued = before.has_value() && before->number == udaya->number;
            }
            found.push_back({day.date, *observance, *udaya, TithiOnDay::AtSunrise, !continued});
        }
    }
    for (const TithiSpan& lost : KshayaTithis(day)) {
        if (const std::optional<Observance> observance = ObservanceOfTithi(lost.number)) {
            found.push_back({day.date, *observance, lost, TithiOnDay::Kshaya, true});
        }
    }
    return found;
}

std::vector<ObservanceEntry> ObservancesOf(std::span<const ObservanceDay> days, bool firstIsContext) {
    std::vector<ObservanceEntry> found;
    for (std::size_t i = firstIsContext ? 1 : 0; i < days.size(); ++i) {
        const ObservanceDay* previous = i > 0 ? &days[i - 1] : nullptr;
        std::vector<ObservanceEntry> today = ObservancesOn(days[i], previous);
        found.insert(found.end(), today.begin(), today.end());
    }
    return found;
}

std::vector<MoonPhaseMoment> MoonPhasesOn(const ObservanceDay& day) {
    std::vector<MoonPhaseMoment> phases;
    for (const TithiSpan& span : day.tithis) {
        if (span.number != 15 && span.number != 30) continue;
        if (span.end < day.sunrise || span.end >= day.nextSunrise) continue;
        phases.push_back({span.number == 15 ? MoonPhase::Full : MoonPhase::New, span.end});
    }
    std::sort(phases.begin(), phases.end(),
              [](const MoonPhaseMoment& a, const MoonPhaseMoment& b) { return a.moment < b.moment; });
    return phases;
}

}  // namespace velmora
