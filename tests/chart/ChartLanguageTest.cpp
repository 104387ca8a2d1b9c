// The birth chart in Hindi and Tamil: the published 1935 birth (Saravali's
// example: the Moon at 20°37′ Simha in Purva Phalguni, Venus's dasha with
// 9 years 0 months 27 days left) reads as a Hindi or Tamil kundali prints it,
// every chart of the form's odd moments has no English word left, and every
// abbreviation the charts draw has its row.
#include <gtest/gtest.h>

#include <string>

#include "astronomy/Calendar.h"
#include "chart/Chart.h"
#include "chart/ChartNames.h"
#include "chart/ChartText.h"
#include "names/NameTables.h"

namespace velmora {
namespace {

double JdUt(int y, int m, int d, double hoursUt) {
    // Gregorian calendar to Julian day (Meeus, Astronomical Algorithms, ch. 7).
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return static_cast<int>(365.25 * (y + 4716)) + static_cast<int>(30.6001 * (m + 1)) + d + b - 1524.5 +
           hoursUt / 24;
}

// The first run of three Latin letters, or empty.
std::string EnglishLeft(const std::string& text) {
    int run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        run = ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) ? run + 1 : 0;
        if (run == 3) return text.substr(i - 2, 40);
    }
    return {};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ChartLanguage, PublishedBirthOf1935InHindiAndTamil) {
    const double jdUt = JdUt(1935, 7, 6, 5 + 38.0 / 60 + 16.0 / 3600);
    const std::optional<BirthChart> chart =
        ChartAt(jdUt, DeltaTHours(jdUt) * 3600, 29 + 43.0 / 60, 91 + 41.0 / 60, 0, NodeKind::Mean);
    ASSERT_TRUE(chart);
    struct Case {
        Language language;
        const char* moonRow;   // name (abbreviation), sign, nakshatra of the Moon's row
        const char* lord;      // the dasha's lord at birth, with the comma after it
        const char* years;     // the dasha left at birth
        const char* heading;   // the text's first words
        const char* dashaLine; // the mahadashas' heading
    };
    const Case cases[] = {
        {Language::English, "Moon (Mo)|Simha|Poorva Phalguni", "Venus, ", "9 years 0 months 27 days",
         "Chart (sidereal, Lahiri ayanamsa ", "Vimshottari dasha (a year of 365.25 days)"},
        {Language::Hindi, "चन्द्र (चं)|सिंह|पूर्वा फाल्गुनी", "शुक्र, ", "9 वर्ष 0 माह 27 दिन", "कुंडली (निरयन, लाहिड़ी अयनांश ",
         "विंशोत्तरी दशा (वर्ष 365.25 दिन का)"},
        {Language::Tamil, "சந்திரன் (சந்)|சிம்மம்|பூரம்", "சுக்கிரன், ", "9 ஆண்டு 0 மாதம் 27 நாள்",
         "ஜாதகம் (நிராயன, லாஹிரி அயனாம்சம் ", "விம்சோத்தரி தசை (ஆண்டு 365.25 நாள்)"},
    };
    for (const Case& c : cases) {
        const std::vector<ChartRow> rows = ChartRows(*chart, c.language);
        ASSERT_EQ(rows.size(), 10u);
        const ChartRow& moon = rows[2];
        EXPECT_EQ(moon.name + " (" + moon.abbreviation + ")|" + moon.sign + "|" + moon.nakshatra, c.moonRow);
        // The printed balance, from the printed Moon (the program's Moon of
        // that moment is within a minute of arc of it, a few days of dasha).
        EXPECT_EQ(DashaYearsText(20 * 363.0 / 800, c.language), c.years);
        EXPECT_EQ(DashaBalanceText(*chart, c.language).rfind(c.lord, 0), 0u) << DashaBalanceText(*chart, c.language);
        const std::string text = ChartPlainText(*chart, c.language);
        EXPECT_EQ(text.rfind(c.heading, 0), 0u) << text;
        EXPECT_TRUE(Has(text, c.dashaLine)) << text;
        if (c.language != Language::English) EXPECT_EQ(EnglishLeft(text), "") << text;
    }
    // The same chart in English is the text the program always wrote.
    EXPECT_EQ(ChartPlainText(*chart, Language::English), ChartPlainText(*chart));
}

// Every chart of the form's odd moments, both nodes, the running and next
// dasha at its ends: no English word in Hindi or Tamil.
TEST(ChartLanguage, NoEnglishLeftInAnyChartText) {
    const double moments[] = {JdUt(1901, 1, 1, 0), JdUt(1987, 8, 15, 5), JdUt(2026, 12, 7, 1), JdUt(2050, 12, 31, 18)};
    for (const double jdUt : moments) {
        for (const NodeKind node : {NodeKind::Mean, NodeKind::True}) {
            const std::optional<BirthChart> chart = ChartAt(jdUt, DeltaTHours(jdUt) * 3600, 28.6, 77.2, 5.5, node);
            ASSERT_TRUE(chart);
            for (const Language language : {Language::Hindi, Language::Tamil}) {
                std::string all = ChartPlainText(*chart, language) + NodeKindText(node, language);
                for (const double at : {jdUt, jdUt + 365.25 * 40, chart->dasha.mahadashas[8].period.endJdUt - 1}) {
                    all += RunningDashaText(*chart, at, language).value_or("") + NextDashaText(*chart, at, language).value_or("");
                }
                for (const ChartRow& row : ChartRows(*chart, language)) all += row.abbreviation + row.motion;
                EXPECT_EQ(EnglishLeft(all), "") << all;
            }
        }
    }
    // Every mark the charts draw (two letters each) has its row.
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const GrahaName& g : GrahaNames) EXPECT_NE(ChartWord(g.abbreviation, language), g.abbreviation);
        EXPECT_NE(ChartWord(LagnaName.abbreviation, language), LagnaName.abbreviation);
        EXPECT_NE(ChartWord(RetrogradeMark, language), RetrogradeMark);
        EXPECT_NE(ChartWord("Rasi (D1)", language), "Rasi (D1)");
        EXPECT_NE(ChartWord("Navamsa (D9)", language), "Navamsa (D9)");
    }
    EXPECT_EQ(FillChartPattern("%1 to %2, %3", {"a", "b"}), "a to b, %3");
    EXPECT_EQ(FillChartPattern("100% of %1", {"x"}), "100% of x");
}

}  // namespace
}  // namespace velmora
