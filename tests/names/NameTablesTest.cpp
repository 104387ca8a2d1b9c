#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calendar/Observances.h"
#include "day/DayTables.h"
#include "day/GoodHoursTables.h"
#include "engine/Engine.h"
#include "names/NameTables.h"
#include "panchang/PanchangTables.h"

namespace velmora {
namespace {

// The code points of a UTF-8 text (the tables are valid UTF-8; a stray byte
// shows up as 0xFFFD).
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

// Written in the language's own script: at least one letter of it (or only
// punctuation, as the dash that stands for "to"), no letter of another
// script, nothing that is not valid UTF-8. Digits, blanks, brackets, the
// degree sign, arrows, the moon's circles and crescent (the month's legend)
// may appear.
void ExpectScript(std::string_view text, char32_t first, char32_t last, const std::string& where) {
    bool ownLetter = false;
    bool otherLetter = false;
    for (const char32_t c : CodePoints(text)) {
        EXPECT_NE(c, 0xFFFDu) << where;
        const bool own = c >= first && c <= last;
        const bool neutral = c < 0x80 ? !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                                      : c == 0x00B0 || c == 0x00B7 || (c >= 0x2010 && c <= 0x2027) ||
                                            (c >= 0x2190 && c <= 0x21FF) || (c >= 0x25A0 && c <= 0x25FF) || c == 0x263D;
        otherLetter = otherLetter || (!own && !neutral);
        ownLetter = ownLetter || own;
    }
    EXPECT_FALSE(otherLetter) << where << ": a letter of another script in " << text;
    EXPECT_TRUE(ownLetter || !text.empty()) << where << ": " << text;
}

TEST(NameTables, EveryTableHasEveryEntryInEveryLanguage) {
    std::set<std::string_view> keys;
    for (const NameTable table : AllNameTables) {
        const std::span<const NameRow> rows = NameRows(table);
        ASSERT_FALSE(rows.empty()) << static_cast<int>(table);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const NameRow& row = rows[i];
            const std::string where = "table " + std::to_string(static_cast<int>(table)) + " row " +
                                      std::to_string(i) + " (" + std::string(row.key) + ")";
            EXPECT_FALSE(row.key.empty()) << where;
            EXPECT_TRUE(keys.insert(row.key).second) << where << ": key used twice";
            EXPECT_FALSE(row.en.empty()) << where;
            ExpectScript(row.hi, 0x0900, 0x097F, where + " hi");
            ExpectScript(row.ta, 0x0B80, 0x0BFF, where + " ta");
            for (const Language language : AllLanguages) {
                EXPECT_EQ(NameAt(table, static_cast<int>(i), language), row.In(language)) << where;
            }
        }
        EXPECT_EQ(NameAt(table, -1, Language::Hindi), std::nullopt);
        EXPECT_EQ(NameAt(table, static_cast<int>(rows.size()), Language::Tamil), std::nullopt);
    }
}

// The English column is the program's own spelling, row for row, so English
// output never changes.
TEST(NameTables, EnglishColumnIsTheProgramsSpelling) {
    struct Case {
        NameTable table;
        std::vector<std::string_view> names;
    };
    std::vector<Case> cases;
    Case tithi{NameTable::Tithi, {}}, weekday{NameTable::Weekday, {}}, planet{NameTable::Planet, {}};
    for (const TithiRow& row : TithiTable) tithi.names.push_back(row.name);
    for (const VaraRow& row : VaraTable) {
        weekday.names.push_back(row.lblDay);
        planet.names.push_back(row.lblLord);
    }
    cases.push_back(tithi);
    cases.push_back(weekday);
    cases.push_back(planet);
    cases.push_back({NameTable::Nakshatra, {NakshatraNames.begin(), NakshatraNames.begin() + 27}});
    cases.push_back({NameTable::Yoga, {YogaNames.begin(), YogaNames.begin() + 27}});
    cases.push_back({NameTable::Karana, {KaranaNames.begin(), KaranaNames.begin() + 11}});
    cases.push_back({NameTable::LunarMonth, {MasaNames.begin(), MasaNames.end()}});
    cases.push_back({NameTable::Sign, {SignNames.begin(), SignNames.end()}});
    cases.push_back({NameTable::SignDisplay, {SignDisplayNames.begin(), SignDisplayNames.end()}});
    Case observance{NameTable::Observance, {}};
    for (const Observance o : AllObservances) observance.names.push_back(ObservanceName(o));
    cases.push_back(observance);
    // The day in full's names, index for index as day/GoodHoursTables.h.
    cases.push_back({NameTable::Choghadiya, {ChoghadiyaNames.begin(), ChoghadiyaNames.end()}});
    cases.push_back({NameTable::Gowri, {GowriNames.begin(), GowriNames.end()}});
    cases.push_back({NameTable::Samvatsara, {SamvatsaraNames.begin(), SamvatsaraNames.end()}});
    cases.push_back({NameTable::Ritu, {RituNames.begin(), RituNames.end()}});
    cases.push_back({NameTable::Ayana, {AyanaNames.begin(), AyanaNames.end()}});
    cases.push_back({NameTable::Tara, {TaraNames.begin(), TaraNames.end()}});
    cases.push_back({NameTable::TamilSolarMonth, {TamilMonthNames.begin(), TamilMonthNames.end()}});
    cases.push_back({NameTable::MalayalamSolarMonth, {MalayalamMonthNames.begin(), MalayalamMonthNames.end()}});
    cases.push_back({NameTable::BengaliSolarMonth, {BengaliMonthNames.begin(), BengaliMonthNames.end()}});
    for (const Case& c : cases) {
        const std::span<const NameRow> rows = NameRows(c.table);
        ASSERT_EQ(rows.size(), c.names.size()) << static_cast<int>(c.table);
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].en, c.names[i]) << static_cast<int>(c.table);
    }
    // Every other name of the Tithi and Vaar tabs has its row.
    for (const TithiRow& row : TithiTable) {
        for (const std::string_view word : {row.lord, row.group, row.feature, row.type}) {
            EXPECT_NE(LocalName(NameTable::TithiWords, word, Language::Hindi), word) << word;
        }
    }
    for (const VaraRow& row : VaraTable) {
        EXPECT_NE(LocalName(NameTable::Words, row.lblAlternateName, Language::Tamil), row.lblAlternateName);
    }
    // Every paragraph of the results is translated whole, in both languages.
    std::vector<std::string_view> paragraphs;
    for (const TithiRow& row : TithiTable) {
        paragraphs.push_back(row.nature);
        paragraphs.push_back(row.typeText);
    }
    for (std::size_t i = 0; i < 27; ++i) paragraphs.push_back(YogaTexts[i]);
    for (const VaraRow& row : VaraTable) paragraphs.push_back(row.txtMoreAboutDayOfBirth);
    for (const std::string_view text : paragraphs) {
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            EXPECT_NE(LocalizedWhole(text, language), text) << LanguageCode(language) << ": " << text;
        }
    }
}

