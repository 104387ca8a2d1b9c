// The report in Hindi and Tamil: the captions and the almanac's names follow
// the language, what the user typed and the numbers do not, a paragraph is
// translated whole or left whole, and English is the report unchanged.
#include <gtest/gtest.h>

#include <string>

#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "names/NameTables.h"
#include "results/ReportNames.h"

using namespace velmora;

namespace {

Report DelhiReport() {
    CalculationState state;
    ResultsPage page;
    InputForm form = Delhi1987();
    form.txtMCity = "New Delhi";
    EXPECT_FALSE(RunCalculation(form, state, page).has_value());
    return BuildReport(page, state.birth);
}

bool HasLatinWord(const std::string& text) {
    int run = 0;
    for (const char c : text) {
        run = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

}  // namespace

TEST(ReportNames, EnglishIsTheReportUnchanged) {
    const Report english = DelhiReport();
    EXPECT_EQ(ReportPlainText(LocalizedReport(english, Language::English)), ReportPlainText(english));
}

TEST(ReportNames, CaptionsAndNamesFollowTheLanguageTypedTextsDoNot) {
    const Report english = DelhiReport();
    struct Case {
        Language language;
        const char* vaar;       // the Vaar section's title
        const char* zoneEcho;   // "5:30 ahead of GMT"
    };
    const Case cases[] = {{Language::Hindi, "वार", "5:30 ग्रीनविच से आगे"},
                          {Language::Tamil, "வாரம்", "5:30 கிரீன்விச்சுக்கு முன்"}};
    for (const Case& c : cases) {
        const Report r = LocalizedReport(english, c.language);
        ASSERT_EQ(r.elements.size(), english.elements.size());
        EXPECT_EQ(r.elements[0].title, c.vaar);
        EXPECT_EQ(r.name, english.name);
        for (std::size_t i = 0; i < r.details.size(); ++i) {
            EXPECT_FALSE(HasLatinWord(r.details[i].caption)) << r.details[i].caption;
            if (english.details[i].value == "New Delhi") EXPECT_EQ(r.details[i].value, "New Delhi");
            if (english.details[i].caption == "Time Zone") EXPECT_EQ(r.details[i].value, c.zoneEcho);
        }
        for (std::size_t s = 0; s < r.elements.size(); ++s) {
            const ReportSection& section = r.elements[s];
            EXPECT_FALSE(HasLatinWord(section.title)) << section.title;
            for (const ReportField& field : section.values) {
                EXPECT_FALSE(HasLatinWord(field.caption)) << field.caption;
            }
            for (std::size_t p = 0; p < section.paragraphs.size(); ++p) {
                // Whole, or the English whole: never English words with
                // translated names among them.
                const std::string& text = section.paragraphs[p].text;
                const std::string& source = english.elements[s].paragraphs[p].text;
                EXPECT_TRUE(text == source || !HasLatinWord(text)) << text;
            }
        }
        // The nakshatra by its table.
        const std::string nakshatra = english.elements[1].values[0].value;
        EXPECT_EQ(r.elements[1].values[0].value, LocalName(NameTable::Nakshatra, nakshatra, c.language));
    }
}
