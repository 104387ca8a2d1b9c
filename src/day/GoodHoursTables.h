#pragma once

#include <array>
#include <string_view>

// The fixed tables of the good and bad hours, the year's name, the seasons and
// the solar months, each with the rule it encodes and where it comes from, in
// one place. Every name table keeps its order for good: the index is the
// stable key other languages' tables are keyed by.
namespace velmora {

// ---------------------------------------------------------------------------
// The seven planets that rule the weekdays, in weekday order: index 0 = Sun
// (Sunday's lord) .. 6 = Saturn (Saturday's lord), so vara v is ruled by
// planet v - 1.
inline constexpr std::array<std::string_view, 7> PlanetNames = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                                "Jupiter", "Venus", "Saturn"};

// The descending (Chaldean) order of the planets, slowest first: Saturn,
// Jupiter, Mars, Sun, Venus, Mercury, Moon. The hours (hora) follow it, and
// so does the daytime choghadiya.
inline constexpr std::array<int, 7> ChaldeanOrder = {6, 4, 2, 0, 5, 3, 1};

// ---------------------------------------------------------------------------
// Choghadiya: daytime (sunrise to sunset) and night (sunset to the next
// sunrise) each in eight equal parts. Each planet gives its choghadiya (Sun
// Udveg, Venus Char, Mercury Labh, Moon Amrit, Saturn Kaal, Jupiter Shubh,
// Mars Rog). By day the parts run from the weekday's lord in the descending
// order, the eighth again the lord's; by night from the fifth planet after the
// lord, five steps of that order at a time. As the Gujarati and Rajasthani
// almanacs print them: Amrit, Shubh and Labh good, Char neutral (good for
// travel), Udveg, Kaal and Rog bad. (Monday by day: Amrit Kaal Shubh Rog
// Udveg Char Labh Amrit; by night: Char Rog Kaal Labh Udveg Shubh Amrit Char.)
inline constexpr std::array<std::string_view, 7> ChoghadiyaNames = {"Udveg", "Char", "Labh", "Amrit",
                                                                    "Kaal",  "Shubh", "Rog"};
enum class HourQuality { Good, Neutral, Bad };
constexpr std::string_view QualityName(HourQuality q) {
    return q == HourQuality::Good ? "good" : q == HourQuality::Neutral ? "neutral" : "bad";
}
inline constexpr std::array<HourQuality, 7> ChoghadiyaQuality = {HourQuality::Bad,  HourQuality::Neutral,
                                                                 HourQuality::Good, HourQuality::Good,
                                                                 HourQuality::Bad,  HourQuality::Good,
                                                                 HourQuality::Bad};
// The choghadiya (index above) of each planet (PlanetNames order).
inline constexpr std::array<int, 7> ChoghadiyaOfPlanet = {0, 3, 6, 2, 5, 1, 4};
inline constexpr int ChoghadiyaParts = 8;
inline constexpr int ChoghadiyaNightStep = 5;  // steps of ChaldeanOrder from one night part to the next

// ---------------------------------------------------------------------------
// Hora: twelve equal hours of daytime and twelve of night; the first is ruled
// by the weekday's lord and each next one by the planet after it in the
// descending order (so the 25th hour is the next weekday's lord, which is how
// the weekdays got their order).
inline constexpr int HorasPerHalf = 12;

// ---------------------------------------------------------------------------
// Gowri panchangam (Nalla Neram): daytime and night each in eight equal
// parts, named after the planet ruling them (Sun Uthi, Moon Amirtham, Mars
// Rogam, Mercury Labam, Jupiter Dhanam, Venus Sugam, Saturn Soram) or Rahu
// (Visham). The weekday tables are those printed in the Tamil daily-sheet
// calendars; Amirtham, Uthi, Labam, Sugam and Dhanam are good, Soram, Rogam
// and Visham bad.
inline constexpr std::array<std::string_view, 8> GowriNames = {"Uthi",  "Amirtham", "Rogam", "Labam",
                                                               "Dhanam", "Sugam",   "Soram", "Visham"};
