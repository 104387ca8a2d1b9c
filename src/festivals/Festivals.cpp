#include "festivals/Festivals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <optional>
#include <tuple>

#include "calendar/CalendarEvents.h"
#include "day/DayTables.h"
#include "day/Kaala.h"
#include "day/LunarMonth.h"
#include "festivals/FestivalNames.h"
#include "festivals/FestivalRules.h"

namespace velmora {

namespace {

// The pieces of a sentence in one string, made in one allocation.
std::string Join(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (const std::string_view piece : pieces) size += piece.size();
    std::string out;
    out.reserve(size);
    for (const std::string_view piece : pieces) out.append(piece);
    return out;
}

// The tithis by their plain names, 1..15 of either paksha (15: Purnima in
// the Shukla, Amavasya in the Krishna paksha).
constexpr std::array<std::string_view, 14> TithiWords = {
    "Pratipada", "Dwitiya", "Tritiya", "Chaturthi", "Panchami", "Shashthi", "Saptami",
    "Ashtami",   "Navami",  "Dashami", "Ekadashi",  "Dwadashi", "Trayodashi", "Chaturdashi"};

constexpr std::array<std::string_view, 12> MonthWords = {"January", "February", "March",     "April",
                                                         "May",     "June",     "July",      "August",
                                                         "September", "October", "November", "December"};

constexpr std::array<std::string_view, 27> NakshatraWords = {
    "Ashwini",   "Bharani",   "Krittika",    "Rohini",       "Mrigashira",   "Ardra",  "Punarvasu",
    "Pushya",    "Ashlesha",  "Magha",       "Purva Phalguni", "Uttara Phalguni", "Hasta", "Chitra",
    "Swati",     "Vishakha",  "Anuradha",    "Jyeshtha",     "Mula",         "Purva Ashadha", "Uttara Ashadha",
    "Shravana",  "Dhanishta", "Shatabhisha", "Purva Bhadrapada", "Uttara Bhadrapada", "Revati"};

// The half-tithis (1..60, the karana numbering of HinduDay) that are Vishti,
// called Bhadra: the last of every seven movable karanas.
bool IsVishti(int halfTithi) { return halfTithi >= 2 && halfTithi <= 57 && (halfTithi - 2) % 7 == 6; }

struct Span {
    int number = 0;
    double start = 0;
    double end = 0;
};

std::string DateWords(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12) return {};
    return std::to_string(date.day) + " " + std::string(MonthWords[static_cast<std::size_t>(date.month - 1)]);
}

std::string TithiText(int number, int masa) {
    if (number < 1 || number > 30) return {};
    const bool shukla = number <= 15;
    const int inPaksha = shukla ? number : number - 15;
    std::string name = inPaksha == 15 ? (shukla ? "Purnima" : "Amavasya")
                                      : std::string(TithiWords[static_cast<std::size_t>(inPaksha - 1)]);
    const std::string month(masa >= 0 && masa < 12 ? MasaNames[static_cast<std::size_t>(masa)] : "");
    if (inPaksha == 15) return name + " (amanta " + month + ")";
    return name + " (" + (shukla ? "Shukla" : "Krishna") + ", amanta " + month + ")";
}

std::string ClockWords(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);  // "2026-12-07T07:00:41+05:30"
    return text.size() >= 16 ? text.substr(11, 5) : std::string();
}

