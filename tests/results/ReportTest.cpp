#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shared/Version.h"

#include <map>
#include <string>
#include <vector>

#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "results/Report.h"

using namespace velmora;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::size_t Columns(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Every value the report carries, by the text it holds, with how often.
std::map<std::string, int> ValuesOf(const Report& r) {
    std::map<std::string, int> values;
    ++values[r.name];
    for (const auto& f : r.details) ++values[f.value];
    ++values[r.ayanamsa.value];
    for (const auto& s : r.elements) {
        for (const auto& f : s.values) ++values[f.value];
        if (!s.span.caption.empty()) ++values[s.span.value];
        for (const auto& p : s.paragraphs) ++values[p.text];
        for (const auto& f : s.below) ++values[f.value];
    }
    return values;
}

}  // namespace

TEST(Report, CarriesEveryShownValueOnceAndNothingElseFromThePage) {
    // Each control holds a text of its own; the report must show each exactly
    // once, so a value left out or shown twice (or the wrong control) shows.
    ResultsPage page;
    for (const ResultsControl& control : ResultsControls()) {
        page.*(control.text) = "value of " + std::string(control.name);
    }
    BirthRecord birth;
    const Report r = BuildReport(page, birth);
    const auto values = ValuesOf(r);
    for (const ResultsControl& control : ResultsControls()) {
        const auto found = values.find("value of " + std::string(control.name));
        ASSERT_NE(found, values.end()) << control.name;
        EXPECT_EQ(found->second, 1) << control.name;
    }
    // Besides the page: the zone and daylight saving of the run.
    EXPECT_EQ(values.size(), ResultsControls().size() + 2);

    std::vector<std::string> titles;
    for (const auto& s : r.elements) titles.push_back(s.title);
    EXPECT_THAT(titles, ::testing::ElementsAre("Vaar", "Nakshatra", "Tithi", "Yoga", "Karna"));
    EXPECT_EQ(r.footer, "Velmora v" VELMORA_VERSION);
    // Only the elements with a span carry one.
    EXPECT_TRUE(r.elements[0].span.caption.empty());
    EXPECT_EQ(r.elements[4].span.value, "value of lblKarnaTime");
}

TEST(Report, ZoneAndDaylightSavingOfTheRun) {
    BirthRecord b;
    EXPECT_EQ(ZoneEchoText(b), "GMT");
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.LonIsEast = true;
    EXPECT_EQ(ZoneEchoText(b), "5:30 ahead of GMT");
    b.ZoneMinutes = 0;
    b.LonIsEast = false;
    EXPECT_EQ(ZoneEchoText(b), "5:00 behind GMT");
    b.ZoneHours = 0;
    b.ZoneMinutes = 45;  // minutes alone still have a direction
    EXPECT_EQ(ZoneEchoText(b), "0:45 behind GMT");

    CalculationState state;
    ResultsPage page;
    InputForm form = Delhi1987();
    form.chkDST = 2;  // greyed counts as ticked, as in the calculation
    ASSERT_FALSE(RunCalculation(form, state, page).has_value());
    const Report r = BuildReport(page, state.birth);
    EXPECT_EQ(r.details[7].caption, "Time Zone");
    EXPECT_EQ(r.details[7].value, "5:30 ahead of GMT");
    EXPECT_EQ(r.details[8].caption, "Daylight Saving");
    EXPECT_EQ(r.details[8].value, "Yes");
}