// Names as the almanacs print them (the issue's own examples among them).
TEST(NameTables, PublishedSpellings) {
    struct Case {
        NameTable table;
        int index;
        Language language;
        std::string_view name;
    };
    const Case cases[] = {
        {NameTable::Tithi, 0, Language::Hindi, "प्रतिपदा"},
        {NameTable::Tithi, 0, Language::Tamil, "பிரதமை"},
        {NameTable::Tithi, 14, Language::Hindi, "पूर्णिमा"},
        {NameTable::Tithi, 29, Language::Hindi, "अमावस्या"},
        {NameTable::Tithi, 29, Language::Tamil, "அமாவாசை"},
        {NameTable::Nakshatra, 0, Language::Hindi, "अश्विनी"},
        {NameTable::Nakshatra, 0, Language::Tamil, "அஸ்வினி"},
        {NameTable::Nakshatra, 1, Language::Tamil, "பரணி"},
        {NameTable::Nakshatra, 2, Language::Tamil, "கார்த்திகை"},
        {NameTable::Nakshatra, 21, Language::Tamil, "திருவோணம்"},
        {NameTable::Nakshatra, 21, Language::Hindi, "श्रवण"},
        {NameTable::LunarMonth, 4, Language::Hindi, "श्रावण"},
        {NameTable::TamilSolarMonth, 9, Language::Tamil, "தை"},
        {NameTable::TamilSolarMonth, 10, Language::Tamil, "மாசி"},
        {NameTable::TamilSolarMonth, 0, Language::English, "Chithirai"},
        {NameTable::MalayalamSolarMonth, 4, Language::English, "Chingam"},
        {NameTable::BengaliSolarMonth, 0, Language::English, "Boishakh"},
        {NameTable::Weekday, 0, Language::Hindi, "रविवार"},
        {NameTable::Weekday, 4, Language::Tamil, "வியாழன்"},
        {NameTable::Paksha, 0, Language::Tamil, "வளர்பிறை"},
        {NameTable::Paksha, 1, Language::Tamil, "தேய்பிறை"},
        {NameTable::Kalam, 0, Language::Tamil, "ராகு காலம்"},
        {NameTable::Sign, 9, Language::Hindi, "मकर"},
        // The year names as the 2025-2027 almanacs print them: the Tamil
        // years Vishvavasu (from 14 April 2025) and Parabhava (2026), the
        // Hindi Vikram 2082 Siddharthi and 2083 Raudra.
        {NameTable::Samvatsara, 38, Language::Tamil, "விசுவாவசு"},
        {NameTable::Samvatsara, 39, Language::Tamil, "பராபவ"},
        {NameTable::Samvatsara, 40, Language::Tamil, "பிலவங்க"},
        {NameTable::Samvatsara, 52, Language::Hindi, "सिद्धार्थी"},
        {NameTable::Samvatsara, 53, Language::Hindi, "रौद्र"},
        {NameTable::Samvatsara, 0, Language::Tamil, "பிரபவ"},
        {NameTable::Samvatsara, 59, Language::Tamil, "அட்சய"},
        {NameTable::Choghadiya, 3, Language::Hindi, "अमृत"},
        {NameTable::Choghadiya, 4, Language::Hindi, "काल"},
        {NameTable::Gowri, 1, Language::Tamil, "அமிர்தம்"},
        {NameTable::Gowri, 7, Language::Tamil, "விஷம்"},
        {NameTable::Ayana, 0, Language::Hindi, "उत्तरायण"},
        {NameTable::Ritu, 3, Language::Hindi, "शरद्"},
        {NameTable::Tara, 0, Language::Hindi, "जन्म"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameAt(c.table, c.index, c.language), c.name) << static_cast<int>(c.table) << " " << c.index;
    }
}