std::string Duration(double days) {
    const long minutes = std::lround(days * 1440);
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

// The spans of one element kind found in the days, each once (the days
// search an element that crosses midnight from both sides, a few seconds
// apart), in time order.
template <typename Elements>
std::vector<Span> DistinctSpans(const std::vector<HinduDay>& days, Elements elements) {
    std::vector<Span> found;
    for (const HinduDay& day : days) {
        for (const DayElement& e : elements(day)) {
            const bool known = std::any_of(found.begin(), found.end(), [&](const Span& s) {
                return s.number == e.number && std::fabs(s.start - e.startJdUt) < 0.1;
            });
            if (!known) found.push_back({e.number, e.startJdUt, e.endJdUt});
        }
    }
    std::sort(found.begin(), found.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    return found;
}

class FestivalFinder {
public:
    FestivalFinder(const std::vector<HinduDay>& days, const DayZone& zone)
        : days_(days),
          zone_(zone),
          tithis_(DistinctSpans(days, [](const HinduDay& d) -> const std::vector<DayElement>& { return d.tithi; })),
          nakshatras_(
              DistinctSpans(days, [](const HinduDay& d) -> const std::vector<DayElement>& { return d.nakshatra; })) {
        for (const Span& karana : DistinctSpans(days, [](const HinduDay& d) -> const std::vector<DayElement>& {
                 return d.karana;
             })) {
            if (IsVishti(karana.number)) bhadra_.push_back(karana);
        }
    }

    std::vector<FestivalDay> Find(const CalendarDate& from, const CalendarDate& to) {
        std::vector<FestivalDay> all;
        for (const FestivalRule& rule : FestivalRules()) {
            switch (rule.kind) {
                case RuleKind::Tithi: AddTithiFestivals(rule, all); break;
                case RuleKind::Sankranti: AddSankrantiFestivals(rule, all); break;
                case RuleKind::Nakshatra: AddNakshatraFestivals(rule, all); break;
                case RuleKind::DayAfter: AddDayAfter(rule, all); break;
            }
        }
        const auto inRange = [&](const CalendarDate& d) {
            const auto key = [](const CalendarDate& x) { return x.year * 10000 + x.month * 100 + x.day; };
            return key(d) >= key(from) && key(d) <= key(to);
        };
        std::vector<FestivalDay> kept;
        for (FestivalDay& f : all) {
            if (inRange(f.date)) kept.push_back(std::move(f));
        }
        std::stable_sort(kept.begin(), kept.end(), [](const FestivalDay& a, const FestivalDay& b) {
            return std::tie(a.date.year, a.date.month, a.date.day) < std::tie(b.date.year, b.date.month, b.date.day);
        });
        return kept;
    }

private:
    const std::vector<HinduDay>& days_;
    const DayZone& zone_;
    std::vector<Span> tithis_, nakshatras_, bhadra_;
    std::map<double, std::optional<LunarMonth>> months_;

    CalendarDate DateOf(std::size_t i) const { return {days_[i].year, days_[i].month, days_[i].day}; }

    // The next day exists and is the next date (a day that failed leaves a gap).
    bool HasNext(std::size_t i) const {
        return i + 1 < days_.size() && AddDays(DateOf(i), 1) == DateOf(i + 1);
    }

    // The day whose sunrise-to-sunrise holds a moment.
    std::optional<std::size_t> DayHolding(double jdUt) const {
        for (std::size_t i = 0; i < days_.size(); ++i) {
            if (days_[i].startJdUt <= jdUt && jdUt < days_[i].endJdUt) return i;
        }
        return std::nullopt;
    }

    // The lunar month of a tithi: that of the day it lies in, read at the
    // day's sunrise, or of the next day when a new moon came between that
    // sunrise and the tithi (its number is then below the sunrise's). Searched
    // afresh only where the days do not tell.
    std::optional<LunarMonth> MonthOf(const Span& span) {
        const double middle = 0.5 * (span.start + span.end);
        if (const std::optional<std::size_t> i = DayHolding(middle)) {
            const HinduDay& day = days_[*i];
            const DayElement* atSunrise = nullptr;
            for (const DayElement& t : day.tithi) {
                if (t.startJdUt <= day.startJdUt && day.startJdUt < t.endJdUt) atSunrise = &t;
            }
            if (atSunrise && day.masa && atSunrise->number <= span.number) return day.masa;
            if (atSunrise && HasNext(*i) && days_[*i + 1].masa) return days_[*i + 1].masa;
        }
        auto found = months_.find(middle);
        if (found == months_.end()) found = months_.emplace(middle, LunarMonthAt(middle)).first;
        return found->second;
    }

    // The length of [from, to) not covered by Bhadra.
    double FreeOfBhadra(double from, double to) const {
        double covered = 0;
        for (const Span& b : bhadra_) covered += std::max(0.0, std::min(to, b.end) - std::max(from, b.start));
        return (to - from) - covered;
    }

    struct Held {
        std::size_t day = 0;
        double share = 0;
        bool free = true;     // some of it free of Bhadra
        bool partial = false; // the span begins after the kaala began
    };

    std::vector<Held> HeldDays(const Span& span, Kaala kaala, bool avoidBhadra) const {
        std::vector<Held> held;
        const std::optional<std::size_t> first = DayHolding(span.start);
        const std::optional<std::size_t> last = DayHolding(span.end);
        if (!first) return held;
        // The day before can hold it in arunodaya's last minutes; the day
        // after the one it ends in cannot hold it at all.
        const std::size_t from = *first > 0 ? *first - 1 : 0;
        const std::size_t to = std::min(days_.size() - 1, last ? *last + 1 : *first + 2);
        for (std::size_t i = from; i <= to; ++i) {
            const std::optional<KaalaSpan> k = KaalaOf(kaala, days_[i]);
            if (!k) continue;
            const double share = KaalaShare(*k, span.start, span.end);
            if (share <= 0) continue;
            Held h{i, share, true, !k->IsMoment() && span.start > k->start};
            if (avoidBhadra) {
                const double a = k->IsMoment() ? k->start : std::max(span.start, k->start);
                const double b = k->IsMoment() ? k->start + 1e-6 : std::min(span.end, k->end);
                h.free = FreeOfBhadra(a, b) > 1e-6;
            }
            held.push_back(h);
        }
        return held;
    }

    // The next day, when the span lasts long enough after its sunrise.
    std::optional<std::size_t> NextDayHolding(const FestivalRule& rule, const Span& span, std::size_t i,
                                              std::string& why) const {
        if (!(rule.nextDayMinutes > 0 || rule.nextDayFraction > 0) || !HasNext(i)) return std::nullopt;
        const HinduDay& next = days_[i + 1];
        if (!next.sunrise || !(span.start <= *next.sunrise && *next.sunrise < span.end)) return std::nullopt;
        const double lasts = span.end - *next.sunrise;
        double needed = rule.nextDayMinutes / 1440;
        if (rule.nextDayFraction > 0) {
            if (!next.sunset) return std::nullopt;
            needed = rule.nextDayFraction * (*next.sunset - *next.sunrise);
        }
        if (lasts < needed) return std::nullopt;
        why = "lasts " + Duration(lasts) + " past sunrise on " + DateWords(DateOf(i + 1)) + " (at least " +
              Duration(needed) + " needed), which is kept";
        return i + 1;
    }

    void AddTithiFestivals(const FestivalRule& rule, std::vector<FestivalDay>& out) {
        for (const Span& span : tithis_) {
            if (span.number != rule.tithi) continue;
            const std::optional<LunarMonth> month = MonthOf(span);
            if (!month || month->amanta != rule.masa || month->adhika) continue;
            const std::string tithi = TithiText(rule.tithi, rule.masa);
            const std::string kaala(KaalaName(rule.kaala));
            const std::vector<Held> held = HeldDays(span, rule.kaala, rule.avoidBhadra);
            std::vector<Held> candidates;
            for (const Held& h : held) {
                if (h.free) candidates.push_back(h);
            }
            std::optional<std::size_t> chosen;
            std::string text;
            if (candidates.size() >= 2) {
                const Held& a = candidates[0];
                const Held& b = candidates[1];
                text = Join({tithi, " holds ", kaala, " on ", DateWords(DateOf(a.day)), " and ", DateWords(DateOf(b.day))});
                switch (rule.both) {
                    case BothDays::First: chosen = a.day; text += "; the first day is kept"; break;
                    case BothDays::Second: chosen = b.day; text += "; the second day is kept"; break;
                    case BothDays::Larger:
                        chosen = b.share > a.share ? b.day : a.day;
                        text += "; " + DateWords(DateOf(*chosen)) + ", which has more of it, is kept";
                        break;
                }
            } else if (candidates.size() == 1) {
                const Held& h = candidates[0];
                chosen = h.day;
                text = Join({tithi, " holds ", kaala, " on ", DateWords(DateOf(h.day))});
                if (h.partial) {
                    std::string why;
                    if (const auto next = NextDayHolding(rule, span, h.day, why)) {
                        chosen = next;
                        text = Join({tithi, " begins during ", kaala, " on ", DateWords(DateOf(h.day)), " and ", why});
                    }
                }
            } else if (!held.empty()) {
                // Every day that holds it is lost to Bhadra.
                const Held& h = held.front();
                chosen = h.day;
                text = Join({"Bhadra (Vishti karana) covers ", tithi, " at ", kaala, " on ", DateWords(DateOf(h.day))});
                std::string why;
                if (const auto next = NextDayHolding(rule, span, h.day, why)) {
                    chosen = next;
                    text += "; it " + why;
                } else {
                    text += "; kept that day after Bhadra ends";
                }
            } else {
                const std::optional<std::size_t> begins = DayHolding(span.start);
                const std::optional<std::size_t> ends = DayHolding(span.end);
                if (rule.neither == NeitherDay::Ends && ends) {
                    chosen = ends;
                    text = Join({tithi, " holds ", kaala, " on neither day; kept on ", DateWords(DateOf(*ends)), ", when it ends"});
                } else if (begins) {
                    chosen = begins;
                    text = Join({tithi, " holds ", kaala, " on neither day; kept on ", DateWords(DateOf(*begins)),
                                 ", when it begins"});
                }
            }
            if (!chosen) continue;
            Add(rule, DateOf(*chosen), text, out);
        }
    }

    // The moment a day's solar month is read at, by the rule.
    std::optional<double> SolarCutoff(const HinduDay& day, SolarDayRule rule) const {
        if (!day.sunrise || !day.sunset) return std::nullopt;
        switch (rule) {
            case SolarDayRule::BeforeSunset: return *day.sunset;
            case SolarDayRule::BeforeAparahna: return *day.sunrise + 0.6 * (*day.sunset - *day.sunrise);
            case SolarDayRule::CivilDate: return LocalMidnight(day.year, day.month, day.day + 1, zone_);
        }
        return std::nullopt;
    }

    std::optional<int> SolarMonthOf(std::size_t i, SolarDayRule rule) const {
        const std::optional<double> cutoff = SolarCutoff(days_[i], rule);
        if (!cutoff) return std::nullopt;
        const double longitude = SiderealSunLongitude(*cutoff);
        if (!std::isfinite(longitude)) return std::nullopt;
        return static_cast<int>(std::floor(longitude / 30)) % 12;
    }

    static std::string_view CutoffWords(SolarDayRule rule) {
        switch (rule) {
            case SolarDayRule::BeforeSunset: return "sunset";
            case SolarDayRule::BeforeAparahna: return "the end of madhyahna";
            case SolarDayRule::CivilDate: return "midnight";
        }
        return "";
    }

    void AddSankrantiFestivals(const FestivalRule& rule, std::vector<FestivalDay>& out) {
        for (std::size_t i = 0; i < days_.size(); ++i) {
            const std::optional<Sankranti>& s = days_[i].sankranti;
            if (!s || s->sign != rule.sign) continue;
            const std::string sign(SignNames[static_cast<std::size_t>(rule.sign)]);
            const std::optional<double> cutoff = SolarCutoff(days_[i], rule.solar);
            std::optional<std::size_t> chosen;
            std::string text = "The Sun enters " + sign + " at " + ClockWords(s->jdUt, zone_);
            if (rule.solar == SolarDayRule::CivilDate) {
                // The local date of the moment: the day itself, or the next
                // date when the moment is after midnight.
                chosen = cutoff && s->jdUt >= *cutoff && HasNext(i) ? i + 1 : i;
                text += " on " + DateWords(DateOf(*chosen));
            } else if (cutoff && s->jdUt < *cutoff) {
                chosen = i;
                text += " on " + DateWords(DateOf(i)) + ", before " + std::string(CutoffWords(rule.solar));
            } else if (cutoff && HasNext(i)) {
                chosen = i + 1;
                text += ", after " + std::string(CutoffWords(rule.solar)) + " on " + DateWords(DateOf(i)) +
                        "; the next day is kept";
            }
            if (!chosen) continue;
            Add(rule, DateOf(*chosen), text, out);
        }
    }

    void AddNakshatraFestivals(const FestivalRule& rule, std::vector<FestivalDay>& out) {
        const std::string star(NakshatraWords[static_cast<std::size_t>(rule.nakshatra - 1)]);
        const std::string sign(SignNames[static_cast<std::size_t>(rule.sign)]);
        const std::string kaala(KaalaName(rule.kaala));
        for (const Span& span : nakshatras_) {
            if (span.number != rule.nakshatra) continue;
            std::vector<Held> held;
            for (const Held& h : HeldDays(span, rule.kaala, false)) {
                if (SolarMonthOf(h.day, rule.solar) == rule.sign) held.push_back(h);
            }
            if (held.empty()) continue;
            const Held& h = held.size() >= 2 && held[1].share > held[0].share && rule.both == BothDays::Larger
                                ? held[1]
                                : held[0];
            Add(rule, DateOf(h.day),
                Join({star, " nakshatra holds ", kaala, " on ", DateWords(DateOf(h.day)), " in the solar month of ", sign}),
                out);
        }
    }

    void AddDayAfter(const FestivalRule& rule, std::vector<FestivalDay>& out) {
        std::vector<FestivalDay> found;
        for (const FestivalDay& f : out) {
            if (f.key != rule.after) continue;
            const std::string before(FestivalNameOf(f.key).value_or(f.key));
            found.push_back({rule.key, FestivalNameOf(rule.key).value_or(rule.key), AddDays(f.date, 1),
                             "The day after " + before + " (" + DateWords(f.date) + ")"});
        }
        out.insert(out.end(), found.begin(), found.end());
    }

    void Add(const FestivalRule& rule, const CalendarDate& date, const std::string& text,
             std::vector<FestivalDay>& out) const {
        const bool again = std::any_of(out.begin(), out.end(),
                                       [&](const FestivalDay& f) { return f.key == rule.key && f.date == date; });
        if (again) return;
        out.push_back({rule.key, FestivalNameOf(rule.key).value_or(rule.key), date, text});
    }
};

}  // namespace

std::string EkadashiNameOf(int amanta, bool shukla, bool adhika) {
    const std::optional<std::string_view> key = EkadashiKey(amanta, shukla, adhika);
    if (!key) return {};
    return std::string(FestivalNameOf(*key).value_or(""));
}

std::vector<FestivalDay> FestivalsBetween(const std::vector<HinduDay>& days, const CalendarDate& from,
                                          const CalendarDate& to, const DayZone& zone) {
    if (days.empty()) return {};
    FestivalFinder finder(days, zone);
    return finder.Find(from, to);
}

std::vector<HinduDay> FestivalDaysOfYear(int year, const Observer& place, const DayZone& zone) {
    std::vector<HinduDay> days;
    if (year < 1001 || year > 2999) return days;
    const CalendarDate first = AddDays({year, 1, 1}, -FestivalContextDays);
    const int count = (DaysInMonth(year, 2) == 29 ? 366 : 365) + 2 * FestivalContextDays;
    HinduDays hinduDays(place, zone);  // the days together: each change searched once
    for (int i = 0; i < count; ++i) {
        const CalendarDate date = AddDays(first, i);
        if (std::optional<HinduDay> day = hinduDays.Day(date.year, date.month, date.day)) days.push_back(std::move(*day));
    }
    return days;
}

std::vector<FestivalDay> FestivalsOn(const CalendarDate& date, const Observer& place, const DayZone& zone) {
    std::vector<HinduDay> days;
    HinduDays hinduDays(place, zone);
    for (int i = -FestivalContextDays; i <= FestivalContextDays; ++i) {
        const CalendarDate d = AddDays(date, i);
        if (d.year < 1001 || d.year > 2999) return {};
        if (std::optional<HinduDay> day = hinduDays.Day(d.year, d.month, d.day)) days.push_back(std::move(*day));
    }
    return FestivalsBetween(days, date, date, zone);
}

std::vector<FestivalDay> FestivalsOfYear(int year, const Observer& place, const DayZone& zone) {
    const std::vector<HinduDay> days = FestivalDaysOfYear(year, place, zone);
    return FestivalsBetween(days, {year, 1, 1}, {year, 12, 31}, zone);
}

}  // namespace velmora
