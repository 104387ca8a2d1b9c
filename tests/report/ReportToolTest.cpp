#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "input/CalculationDriver.h"
#include "report/FriendlyReport.h"

using namespace velmora;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs the built tool through the shell (arguments are fixed test texts).
Outcome RunTool(const std::string& arguments) {
    Outcome o;
    const std::string command = std::string("'") + VELMORA_REPORT_EXE + "' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return o;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) o.out.append(buffer, n);
    const int status = pclose(pipe);
    o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return o;
}

std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

int CountLines(const std::string& text) {
    int n = 0;
    for (const char c : text) n += c == '\n';
    return n;
}

const std::string kDelhi =
    R"({"txtName":"ASHA","cboMonth":"August","cboDate":"15","cboYear":"1987","cboHH":"10","cboMM":"30",)"
    R"("txtLatD":"28","txtLatM":"36","txtLonD":"77","txtLonM":"13","txtZoneHour":"5","txtZoneMinute":"30"})";

}  // namespace

TEST(ReportTool, JsonLinesFromAFile) {
    const auto path = WriteFile("good.jsonl", kDelhi + "\n{}\n" + kDelhi + "\n");
    const auto o = RunTool("--jsonl '" + path + "'");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(CountLines(o.out), 3);
    EXPECT_NE(o.out.find("\"lblNakshatra\":\"Bharani\""), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("{\"refused\":{\"message\":\"Please Enter Name\",\"focus\":\"txtName\"}}\n"),
              std::string::npos);
}

TEST(ReportTool, ErrorLineSetsTheExitStatusAndTheSessionGoesOn) {
    const auto path = WriteFile("bad.jsonl", kDelhi + "\n{\"txtName\":1}\n\xFF\xFE\n" + kDelhi + "\n");
    const auto o = RunTool("--jsonl < '" + path + "'");
    EXPECT_EQ(o.status, 1);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = o.out.find('\n'); end != std::string::npos; end = o.out.find('\n', start)) {
        lines.push_back(o.out.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 4u) << o.out;
    EXPECT_EQ(lines[0].rfind("{\"results\":", 0), 0u);
    EXPECT_EQ(lines[1].rfind("{\"error\":", 0), 0u);
    EXPECT_EQ(lines[2].rfind("{\"error\":", 0), 0u);
    EXPECT_EQ(lines[3], lines[0]);
}

TEST(ReportTool, FriendlyModeAndHelp) {
    auto o = RunTool(
        "--name ASHA --date 1987-08-15 --time 10:30 --city 'New Delhi' --lat 28:36N --lon 77:13E --zone 5:30");
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("Bharani"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("August/15/1987"), std::string::npos);
    EXPECT_NE(o.out.find("-23\u00B0 41' 5\""), std::string::npos);

    o = RunTool("--date 1987-08-15 --lat 28:36N --lon 77:13E");  // no name: refused
    EXPECT_EQ(o.status, 1);
    o = RunTool("--name A --date 1850-01-01");
    EXPECT_EQ(o.status, 1);

    o = RunTool("--help");
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("--jsonl"), std::string::npos);
    EXPECT_NE(o.out.find("Example"), std::string::npos);
}

TEST(FriendlyOptions, FillTheFormAsTyped) {
    FriendlyOptions o;
    o.name = "ASHA";
    o.date = "1984-03-05";
    o.time = "07:05";
    o.lat = "28:36s";
    o.lon = "77:12W";
    o.zone = "-5:30";
    o.dst = true;
    InputForm f;
    ASSERT_EQ(FormFromOptions(o, f), std::nullopt);
    EXPECT_EQ(MonthText(f), "March");
    EXPECT_EQ(DateText(f), "5");
    EXPECT_EQ(YearText(f), "1984");
    EXPECT_EQ(HourText(f), "7");
    EXPECT_EQ(MinuteText(f), "5");
    EXPECT_EQ(f.txtLatD, "28");
    EXPECT_EQ(f.txtLatM, "36");
    EXPECT_EQ(f.optLat, 1);
    EXPECT_EQ(f.txtLonD, "77");
    EXPECT_EQ(f.optLong, 1);
    EXPECT_EQ(f.txtZoneHour, "-5");
    EXPECT_EQ(f.txtZoneMinute, "30");
    EXPECT_EQ(f.chkDST, 1);

    FriendlyOptions parts;
    parts.day = "31";
    parts.month = "December";
    parts.year = "2050";
    parts.lat = "10N";
    InputForm g;
    ASSERT_EQ(FormFromOptions(parts, g), std::nullopt);
    EXPECT_EQ(DateText(g), "31");
    EXPECT_EQ(MonthText(g), "December");
    EXPECT_EQ(g.txtLatM, "0");
    parts.month = "12";
    ASSERT_EQ(FormFromOptions(parts, g), std::nullopt);
    EXPECT_EQ(MonthText(g), "December");
}

TEST(FriendlyOptions, ValuesTheListsDoNotOfferAreErrors) {
    const char* dates[] = {"1900-12-31", "2051-01-01", "1987-13-01", "1987-00-10", "1987-08-32", "1987/08/15", "x"};
    for (const char* d : dates) {
        FriendlyOptions o;
        o.date = d;
        InputForm f;
        EXPECT_NE(FormFromOptions(o, f), std::nullopt) << d;
    }
    const char* times[] = {"24:00", "10:60", "10", "ab:cd", "1:2:3"};
    for (const char* t : times) {
        FriendlyOptions o;
        o.time = t;
        InputForm f;
        EXPECT_NE(FormFromOptions(o, f), std::nullopt) << t;
    }
}

TEST(FriendlyReport, ReadableText) {
    ResultsPage page;
    page.lblName = "ASHA";
    page.txtMoreAboutNakshatra = std::string(100, 'x') + " " + "short words here";
    const std::string text = ReadableReport(page);
    for (const char* heading : {"Your Details\n", "\nVaar\n", "\nNakshatra\n", "\nTithi\n", "\nYoga\n", "\nKarna\n"}) {
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    }
    EXPECT_NE(text.find("  Name                      ASHA\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    short words here\n"), std::string::npos) << text;
}
