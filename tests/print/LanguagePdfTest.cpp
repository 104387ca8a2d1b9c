// The printed report and the printed month in Hindi and Tamil: the PDF embeds
// fonts with Devanagari and Tamil, and pdftotext gives their text back.
//
// Qt's PDF writer maps a glyph back to its character only through the font's
// character map: a glyph the shaping makes (a Devanagari conjunct, a vowel
// sign's variant, a Tamil pulli placed on its letter) comes back as nothing.
// So the tests read whole words only where every glyph is a character's own
// (पंचांग, शहर, பரணி, சனி …), and count the script's characters elsewhere.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QTemporaryDir>

#include <string>

#include "PdfText.h"
#include "WorkedExamples.h"
#include "calendar/CalendarDays.h"
#include "calendar/CalendarNames.h"
#include "chart/Chart.h"
#include "day/DayZone.h"
#include "input/CalculationDriver.h"
#include "names/NameTables.h"
#include "results/ReportNames.h"
#include "results/print/MonthDocument.h"
#include "results/print/ReportDocument.h"

using namespace velmora;
using namespace velmora::test;

namespace {

bool Has(const std::string& text, std::string_view part) {
    return Squeezed(text).find(Squeezed(std::string(part))) != std::string::npos;
}

// Characters of the block [first, last] in a UTF-8 text (three-byte forms).
int ScriptCharacters(const std::string& text, char32_t first, char32_t last) {
    int count = 0;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b >> 4) != 0xE) continue;
        const char32_t c = ((b & 0x0F) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                           (static_cast<unsigned char>(text[i + 2]) & 0x3F);
        count += c >= first && c <= last ? 1 : 0;
    }
    return count;
}

char32_t BlockStart(Language language) { return language == Language::Hindi ? 0x0900 : 0x0B80; }

}  // namespace

TEST(LanguagePdf, ReportInHindiAndTamilReadsBackInItsScript) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    const Report english = BuildReport(page, state.birth);
    QTemporaryDir dir;
    struct Case {
        Language language;
        const char* file;
        std::vector<std::string_view> words;  // words that keep every glyph
    };
    const Case cases[] = {
        {Language::Hindi, "hi.pdf", {"पंचांग", "शहर", "देश", "देशांतर", "अयनांश", "तारीख", "भरणी"}},
        {Language::Tamil, "ta.pdf", {"பரணி", "சனி", "நகர", "அயனா"}},
    };
    for (const Case& c : cases) {
        const Report report = LocalizedReport(english, c.language);
        const std::string path = dir.filePath(QString::fromLatin1(c.file)).toStdString();
        ASSERT_TRUE(SaveReportPdf(report, QString::fromStdString(path), QPageSize(QPageSize::A4)).isEmpty());
        EXPECT_EQ(PdfPages(path), 1);
        const std::string text = PdfText(path);
        for (const std::string_view word : c.words) EXPECT_TRUE(Has(text, word)) << c.file << ": " << word;
        EXPECT_GT(ScriptCharacters(text, BlockStart(c.language), BlockStart(c.language) + 0x7F), 500) << c.file;
        // Embedded, with the script's font.
        const std::string fonts = CommandOutput("pdffonts '" + path + "'");
        EXPECT_NE(fonts.find(c.language == Language::Hindi ? "Devanagari" : "Tamil"), std::string::npos) << fonts;
        // No English caption is left.
        for (const char* english : {"Nakshatra", "Tithi", "Your Details", "Lord", "Ayanamsa"}) {
            EXPECT_EQ(text.find(english), std::string::npos) << c.file << ": " << english;
        }
    }
}

// The Chart page after the report: its captions, the dasha's sentences and
// the charts' titles in the language.
TEST(LanguagePdf, ChartPageInHindiAndTamil) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    Report english = BuildReport(page, state.birth);
    english.chart = ChartOf(state.birth, NodeKind::Mean);
    ASSERT_TRUE(english.chart);
    QTemporaryDir dir;
    struct Case {
        Language language;
        const char* file;
        // Words that keep every letter through pdftotext (see docs/languages.md:
        // राशि comes back as "रा श", ராசி கட்டம் as "ராச க ட").
        std::vector<std::string_view> words;
    };
    const Case cases[] = {
        {Language::Hindi, "chart-hi.pdf", {"कुंडली", "नवांश", "केतु", "मंगल", "बुध", "से", "तक"}},
        {Language::Tamil, "chart-ta.pdf", {"சனி", "(வ)"}},
    };
    for (const Case& c : cases) {
        const std::string path = dir.filePath(QString::fromLatin1(c.file)).toStdString();
        ASSERT_TRUE(SaveReportPdf(LocalizedReport(english, c.language), QString::fromStdString(path),
                                  QPageSize(QPageSize::A4))
                        .isEmpty());
        EXPECT_EQ(PdfPages(path), 2);
        const std::string text = PdfText(path);
        for (const std::string_view word : c.words) EXPECT_TRUE(Has(text, word)) << c.file << ": " << word;
        EXPECT_GT(ScriptCharacters(text, BlockStart(c.language), BlockStart(c.language) + 0x7F), 800) << c.file;
        for (const char* word : {"Chart", "Rasi", "Navamsa", "Sign", "Degree", "Pada", "Vimshottari", "Balance",
                                 "Sidereal", "Lahiri", "Ketu", "Venus", "Mercury", "mean node"}) {
            EXPECT_EQ(text.find(word), std::string::npos) << c.file << ": " << word;
        }
    }
}

