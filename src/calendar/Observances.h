#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The observances of the Hindu calendar that follow the tithi (Purnima,
// Amavasya, the Ekadashis, the Chaturthis, Pradosh), the new and full moons
// and the sankrantis, read off a day's sunrise and the tithis in force from
// that sunrise to the next. Pure functions over plain values: the caller fills
// the day from the Hindu day it computed.
//
// The udaya-tithi rule: a civil day is named by the tithi in force at its
// sunrise. A tithi that begins after one sunrise and ends before the next
// (kshaya, "lost") holds no sunrise; it is listed on the day in which it
// falls. A tithi that holds two sunrises names both days; its observance is
// kept on the first of them (the common, smarta, rule), and the second day is
// listed as its continuation.
namespace velmora {

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    bool operator==(const CalendarDate&) const = default;
};

// One tithi with its span. Moments are Julian days in one time scale (UT).
struct TithiSpan {
    int number = 0;  // 1..30: 1 Shukla Pratipad .. 15 Purnima, 16 Krishna Pratipad .. 30 Amavasya
    double start = 0;
    double end = 0;
};

// What the rules read of one Hindu day.
struct ObservanceDay {
    CalendarDate date;
    double sunrise = 0;      // JD (UT)
    double nextSunrise = 0;  // JD (UT)
    std::vector<TithiSpan> tithis;  // every tithi in force from sunrise to next sunrise, in time order
};

enum class Observance {
    Purnima,             // tithi 15
    Amavasya,            // tithi 30
    ShuklaEkadashi,      // tithi 11
    KrishnaEkadashi,     // tithi 26
    VinayakaChaturthi,   // tithi 4, Shukla
    SankashtiChaturthi,  // tithi 19, Krishna
    ShuklaPradosh,       // tithi 13, Trayodashi
    KrishnaPradosh,      // tithi 28, Trayodashi
};

inline constexpr Observance AllObservances[] = {
    Observance::Purnima,           Observance::Amavasya,           Observance::ShuklaEkadashi,
    Observance::KrishnaEkadashi,   Observance::VinayakaChaturthi,  Observance::SankashtiChaturthi,
    Observance::ShuklaPradosh,     Observance::KrishnaPradosh};

// The tithi number (1..30) an observance follows.
int TithiOfObservance(Observance observance);
// The observance a tithi number names, if any.
std::optional<Observance> ObservanceOfTithi(int number);
// Plain English name: "Purnima", "Shukla Ekadashi", "Sankashti Chaturthi" ...
std::string_view ObservanceName(Observance observance);
// A short key for identifiers: "purnima", "ekadashi-shukla" ...
std::string_view ObservanceKey(Observance observance);

enum class TithiOnDay {
    AtSunrise,  // the tithi in force at the day's sunrise
    Kshaya,     // begins after the day's sunrise and ends before the next
};

struct ObservanceEntry {
    CalendarDate date;
    Observance observance = Observance::Purnima;
    TithiSpan tithi;
    TithiOnDay how = TithiOnDay::AtSunrise;
    // False on the second of two days whose sunrises the tithi holds: the
    // observance is kept on the first.
    bool kept = true;
};

// The tithi in force at the day's sunrise, or nothing when no listed span
// holds it.
std::optional<TithiSpan> UdayaTithi(const ObservanceDay& day);

// The tithis that begin after the day's sunrise and end before its next
// sunrise, in time order.
std::vector<TithiSpan> KshayaTithis(const ObservanceDay& day);

// The observances of `day`, in time order of their tithis. `previous` is the
// day before (null when not known): when its sunrise was held by the same
// tithi, today's entry is the continuation (kept = false).
std::vector<ObservanceEntry> ObservancesOn(const ObservanceDay& day, const ObservanceDay* previous);

// The observances of consecutive days, each day judged with the one before.
// With `firstIsContext` the first day only tells the second whether its tithi
// held the sunrise before (pass the day before the range you want).
std::vector<ObservanceEntry> ObservancesOf(std::span<const ObservanceDay> days, bool firstIsContext);

enum class MoonPhase { New, Full };

struct MoonPhaseMoment {
    MoonPhase phase = MoonPhase::New;
    double moment = 0;  // JD (UT): the elongation is 0° (new) or 180° (full)
};

// The new and full moons from the day's sunrise up to (not including) its
// next sunrise: the ends of tithi 30 and tithi 15.
std::vector<MoonPhaseMoment> MoonPhasesOn(const ObservanceDay& day);

}  // namespace velmora