inline constexpr std::array<bool, 8> GowriGood = {true, true, false, true, true, true, false, false};
inline constexpr int GowriParts = 8;
enum Gowri : int { Uthi, Amirtham, Rogam, Labam, Dhanam, Sugam, Soram, Visham };
// Index 0 = Sunday .. 6 = Saturday; the eight parts in time order.
inline constexpr std::array<std::array<int, 8>, 7> GowriDay = {{
    {Uthi, Amirtham, Rogam, Labam, Dhanam, Sugam, Soram, Visham},  // Sunday
    {Amirtham, Visham, Rogam, Labam, Dhanam, Sugam, Soram, Uthi},  // Monday
    {Rogam, Labam, Dhanam, Sugam, Soram, Visham, Uthi, Amirtham},  // Tuesday
    {Labam, Dhanam, Sugam, Soram, Visham, Uthi, Amirtham, Rogam},  // Wednesday
    {Dhanam, Sugam, Soram, Visham, Uthi, Amirtham, Rogam, Labam},  // Thursday
    {Sugam, Soram, Visham, Uthi, Amirtham, Rogam, Labam, Dhanam},  // Friday
    {Soram, Uthi, Visham, Amirtham, Rogam, Labam, Dhanam, Sugam},  // Saturday
}};
inline constexpr std::array<std::array<int, 8>, 7> GowriNight = {{
    {Dhanam, Sugam, Soram, Visham, Uthi, Amirtham, Rogam, Labam},  // Sunday
    {Sugam, Soram, Visham, Uthi, Amirtham, Rogam, Labam, Dhanam},  // Monday
    {Soram, Visham, Uthi, Amirtham, Rogam, Labam, Dhanam, Sugam},  // Tuesday
    {Uthi, Amirtham, Rogam, Labam, Dhanam, Sugam, Soram, Visham},  // Wednesday
    {Amirtham, Rogam, Labam, Dhanam, Sugam, Soram, Visham, Uthi},  // Thursday
    {Rogam, Labam, Dhanam, Sugam, Soram, Visham, Uthi, Amirtham},  // Friday
    {Labam, Dhanam, Sugam, Soram, Visham, Uthi, Amirtham, Rogam},  // Saturday
}};

// ---------------------------------------------------------------------------
// Durmuhurta: of the fifteen equal muhurtas of daytime (and, on Tuesday, of
// the night), the weekday's inauspicious ones, as the muhurta texts give them
// and the almanacs print them: Sunday the 14th; Monday the 9th and 12th;
// Tuesday the 4th of the day and the 7th of the night; Wednesday the 8th;
// Thursday the 6th and 12th; Friday the 4th and 9th; Saturday the 1st and 2nd.
struct DurmuhurtaPart {
    int part = 0;        // 1..15; 0 = none
    bool night = false;  // of the night (sunset to the next sunrise)
};
inline constexpr std::array<std::array<DurmuhurtaPart, 2>, 7> DurmuhurtaParts = {{
    {{{14, false}, {0, false}}},
    {{{9, false}, {12, false}}},
    {{{4, false}, {7, true}}},
    {{{8, false}, {0, false}}},
    {{{6, false}, {12, false}}},
    {{{4, false}, {9, false}}},
    {{{1, false}, {2, false}}},
}};

// ---------------------------------------------------------------------------
// Varjyam (tyajya) and amrit kalam: each nakshatra's table value is the
// ghati (of the 60 its whole span is counted as) at which the four-ghati span
// begins; the value is scaled to the nakshatra's actual length. These are
// the Telugu almanacs' tables (the nakshatra tyajya and amrita ghatis);
// Mula has a second varjyam at 56 ghatis. Index 0 = Ashwini .. 26 = Revati.
inline constexpr std::array<double, 27> VarjyamGhati = {50, 24, 30, 40, 14, 21, 30, 20, 32, 30, 20, 18, 21, 20,
                                                        14, 14, 10, 14, 20, 24, 20, 10, 10, 18, 16, 24, 30};