TEST(LanguagePdf, MonthInHindiAndTamilReadsBackInItsScript) {
    const FixedZone zone(5.5);
    const Observer chennai{13.0833, 80.2667, 0};
    const CalendarSpan span = ComputeCalendarSpan({2026, 10, 1}, 31, chennai, zone);
    const MonthGrid grid = MonthGridOf(2026, 10, span, zone);
    QTemporaryDir dir;
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const std::string path = dir.filePath(QString::fromLatin1(LanguageCode(language).data()) + ".pdf").toStdString();
        ASSERT_TRUE(SaveMonthPdf(grid, "Chennai", QString::fromStdString(path), QPageSize(QPageSize::A4), language)
                        .isEmpty());
        const std::string text = PdfText(path);
        EXPECT_GT(ScriptCharacters(text, BlockStart(language), BlockStart(language) + 0x7F), 300);
        const std::string fonts = CommandOutput("pdffonts '" + path + "'");
        EXPECT_NE(fonts.find(language == Language::Hindi ? "Devanagari" : "Tamil"), std::string::npos) << fonts;
        // The Tamil month's title has no shaped glyph: அக்டோபர் loses only its pulli.
        if (language == Language::Hindi) EXPECT_TRUE(Has(text, "2026")) << text;
        // The legend at the foot of the page too, printed without the windows' translations.
        for (const char* english : {"October", "Sunday", "Shukla", "Krishna", "Tithi", "sunrise", "full moon"}) {
            EXPECT_EQ(text.find(english), std::string::npos) << english;
        }
    }
}

// The month printed for a person with the Tamil solar dates: the dates in
// small type and the tarabalam and chandrabalam marks with the line that
// explains them, in English; in Tamil the months are Tamil too.
// October 2026 at Chennai: Purattasi until the Tula sankranti on the 17th,
// then Aippasi (the Tamil Nadu calendars' Aippasi 1 is 18 October).
TEST(LanguagePdf, MonthForAPersonWithTheSolarDates) {
    const FixedZone zone(5.5);
    const Observer chennai{13.0833, 80.2667, 0};
    const CalendarSpan span = ComputeCalendarSpan({2026, 10, 1}, 31, chennai, zone);
    const MonthGrid grid = MonthGridOf(2026, 10, span, zone);
    QTemporaryDir dir;
    struct Case {
        Language language;
        std::vector<std::string_view> present;
        std::vector<std::string_view> absent;
    };
    const Case cases[] = {
        // The foot's lines whole, wrapped rather than cut, the program's name last.
        {Language::English,
         {"Purattasi", "Aippasi 1", "T tarabalam, C chandrabalam (✓ good, ✗ bad)", "C1",
          "band: a lunar month begins · T tarabalam", "Velmora"},
         {"…"}},
        // (The line under the page comes from the window's translations,
        // which this test does not load.)
        {Language::Tamil, {}, {"Purattasi", "Aippasi"}},
    };
    for (const Case& c : cases) {
        MonthDrawing drawing;
        drawing.place = "Chennai";
        drawing.language = c.language;
        drawing.solarCalendar = 0;
        drawing.birthNakshatra = 4;  // Rohini
        drawing.birthMoonSign = 1;   // Vrishabha
        const std::string path = dir.filePath(QString::fromLatin1(LanguageCode(c.language).data()) + "-person.pdf").toStdString();
        ASSERT_TRUE(SaveMonthPdf(grid, drawing, QString::fromStdString(path), QPageSize(QPageSize::A4)).isEmpty());
        EXPECT_EQ(PdfPages(path), 1);
        const std::string text = PdfText(path);
        for (const std::string_view piece : c.present) EXPECT_TRUE(Has(text, piece)) << piece << "\n" << text;
        for (const std::string_view piece : c.absent) EXPECT_EQ(text.find(piece), std::string::npos) << piece;
    }
}