TEST(NameTables, LookupByEnglishAndKey) {
    EXPECT_EQ(LocalName(NameTable::Nakshatra, "Shravana", Language::Tamil), "திருவோணம்");
    EXPECT_EQ(LocalName(NameTable::LunarMonth, "Shravana", Language::Tamil), "ஸ்ராவணம்");
    EXPECT_EQ(LocalName(NameTable::Nakshatra, "Shravana", Language::English), "Shravana");
    EXPECT_EQ(LocalName(NameTable::Nakshatra, "Unknown", Language::Hindi), "Unknown");
    EXPECT_EQ(LocalName(NameTable::Nakshatra, "", Language::Hindi), "");
    ASSERT_NE(NameRowByKey("thai"), nullptr);
    EXPECT_EQ(NameRowByKey("thai")->ta, "தை");
    EXPECT_EQ(NameRowByKey("no-such-key"), nullptr);
}

TEST(NameTables, LocalizedText) {
    using enum NameTable;
    struct Case {
        std::string_view text;
        Language language;
        std::initializer_list<NameTable> tables;
        std::string_view expected;
    };
    const Case cases[] = {
        // English never changes, whatever the tables.
        {"Vaishakha – Adhika Jyeshtha (amanta)", Language::English, {LunarMonth, Words}, "Vaishakha – Adhika Jyeshtha (amanta)"},
        {"Vaishakha – Adhika Jyeshtha (amanta)", Language::Hindi, {LunarMonth, Words}, "वैशाख – अधिक ज्येष्ठ (अमान्त)"},
        // The earlier table wins a name two tables share.
        {"Shravana", Language::Tamil, {Nakshatra, LunarMonth}, "திருவோணம்"},
        {"Shravana", Language::Tamil, {LunarMonth, Nakshatra}, "ஸ்ராவணம்"},
        // Whole words only; the longest name first.
        {"Navamis Navami", Language::Hindi, {Tithi}, "Navamis नवमी"},
        {"Uttara Ashadha, Ashadha", Language::Hindi, {Nakshatra, LunarMonth}, "उत्तराषाढ़ा, आषाढ़"},
        {"Shaka 1948 · Vikram 2083", Language::Tamil, {Words}, "சக 1948 · விக்கிரம 2083"},
        {"06:54:02 to 18:01:10", Language::Hindi, {Words}, "06:54:02 – 18:01:10"},
        {"Sunday, 7 December 2026, sunrise to sunrise", Language::Hindi, {Weekday, CivilMonth, Words},
         "रविवार, 7 दिसंबर 2026, सूर्योदय से सूर्योदय तक"},
        {"", Language::Tamil, {Words}, ""},
        {"Mesha", Language::Hindi, {}, "Mesha"},
    };
    for (const Case& c : cases) EXPECT_EQ(LocalizedText(c.text, c.language, c.tables), c.expected) << c.text;
}