inline constexpr double MulaSecondVarjyamGhati = 56;
inline constexpr int MulaIndex = 18;
inline constexpr std::array<double, 27> AmritKalamGhati = {42, 48, 54, 52, 38, 35, 54, 44, 56, 54, 44, 42, 45, 44,
                                                           38, 38, 34, 38, 44, 48, 44, 34, 34, 42, 40, 48, 54};
inline constexpr double GhatisPerNakshatra = 60;
inline constexpr double VarjyamGhatis = 4;

// ---------------------------------------------------------------------------
// Panchak: the Moon in the second half of Dhanishta through Revati, i.e. the
// sidereal Moon from 300° (Kumbha) to 360°: 18 padas from pada 90.
inline constexpr int PanchakFirstPada = 90;
inline constexpr int PanchakPadas = 18;

// ---------------------------------------------------------------------------
// The sixty years of the Jupiter cycle, 0 = Prabhava .. 59 = Akshaya.
// South Indian almanacs (and the Tamil calendar) name the Shaka year
// (index (Shaka + 11) mod 60: Shaka 1947, from Ugadi 2025, is Vishvavasu);
// North Indian ones name the Vikram year by the Jupiter year, (Vikram + 9)
// mod 60 (Vikram 2077 Pramadi, 2078 Ananda), thirteen further on, and one
// further again after each Jupiter year the Hindi almanacs expunge (kshaya
// samvatsara): Kalayukta was expunged in Vikram 2082, which they name
// Siddharthi (2083 Raudra). Expunctions before 2082 are not listed (the one
// before lies about 85 years earlier), so earlier Vikram years use the plain
// offset. The Tamil year takes the southern name but changes at the Mesha
// sankranti (Chithirai 1).
inline constexpr std::array<std::string_view, 60> SamvatsaraNames = {
    "Prabhava",  "Vibhava",     "Shukla",     "Pramoda",    "Prajapati",  "Angirasa",     "Shrimukha",
    "Bhava",     "Yuva",        "Dhatri",     "Ishvara",    "Bahudhanya", "Pramathi",     "Vikrama",
    "Vrisha",    "Chitrabhanu", "Svabhanu",   "Tarana",     "Parthiva",   "Vyaya",        "Sarvajit",
    "Sarvadhari", "Virodhi",    "Vikriti",    "Khara",      "Nandana",    "Vijaya",       "Jaya",
    "Manmatha",  "Durmukhi",    "Hevilambi",  "Vilambi",    "Vikari",     "Sharvari",     "Plava",
    "Shubhakrit", "Shobhakrit", "Krodhi",     "Vishvavasu", "Parabhava",  "Plavanga",     "Kilaka",
    "Saumya",    "Sadharana",   "Virodhakrit", "Paridhavi", "Pramadi",    "Ananda",       "Rakshasa",
    "Nala",      "Pingala",     "Kalayukta",  "Siddharthi", "Raudra",     "Durmati",      "Dundubhi",
    "Rudhirodgari", "Raktakshi", "Krodhana",  "Akshaya"};
inline constexpr int SamvatsaraShakaOffset = 11;
inline constexpr int SamvatsaraVikramOffset = 9;
// The Vikram years from which the northern names run one further.
inline constexpr std::array<int, 1> NorthSamvatsaraExpunged = {2082};

// ---------------------------------------------------------------------------
// The six seasons as the almanacs print them, two lunar months each: Chaitra
// and Vaishakha Vasanta, Jyeshtha and Ashadha Grishma, Shravana and
// Bhadrapada Varsha, Ashwin and Kartika Sharad, Margashirsha and Pausha
// Hemanta, Magha and Phalguna Shishira. Index = amanta month / 2.
inline constexpr std::array<std::string_view, 6> RituNames = {"Vasanta", "Grishma", "Varsha",
                                                              "Sharad",  "Hemanta", "Shishira"};