TEST(ReportPlainText, TheWorkedExample) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    const std::string text = ReportPlainText(BuildReport(page, state.birth));
    const auto lines = Lines(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Panchang for ASHA");
    EXPECT_EQ(lines.back(), "Velmora v" VELMORA_VERSION);
    EXPECT_EQ(text.back(), '\n');
    for (const char* line : {"Your Details", "  Name                      ASHA",
                             "  Date of Query             August/15/1987",
                             "  Ayanamsa                  -23\u00B0 41' 5\"",
                             "  Time Zone                 5:30 ahead of GMT", "  Daylight Saving           No",
                             "  Alternate Name            Shani Vara", "  Nakshatra                 Bharani",
                             "  Tithi                     Saptami", "  About Your Yoga", "Karna"}) {
        EXPECT_THAT(lines, ::testing::Contains(std::string(line))) << text;
    }
    // The spans exactly as the window shows them, doubled blanks included.
    for (const std::string* span : {&page.lblTithiTime, &page.lblYogaTime, &page.lblKarnaTime}) {
        EXPECT_NE(text.find("  Time                      " + *span + "\n"), std::string::npos) << *span;
    }
    for (const auto& line : lines) {
        EXPECT_LE(Columns(line), 78u) << line;
        EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
}

// The nakshatra's rows come after its text, in the tab's order; the line
// about the short series only when there is one.
TEST(ReportPlainText, NakshatraRowsBelowItsText) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    std::string text = ReportPlainText(BuildReport(page, state.birth));
    const std::string rows = "  Time                      15.08.1987 07:58  to 16.08.1987 08:57\n"
                             "  Pada                      1\n"
                             "  Syllable                  Li\n"
                             "  Pada Time                 15.08.1987 07:58  to 15.08.1987 14:09\n"
                             "  Moon Sign                 Mesha (Aries)\n"
                             "  Moon Sign Time            14.08.1987 07:45  to 16.08.1987 15:19\n"
                             "  Sun Sign                  Karka (Cancer)\n"
                             "\nTithi\n";
    const auto at = text.find(rows);
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_LT(text.find("About Your Nakshatra"), at);
    EXPECT_EQ(text.find("Note"), std::string::npos);

    page.lblNakshatraNote = "Times for Bharani: the short lunar series still gives Ashwini, which the full lunar "
                            "theory left at 15.08.1987 07:58.";
    text = ReportPlainText(BuildReport(page, state.birth));
    EXPECT_NE(text.find("  Time                      15.08.1987 07:58  to 16.08.1987 08:57\n"
                        "  Note                      Times for Bharani: the short lunar series still\n"
                        "                            gives Ashwini, which the full lunar theory left at\n"
                        "                            15.08.1987 07:58.\n"
                        "  Pada                      1\n"),
              std::string::npos)
        << text;
}

TEST(ReportPlainText, LongValuesWrapUnderTheirColumnAndNothingIsLost) {
    Report r;
    r.kicker = "Panchang";
    r.name = "ASHA";
    r.details = {{"City", "Very long city name that keeps going and going well past the edge of the line"},
                 {"A caption longer than its column", "value"},
                 {"State", std::string(100, 'x')}};
    r.elements = {{"Vaar", {}, {}, {{"About Your Vaar", "First line.\r\nSecond  line  with  blanks."}}}};
    const std::string text = ReportPlainText(r);
    const auto lines = Lines(text);
    EXPECT_THAT(lines, ::testing::Contains(
                           "  City                      Very long city name that keeps going and going"));
    EXPECT_THAT(lines, ::testing::Contains("                            well past the edge of the line"));
    EXPECT_THAT(lines, ::testing::Contains("  A caption longer than its column"));
    EXPECT_THAT(lines, ::testing::Contains("                            value"));
    // A word longer than the line is kept whole.
    EXPECT_THAT(lines, ::testing::Contains("  State                     " + std::string(100, 'x')));
    EXPECT_THAT(lines, ::testing::Contains("    First line."));
    EXPECT_THAT(lines, ::testing::Contains("    Second  line  with  blanks."));
}

TEST(DefaultReportFileName, FromTheNameAndTheDate) {
    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    EXPECT_EQ(DefaultReportFileName(page, state.birth), "Panchang-ASHA-1987-08-15.pdf");

    page.lblName = "../Asha  Rao/.\\*";
    EXPECT_EQ(DefaultReportFileName(page, state.birth), "Panchang-Asha-Rao-1987-08-15.pdf");
    page.lblName = "  ";
    EXPECT_EQ(DefaultReportFileName(page, state.birth), "Panchang-1987-08-15.pdf");
    page.lblName = "\u0906\u0936\u093E";  // kept as typed
    EXPECT_EQ(DefaultReportFileName(page, state.birth), "Panchang-\u0906\u0936\u093E-1987-08-15.pdf");
    // A long name is cut at a character boundary.
    page.lblName.clear();
    for (int i = 0; i < 30; ++i) page.lblName += "\u0906";  // three bytes each
    const std::string file = DefaultReportFileName(page, state.birth);
    EXPECT_LE(file.size(), 80u);
    EXPECT_EQ((file.size() - std::string("Panchang--1987-08-15.pdf").size()) % 3, 0u) << file;

    // Before any run there is no date to offer.
    EXPECT_EQ(DefaultReportFileName(ResultsPage{}, BirthRecord{}), "Panchang-LblName.pdf");
}
