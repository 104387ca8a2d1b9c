#include "festivals/FestivalRules.h"

namespace velmora {

namespace {

// Months (amanta) and signs by number, for reading the table.
enum Masa { Chaitra, Vaishakha, Jyeshtha, Ashadha, Shravana, Bhadrapada, Ashwin, Kartika, Margashirsha, Pausha, Magha,
            Phalguna };
enum Sign { Mesha, Vrishabha, Mithuna, Karka, Simha, Kanya, Tula, Vrishchika, Dhanu, Makara, Kumbha, Meena };
constexpr int Shukla(int n) { return n; }        // 1..15
constexpr int Krishna(int n) { return 15 + n; }  // 16..30
constexpr int Purnima = 15;
constexpr int Amavasya = 30;
constexpr int Pushya = 8;
constexpr int ShravanaNakshatra = 22;

constexpr FestivalRule Lunar(std::string_view key, int masa, int tithi, Kaala kaala, BothDays both = BothDays::First,
                   NeitherDay neither = NeitherDay::Begins) {
    FestivalRule r;
    r.key = key;
    r.kind = RuleKind::Tithi;
    r.masa = masa;
    r.tithi = tithi;
    r.kaala = kaala;
    r.both = both;
    r.neither = neither;
    return r;
}

constexpr FestivalRule Solar(std::string_view key, int sign, SolarDayRule rule) {
    FestivalRule r;
    r.key = key;
    r.kind = RuleKind::Sankranti;
    r.sign = sign;
    r.solar = rule;
    return r;
}

constexpr FestivalRule Star(std::string_view key, int sign, int nakshatra, Kaala kaala, SolarDayRule rule) {
    FestivalRule r;
    r.key = key;
    r.kind = RuleKind::Nakshatra;
    r.sign = sign;
    r.nakshatra = nakshatra;
    r.kaala = kaala;
    r.solar = rule;
    return r;
}

constexpr FestivalRule WithBhadra(FestivalRule r, double minutes, double fraction) {
    r.avoidBhadra = true;
    r.nextDayMinutes = minutes;
    r.nextDayFraction = fraction;
    return r;
}

constexpr FestivalRule NextDayAfter(FestivalRule r, double minutes) {
    r.nextDayMinutes = minutes;
    return r;
}

constexpr FestivalRule DayAfter(std::string_view key, std::string_view after) {
    FestivalRule r;
    r.key = key;
    r.kind = RuleKind::DayAfter;
    r.after = after;
    return r;
}

constexpr double SixGhatis = 6 * 24;            // minutes
constexpr double ThreeAndHalfPraharas = 3.5 / 4;  // of daytime

constexpr FestivalRule Rules[] = {
    // The Sun entering Makara: the day if before sunset, else the next
    // (Dharmasindhu on the punya kaala of Makara Sankranti).
    Solar("makar-sankranti", Makara, SolarDayRule::BeforeSunset),
    // Thai 1 of the Tamil solar year: a sankranti before sunset begins the
    // month that day (Tamil almanacs' rule).
    Solar("pongal", Makara, SolarDayRule::BeforeSunset),
    // Pushya nakshatra at midday in the Tamil month Thai (Tamil almanacs).
    Star("thaipusam", Makara, Pushya, Kaala::Madhyahna, SolarDayRule::BeforeSunset),
    // Magha Shukla Panchami in the forenoon (Nirnaya Sindhu, Magha).
    Lunar("vasant-panchami", Magha, Shukla(5), Kaala::Purvahna),
    // Magha Purnima at sunrise (the day as North Indian almanacs print it).
    Lunar("guru-ravidas-jayanti", Magha, Purnima, Kaala::Sunrise),
    // Krishna Chaturdashi of amanta Magha (Phalguna in the purnimanta months)
    // at nishita; on both days the first (Nirnaya Sindhu, Shivaratri).
    Lunar("maha-shivaratri", Magha, Krishna(14), Kaala::Nishita),
    // Phalguna Purnima at pradosha, free of Bhadra; when Bhadra covers it and
    // Purnima lasts three and a half praharas into the next day, the next
    // day, else the same evening after Bhadra (Nirnaya Sindhu, Holika).
    WithBhadra(Lunar("holika-dahan", Phalguna, Purnima, Kaala::Pradosha), 0, ThreeAndHalfPraharas),
    // Dhulandi, the morning after Holika Dahan.
    DayAfter("holi", "holika-dahan"),
    // Chaitra Shukla Pratipada at sunrise; when lost between two sunrises,
    // the day it begins (Nirnaya Sindhu, Chaitra).
    Lunar("ugadi", Chaitra, Shukla(1), Kaala::Sunrise),
    // Chaitra Shukla Navami at midday; on both days the one it holds more of
    // (Nirnaya Sindhu, Ramanavami).
    Lunar("rama-navami", Chaitra, Shukla(9), Kaala::Madhyahna, BothDays::Larger),
    // Chaitra Shukla Trayodashi at sunrise (Jain almanacs).
    Lunar("mahavir-jayanti", Chaitra, Shukla(13), Kaala::Sunrise),
    // Chaitra Purnima at sunrise (North Indian almanacs).
    Lunar("hanuman-jayanti", Chaitra, Purnima, Kaala::Sunrise),
    // The civil date on which the Sun enters Mesha (the Punjabi solar year).
    Solar("vaisakhi", Mesha, SolarDayRule::CivilDate),
    // Medam 1 of the Kerala solar year: a sankranti before the end of
    // madhyahna begins the month that day (Kerala almanacs' rule).
    Solar("vishu", Mesha, SolarDayRule::BeforeAparahna),
    // Chithirai 1 of the Tamil solar year (the Tamil rule, as Pongal).
    Solar("puthandu", Mesha, SolarDayRule::BeforeSunset),
    // Vaishakha Shukla Tritiya in the forenoon; on both days the one it
    // holds more of (Nirnaya Sindhu, Akshaya Tritiya).
    Lunar("akshaya-tritiya", Vaishakha, Shukla(3), Kaala::Purvahna, BothDays::Larger),
    // Vaishakha Purnima at sunrise.
    Lunar("buddha-purnima", Vaishakha, Purnima, Kaala::Sunrise),
    // Ashadha Shukla Dwitiya at sunrise (the Puri temple's almanac).
    Lunar("rath-yatra", Ashadha, Shukla(2), Kaala::Sunrise),
    // Ashadha Purnima at sunrise.
    Lunar("guru-purnima", Ashadha, Purnima, Kaala::Sunrise),
    // Shravana Shukla Panchami at sunrise.
    Lunar("nag-panchami", Shravana, Shukla(5), Kaala::Sunrise),
    // Shravana Purnima in the afternoon, free of Bhadra; when Bhadra covers
    // it, or Purnima only begins in it, and Purnima lasts six ghatis past the
    // next sunrise, the next day (Dharmasindhu, Shravani and raksha).
    WithBhadra(Lunar("raksha-bandhan", Shravana, Purnima, Kaala::Aparahna), SixGhatis, 0),
    // Krishna Ashtami of amanta Shravana (Bhadrapada in the purnimanta
    // months) at nishita; on both days the first, on neither the day it ends
    // (the smarta rule of Nirnaya Sindhu, Janmashtami).
    Lunar("janmashtami", Shravana, Krishna(8), Kaala::Nishita, BothDays::First, NeitherDay::Ends),
    // Bhadrapada Shukla Chaturthi at midday; on both days the one it holds
    // more of (Nirnaya Sindhu, Ganesha Chaturthi).
    Lunar("ganesh-chaturthi", Bhadrapada, Shukla(4), Kaala::Madhyahna, BothDays::Larger),
    // Thiruvonam (Shravana nakshatra) at sunrise in the Kerala solar month
    // Chingam (the Sun in Simha), Kerala's rule for the month.
    Star("onam", Simha, ShravanaNakshatra, Kaala::Sunrise, SolarDayRule::BeforeAparahna),
    // Ashwin Shukla Pratipada at sunrise: the day of Ghatasthapana.
    Lunar("navaratri", Ashwin, Shukla(1), Kaala::Sunrise),
    // Ashwin Shukla Ashtami at sunrise.
    Lunar("durga-ashtami", Ashwin, Shukla(8), Kaala::Sunrise),
    // Ashwin Shukla Navami at midday; on both days the first, the Navami
    // joined to Ashtami (Nirnaya Sindhu, Navaratra).
    Lunar("maha-navami", Ashwin, Shukla(9), Kaala::Madhyahna),
    // Ashwin Shukla Dashami in the afternoon; on both days the first; when
    // Dashami only begins in it and lasts six ghatis past the next sunrise,
    // the next day (Nirnaya Sindhu, Vijayadashami).
    NextDayAfter(Lunar("dussehra", Ashwin, Shukla(10), Kaala::Aparahna), SixGhatis),
    // Ashwin Purnima at nishita, the Kojagara night (Nirnaya Sindhu).
    Lunar("sharad-purnima", Ashwin, Purnima, Kaala::Nishita),
    // Ashwin Purnima at sunrise.
    Lunar("valmiki-jayanti", Ashwin, Purnima, Kaala::Sunrise),
    // Krishna Chaturthi of amanta Ashwin (Kartika in the purnimanta months)
    // at moonrise; on neither day the day it ends (North Indian almanacs).
    Lunar("karwa-chauth", Ashwin, Krishna(4), Kaala::Moonrise, BothDays::First, NeitherDay::Ends),
    // Krishna Trayodashi of amanta Ashwin at pradosha.
    Lunar("dhanteras", Ashwin, Krishna(13), Kaala::Pradosha, BothDays::Larger),
    // Krishna Chaturdashi of amanta Ashwin at arunodaya, the bath before
    // sunrise (Nirnaya Sindhu, Narakachaturdashi).
    Lunar("naraka-chaturdashi", Ashwin, Krishna(14), Kaala::Arunodaya, BothDays::First, NeitherDay::Ends),
    // The Amavasya ending amanta Ashwin at pradosha; on both days the one it
    // holds more of (Nirnaya Sindhu, Dipavali).
    Lunar("diwali", Ashwin, Amavasya, Kaala::Pradosha, BothDays::Larger),
    // Kartika Shukla Pratipada in the morning (pratahkala).
    Lunar("govardhan-puja", Kartika, Shukla(1), Kaala::Pratahkala, BothDays::First, NeitherDay::Ends),
    // Kartika Shukla Dwitiya in the afternoon; on both days the one it holds
    // more of (Nirnaya Sindhu, Yamadvitiya).
    Lunar("bhai-dooj", Kartika, Shukla(2), Kaala::Aparahna, BothDays::Larger),
    // Kartika Shukla Shashthi at sunrise: the day of the evening offering.
    Lunar("chhath-puja", Kartika, Shukla(6), Kaala::Sunrise),
    // Kartika Purnima at sunrise.
    Lunar("kartika-purnima", Kartika, Purnima, Kaala::Sunrise),
};

}  // namespace

std::span<const FestivalRule> FestivalRules() { return Rules; }

const FestivalRule* FestivalRuleOf(std::string_view key) {
    for (const FestivalRule& rule : Rules) {
        if (rule.key == key) return &rule;
    }
    return nullptr;
}

}  // namespace velmora