// The ayana from the sidereal Sun: uttarayana from the Makara sankranti to
// the Karka sankranti (Sun in Makara .. Mithuna), dakshinayana the rest.
inline constexpr std::array<std::string_view, 2> AyanaNames = {"Uttarayana", "Dakshinayana"};

// ---------------------------------------------------------------------------
// The solar months, keyed by the sidereal sign the Sun is in (0 = Mesha ..
// 11 = Meena), so the index is the sign for all three calendars.
//
// Tamil: the year begins with Chithirai (Mesha). A month begins on the civil
// day of its sankranti when the sankranti falls before that day's sunset,
// else on the next day.
inline constexpr std::array<std::string_view, 12> TamilMonthNames = {
    "Chithirai", "Vaikasi", "Aani",   "Aadi",  "Avani", "Purattasi",
    "Aippasi",   "Karthigai", "Margazhi", "Thai", "Maasi", "Panguni"};
// Malayalam: the Kollam year begins with Chingam (Simha). A month begins on
// the civil day of its sankranti when the sankranti falls before that day's
// aparahna begins (daytime in fifths: pratah, sangava, madhyahna, aparahna,
// sayahna; so before 3/5 of the way from sunrise to sunset), else on the next
// day. (Read as "before the end of aparahna" the Vrischika sankranti of
// 2025-11-16 13:38 IST would begin Vrischikam on the 16th; the Kerala
// calendars and the Sabarimala season begin it on the 17th.) Kollam year = Gregorian year -
// 824 from Chingam 1, - 825 before it.
inline constexpr std::array<std::string_view, 12> MalayalamMonthNames = {
    "Medam",  "Edavam", "Mithunam",  "Karkidakam", "Chingam", "Kanni",
    "Thulam", "Vrischikam", "Dhanu", "Makaram",    "Kumbham", "Meenam"};
inline constexpr int KollamChingamSign = 4;
inline constexpr int KollamFromGregorian = 824;
// Bengali: the year begins with Boishakh (Mesha). A month begins on the day
// after the civil day of its sankranti (a sankranti between sunrise and
// midnight gives the next day; one after midnight, belonging to the Hindu day
// before, the day after that: both are the civil day after the sankranti).
// Bangabda = Gregorian year - 593 from Boishakh 1, - 594 before it.
inline constexpr std::array<std::string_view, 12> BengaliMonthNames = {
    "Boishakh", "Joishtho", "Asharh", "Shrabon", "Bhadro", "Ashshin",
    "Kartik",   "Ogrohayon", "Poush", "Magh",   "Falgun", "Choitro"};
inline constexpr int BangabdaFromGregorian = 593;

// ---------------------------------------------------------------------------
// Tarabalam: count the nakshatras from the birth nakshatra to the day's
// (the birth one counting 1), take the remainder by 9 (0 counts as 9): 1 Janma,
// 2 Sampat, 3 Vipat, 4 Kshema, 5 Pratyak, 6 Sadhana, 7 Naidhana (Vadha),
// 8 Mitra, 9 Parama Mitra; 3, 5 and 7 are bad, the rest good (Janma mixed,
// counted good as most almanacs do).
inline constexpr std::array<std::string_view, 9> TaraNames = {"Janma",  "Sampat",   "Vipat", "Kshema",     "Pratyak",
                                                              "Sadhana", "Naidhana", "Mitra", "Parama Mitra"};
inline constexpr std::array<bool, 9> TaraGood = {true, true, false, true, false, true, false, true, true};
// Chandrabalam: the day's Moon sign counted from the birth Moon sign (the
// birth sign counting 1); the 1st, 3rd, 6th, 7th, 10th and 11th are good.
inline constexpr std::array<bool, 12> ChandrabalamGood = {true,  false, true, false, false, true,
                                                          true,  false, false, true, true,  false};

}  // namespace velmora