// The windows' and the printed page's reading of the core's texts: every
// table in one pass, sentences by their phrases, paragraphs whole or not at
// all.
TEST(NameTables, LocalizedAnyAndWhole) {
    struct Case {
        std::string_view text;
        Language language;
        std::string_view any;
        std::string_view whole;
    };
    const Case cases[] = {
        {"Please Enter Name", Language::Tamil, "தயவுசெய்து பெயரை உள்ளிடவும்", "தயவுசெய்து பெயரை உள்ளிடவும்"},
        {"Shukla Ekadashi", Language::Hindi, "शुक्ल एकादशी", "शुक्ल एकादशी"},
        {"Shravana", Language::Tamil, "திருவோணம்", "திருவோணம்"},
        {"Sun", Language::Hindi, "सूर्य", "सूर्य"},
        {"Wednesday, 30 September 2050: the entered time is before sunrise on 31 December, so it belongs to the day before",
         Language::Hindi,
         "बुधवार, 30 सितंबर 2050: दिया गया समय सूर्योदय से पहले का है, 31 दिसंबर, इसलिए यह पिछले दिन का है",
         "Wednesday, 30 September 2050: the entered time is before sunrise on 31 December, so it belongs to the day before"},
        {"The yoga is Siddha which means something", Language::Tamil,
         "The yoga is சித்தம் which means something", "The yoga is Siddha which means something"},
        {"Shravana", Language::English, "Shravana", "Shravana"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocalizedAny(c.text, c.language), c.any) << c.text;
        EXPECT_EQ(LocalizedWhole(c.text, c.language), c.whole) << c.text;
    }
}

TEST(Language, CodesAndLocales) {
    struct Case {
        std::string_view locale;
        Language language;
    };
    const Case cases[] = {
        {"hi_IN.UTF-8", Language::Hindi}, {"ta_IN.UTF-8", Language::Tamil}, {"ta", Language::Tamil},
        {"hi_IN@devanagari", Language::Hindi}, {"ta-IN", Language::Tamil}, {"en_GB.UTF-8", Language::English},
        {"de_DE.UTF-8", Language::English}, {"C", Language::English}, {"POSIX", Language::English},
        {"", Language::English}, {"hin_IN", Language::English}, {"h", Language::English},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageFromLocaleName(c.locale), c.language) << c.locale;
    for (const Language language : AllLanguages) {
        EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
    }
    EXPECT_EQ(LanguageFromCode("HI"), Language::Hindi);
    EXPECT_EQ(LanguageFromCode("fr"), std::nullopt);
    EXPECT_EQ(LanguageFromCode(""), std::nullopt);
    EXPECT_EQ(LanguageNativeName(Language::Tamil), "தமிழ்");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The day in full's texts as the Day tab and the printed report write them,
// read in another language: every name and word from the tables, nothing
// English left, and a name two tables share keeps the older table's reading.
TEST(NameTables, DayInFullTextsReadInEveryLanguage) {
    struct Case {
        std::string_view english;
        Language language;
        std::string_view shown;
    };
    const Case cases[] = {
        {"Kaal", Language::Hindi, "काल"},
        {"Amirtham", Language::Tamil, "அமிர்தம்"},
        {"good", Language::Tamil, "நல்லது"},
        {"Raudra (north), Parabhava (south), Parabhava (Tamil)", Language::Hindi, "रौद्र (उत्तर), पराभव (दक्षिण), पराभव (तमिल)"},
        {"Sharad, Dakshinayana", Language::Tamil, "சரத், தட்சிணாயனம்"},
        {"Parama Mitra (good) to 10:07, Janma (good)", Language::Hindi, "परम मित्र (शुभ) – 10:07, जन्म (शुभ)"},
        {"1st from the birth sign (good)", Language::Tamil, "ஜன்ம ராசியிலிருந்து 1 (நல்லது)"},
        {"12th from the birth sign (bad)", Language::Hindi, "जन्म राशि से बारहवीं (अशुभ)"},
        {"Ogrohayon 21, 1433", Language::Tamil, "ஓக்ரோஹாயோன் 21, 1433"},
        {"Vrischikam 21, 1202", Language::Hindi, "वृश्चिकम 21, 1202"},
        {"20:12–21:58 (Anuradha)", Language::Tamil, "20:12–21:58 (அனுஷம்)"},
        {"Choghadiya (night)", Language::Hindi, "चौघड़िया (रात)"},
        // Shukla is a paksha before it is a year; Jaya a tithi group.
        {"Shukla", Language::Tamil, "வளர்பிறை"},
        {"Jaya", Language::Hindi, "जया"},
        {"Kaal", Language::English, "Kaal"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocalizedAny(c.english, c.language), c.shown) << c.english;
    }
}

}  // namespace
}  // namespace velmora
