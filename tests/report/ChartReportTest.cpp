// The chart in the report tool: --chart beside the readable report, the
// "chart" object in --jsonl and --json lines (the results themselves byte for
// byte as without it), and the options that do not go together.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "RunReportTool.h"
#include "report/ReportSession.h"

namespace velmora {
namespace {

std::vector<std::string> GoldenForms() {
    std::ifstream in(std::string(VELMORA_TEST_DATA) + "/golden-forms.jsonl");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every golden form, with and without the chart, in two sessions side by
// side: a results line with the chart is the same line with one key added at
// its end; refusals and errors are untouched; the chart has the keys the
// tool promises.
TEST(ChartReport, JsonLinesWithTheChartAddOneKeyAndChangeNothingElse) {
    const std::vector<std::string> forms = GoldenForms();
    ASSERT_GE(forms.size(), 300u);
    Session plain, charted;
    charted.AddChart(NodeKind::Mean);
    int results = 0;
    for (const std::string& form : forms) {
        const std::string a = plain.ProcessLine(form);
        const std::string b = charted.ProcessLine(form);
        if (a.rfind("{\"results\":", 0) != 0) {
            EXPECT_EQ(a, b);
            continue;
        }
        ++results;
        ASSERT_EQ(b.compare(0, a.size() - 1, a, 0, a.size() - 1), 0) << form;
        ASSERT_EQ(b.compare(a.size() - 1, 9, ",\"chart\":"), 0) << form;
        const nlohmann::json chart = nlohmann::json::parse(b).at("chart");
        ASSERT_TRUE(chart.is_object()) << form;
        for (const char* key : {"lagna", "grahas", "navamsa", "dasha"}) EXPECT_TRUE(chart.contains(key)) << key;
        ASSERT_EQ(chart["grahas"].size(), 9u);
        for (const nlohmann::json& g : chart["grahas"]) {
            for (const char* key : {"name", "longitude", "sign", "degree", "nakshatra", "pada", "retrograde"}) {
                EXPECT_TRUE(g.contains(key)) << key;
            }
            EXPECT_GE(g["longitude"].get<double>(), 0);
            EXPECT_LT(g["longitude"].get<double>(), 360);
        }
        ASSERT_EQ(chart["dasha"].size(), 9u);
        for (const nlohmann::json& d : chart["dasha"]) {
            EXPECT_EQ(d["antardashas"].size(), 9u);
            EXPECT_EQ(d["antardashas"][0]["start"], d["start"]);
            EXPECT_EQ(d["antardashas"][8]["end"], d["end"]);
        }
        EXPECT_EQ(chart["navamsa"].size(), 10u);
    }
    EXPECT_GT(results, 200);
}

const std::string kExample =
    "--name ASHA --date 1987-08-15 --time 10:30 --city 'New Delhi' --state Delhi --country India "
    "--lat 28:36N --lon 77:13E --zone 5:30";

// The example's positions as swetest 2.10 gives them (Lahiri, 1987-08-15
// 05:00 UT, 28°36′ N 77°13′ E), to the arcminute: Sun 28°10′11.6″ Karka,
// Moon 14°41′52.4″ Mesha, Saturn 20°51′49.3″ Vrishchika, mean node
// 10°49′58.0″ Meena, ascendant 28°31′31.7″ Kanya.
TEST(ChartReport, ReadableChartOfTheExample) {
    const test::ToolRun plain = test::RunReportTool(kExample);
    const test::ToolRun run = test::RunReportTool(kExample + " --chart");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.compare(0, plain.out.size(), plain.out), 0);  // the report first, as it was
    const std::string chart = run.out.substr(plain.out.size());
    for (const char* row : {"  Lagna (As)   Kanya       28°31′", "  Sun (Su)     Karka       28°10′",
                            "  Moon (Mo)    Mesha       14°41′", "  Saturn (Sa)  Vrishchika  20°51′",
                            "  Rahu (Ra)    Meena       10°49′", "  Ketu (Ke)    Kanya       10°49′",
                            "Rahu: mean node", "a year of 365.25 days", "Balance at birth: Venus"}) {
        EXPECT_NE(chart.find(row), std::string::npos) << row << "\n" << chart;
    }
    EXPECT_NE(chart.find("Saturn (Sa)  Vrishchika  20°51′46″   Jyeshtha           2     Makara      retrograde"),
              std::string::npos);
    const test::ToolRun trueNode = test::RunReportTool(kExample + " --chart --node true");
    ASSERT_EQ(trueNode.status, 0);
    EXPECT_NE(trueNode.out.find("Rahu: true node"), std::string::npos);
}

TEST(ChartReport, JsonOfOneMomentAndOptionsThatDoNotGoTogether) {
    const test::ToolRun json = test::RunReportTool(kExample + " --chart --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json line = nlohmann::json::parse(json.out);
    EXPECT_EQ(line["results"]["lblName"], "ASHA");
    EXPECT_EQ(line["chart"]["grahas"][6]["name"], "Saturn");
    EXPECT_EQ(line["chart"]["grahas"][6]["retrograde"], true);
    EXPECT_EQ(line["chart"]["node"], "mean");

    struct Case {
        std::string arguments;
        int status;
    };
    const Case cases[] = {
        {kExample + " --node true", 2},                                    // --node without --chart
        {kExample + " --chart --node middle", 2},                          // not a node
        {kExample + " --json", 2},                                         // --json alone stays the day's
        {"--day 2026-12-07 --place Delhi --chart", 2},                      // not with the Hindu day
        {"--jsonl --chart --name ASHA", 2},                                // the form comes from the lines
        {"--jsonl --node true /dev/null", 2},
        {"--jsonl --chart --node true /dev/null", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(test::RunReportTool(c.arguments).status, c.status) << c.arguments;
}

}  // namespace
}  // namespace velmora
