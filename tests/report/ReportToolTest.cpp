#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "input/CalculationDriver.h"
#include "report/CommandLine.h"
#include "report/FriendlyReport.h"
#include "report/RunReportTool.h"

using namespace velmora;

namespace {

using Outcome = velmora::test::ToolRun;
using velmora::test::ReadWholeFile;

Outcome RunTool(const std::string& arguments) { return velmora::test::RunReportTool(arguments); }

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

    o = RunTool("--date 1987-08-15 --lat 28:36N --lon 77:13E");  // no name: the window refuses
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "velmora-report: Please Enter Name\n");
    o = RunTool("--name A --date 1850-01-01");  // not a value the window offers: usage
    EXPECT_EQ(o.status, 2);

    o = RunTool("--help");
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("--jsonl"), std::string::npos);
    EXPECT_NE(o.out.find("Example"), std::string::npos);
    for (const auto& option : FriendlyOptionTable()) {
        EXPECT_NE(o.out.find("--" + std::string(option.name)), std::string::npos) << option.name;
    }

    o = RunTool("");  // nothing to do: the usage, as a usage error
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("Usage: velmora-report"), std::string::npos);
}

TEST(ReportTool, AWrongOptionEndsWithOneLineAndStatusTwo) {
    for (const char* arguments : {"--date=--", "--date 1987--15", "--zone abc", "--lat 28.5N", "--bogus",
                                  "--name A --name B", "--jsonl --name A", "stray-file", "--time"}) {
        const auto o = RunTool(arguments);
        EXPECT_EQ(o.status, 2) << arguments;
        EXPECT_EQ(o.out, "") << arguments;
        EXPECT_EQ(o.err.rfind("velmora-report: ", 0), 0u) << arguments << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << arguments << ": " << o.err;
    }
    EXPECT_EQ(RunTool("--date 1987--15").err,
              "velmora-report: --date \"1987--15\": expected a real date from 1901-01-01 to 2050-12-31 "
              "written YYYY-MM-DD\n");
}

TEST(ReportTool, AFailedWriteEndsWithAMessage) {
    const auto path = WriteFile("write.jsonl", kDelhi + "\n" + kDelhi + "\n");
    auto o = RunTool("--jsonl '" + path + "' >/dev/full");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "velmora-report: cannot write the output: No space left on device\n");
    o = RunTool("--name ASHA --date 1987-08-15 --lat 28:36N --lon 77:13E --zone 5:30 >/dev/full");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "velmora-report: cannot write the output: No space left on device\n");
    o = RunTool("--help >/dev/full");
    EXPECT_EQ(o.status, 3);
}

TEST(ReportTool, AClosedPipeEndsTheRunWithAMessage) {
    // Many lines in, from a FILE and from standard input, and the reader
    // closes its end after the first bytes.
    std::string many;
    for (int i = 0; i < 2000; ++i) many += kDelhi + "\n";
    const auto path = WriteFile("many.jsonl", many);
    for (const bool fromStdin : {false, true}) {
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const std::string errPath =
            ::testing::TempDir() + "report-pipe-stderr-" + std::to_string(::getpid()) + ".txt";
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            if (!std::freopen(errPath.c_str(), "w", stderr)) ::_exit(100);
            if (fromStdin) {
                if (!std::freopen(path.c_str(), "r", stdin)) ::_exit(102);
                ::execl(VELMORA_REPORT_EXE, VELMORA_REPORT_EXE, "--jsonl", static_cast<char*>(nullptr));
            } else {
                ::execl(VELMORA_REPORT_EXE, VELMORA_REPORT_EXE, "--jsonl", path.c_str(), static_cast<char*>(nullptr));
            }
            ::_exit(101);
        }
        ::close(out[1]);
        char first[16];
        EXPECT_GT(::read(out[0], first, sizeof first), 0);
        ::close(out[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 3) << fromStdin;
        EXPECT_EQ(ReadWholeFile(errPath), "velmora-report: cannot write the output: Broken pipe\n") << fromStdin;
    }
}

TEST(ReportTool, AFolderOrAMissingFileIsAnErrorWithItsName) {
    auto o = RunTool("--jsonl '" + ::testing::TempDir() + "'");
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find(::testing::TempDir()), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("is a folder"), std::string::npos) << o.err;
    o = RunTool("--jsonl /nonexistent/forms.jsonl");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "velmora-report: cannot read /nonexistent/forms.jsonl: No such file or directory\n");
}

TEST(ReportTool, AnOverLongLineIsAnsweredAndTheNextIsRead) {
    const auto path = WriteFile("long.jsonl", "{\"txtName\":\"" + std::string(5 << 20, 'A') + "\"}\n" + kDelhi + "\n");
    const auto o = RunTool("--jsonl '" + path + "'");
    EXPECT_EQ(o.status, 1);
    ASSERT_EQ(CountLines(o.out), 2) << o.out.substr(0, 300);
    EXPECT_EQ(o.out.rfind("{\"error\":\"line longer than 1048576 bytes", 0), 0u) << o.out.substr(0, 300);
    EXPECT_NE(o.out.find("\"lblNakshatra\":\"Bharani\""), std::string::npos);
}

namespace {

// The form that the arguments give, or the line saying what is wrong.
std::variant<InputForm, std::string> FormFromArguments(std::vector<std::string> args) {
    auto parsed = ParseCommandLine(args);
    if (auto* wrong = std::get_if<std::string>(&parsed)) return *wrong;
    InputForm form;
    if (auto wrong = FormFromOptions(std::get<CommandLine>(parsed).options, form)) return *wrong;
    return form;
}

}  // namespace

TEST(FriendlyOptions, FillTheFormAsTyped) {
    auto parsed = FormFromArguments({"--name", "asha Rao", "--date", "1984-03-05", "--time", "07:05", "--lat",
                                     "28:36s", "--lon=77:12W", "--zone", "5:30", "--dst", "--city", "Pune"});
    ASSERT_TRUE(std::holds_alternative<InputForm>(parsed)) << std::get<std::string>(parsed);
    const auto& f = std::get<InputForm>(parsed);
    EXPECT_EQ(f.txtName, "ASHA RAO");
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
    EXPECT_EQ(f.txtZoneHour, "5");
    EXPECT_EQ(f.txtZoneMinute, "30");
    EXPECT_EQ(f.chkDST, 1);
    EXPECT_EQ(f.txtMCity, "Pune");

    // The three date options; what is left out keeps the fresh window's value.
    parsed = FormFromArguments({"--day", "31", "--month", "december", "--year", "2050"});
    ASSERT_TRUE(std::holds_alternative<InputForm>(parsed));
    EXPECT_EQ(DateText(std::get<InputForm>(parsed)), "31");
    EXPECT_EQ(MonthText(std::get<InputForm>(parsed)), "December");
    parsed = FormFromArguments({"--month", "2", "--day", "29", "--year", "2000"});
    ASSERT_TRUE(std::holds_alternative<InputForm>(parsed));
    EXPECT_EQ(MonthText(std::get<InputForm>(parsed)), "February");
    parsed = FormFromArguments({"--day", "31"});
    ASSERT_TRUE(std::holds_alternative<InputForm>(parsed));
    EXPECT_EQ(YearText(std::get<InputForm>(parsed)), "1901");
    EXPECT_EQ(std::get<InputForm>(parsed).txtLatD, "");
}

TEST(FriendlyOptions, EveryWrongValueNamesItsOptionAndWhatIsExpected) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        // Dates: the form, the range, the calendar.
        {{"--date=--"}, "--date \"--\": expected a real date"},
        {{"--date", "1987--15"}, "--date \"1987--15\": expected"},
        {{"--date", "1987-8-15"}, "--date \"1987-8-15\": expected"},
        {{"--date", "1900-12-31"}, "--date \"1900-12-31\": expected"},
        {{"--date", "2051-01-01"}, "--date \"2051-01-01\": expected"},
        {{"--date", "1987-13-01"}, "--date \"1987-13-01\": expected"},
        {{"--date", "1987-04-31"}, "--date \"1987-04-31\": expected"},
        {{"--date", "1901-02-29"}, "--date \"1901-02-29\": expected"},
        {{"--day", "0"}, "--day \"0\": expected a day of the month, 1 to 31"},
        {{"--month", "13"}, "--month \"13\": expected a month"},
        {{"--month", "Augst"}, "--month \"Augst\": expected a month"},
        {{"--year", "87"}, "--year \"87\": expected a year from 1901 to 2050"},
        {{"--day", "30", "--month", "2", "--year", "2000"}, "--day 30: February 2000 has 29 days"},
        {{"--day", "31", "--month", "April"}, "--day 31: April 1901 has 30 days"},
        {{"--date", "1987-08-15", "--year", "1988"}, "--date cannot be combined with --day, --month or --year"},
        // Clock time.
        {{"--time", "24:00"}, "--time \"24:00\": expected a clock time HH:MM"},
        {{"--time", "10:60"}, "--time \"10:60\": expected"},
        {{"--time", "10"}, "--time \"10\": expected"},
        {{"--time", "10:5"}, "--time \"10:5\": expected"},
        // Coordinates: the window's ranges, the hemisphere letter, no fractions.
        {{"--lat", "28.5N"}, "--lat \"28.5N\": expected DEG:MIN followed by N or S"},
        {{"--lat", "28:36"}, "--lat \"28:36\": expected"},
        {{"--lat", "90:00N"}, "--lat \"90:00N\": expected"},
        {{"--lat", "28:60N"}, "--lat \"28:60N\": expected"},
        {{"--lat", "28:36E"}, "--lat \"28:36E\": expected"},
        {{"--lon", "180:00E"}, "--lon \"180:00E\": expected DEG:MIN followed by E or W, degrees 0 to 179"},
        {{"--lon", "-77:13E"}, "--lon \"-77:13E\": expected"},
        {{"--lon", "77:13"}, "--lon \"77:13\": expected"},
        // Zone.
        {{"--zone", "abc"}, "--zone \"abc\": expected H:MM"},
        {{"--zone", "5"}, "--zone \"5\": expected H:MM"},
        {{"--zone", "-5:30"}, "--zone \"-5:30\": expected H:MM"},
        {{"--zone", "15:00"}, "--zone \"15:00\": expected H:MM"},
        {{"--zone", "5:60"}, "--zone \"5:60\": expected H:MM"},
        // Name: what the Name box takes; place names on one line.
        {{"--name", "ASHA1"}, "--name \"ASHA1\": expected letters A-Z and blanks only"},
        {{"--name", "ASH\xC3\x81"}, "--name \"ASH\xC3\x81\": expected letters"},
        {{"--city", "New\nDelhi"}, "--city \"New\\nDelhi\": expected one line of text"},
        // The command line itself.
        {{"--bogus"}, "unknown option \"--bogus\""},
        {{"-x"}, "unknown option \"-x\""},
        {{"--date"}, "--date needs a value: YYYY-MM-DD"},
        {{"--dst=1"}, "--dst takes no value"},
        {{"--jsonl=forms.jsonl"}, "--jsonl takes no value"},
        {{"--jsonl", "--jsonl"}, "--jsonl is given twice"},
        {{"--help=all"}, "--help takes no value"},
        {{"--name", "A", "--name", "B"}, "--name is given twice"},
        {{"--jsonl", "--lat", "28:36N"}, "--lat belongs to the readable mode"},
        {{"--jsonl", "a.jsonl", "b.jsonl"}, "--jsonl reads one FILE at most"},
        {{"forms.jsonl"}, "a FILE (\"forms.jsonl\") is read only with --jsonl"},
    };
    for (const auto& c : cases) {
        const auto parsed = FormFromArguments(c.args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.says;
        const auto& wrong = std::get<std::string>(parsed);
        EXPECT_EQ(wrong.rfind(c.says, 0), 0u) << wrong;
        EXPECT_EQ(wrong.find('\n'), std::string::npos) << wrong;
    }
}

TEST(FriendlyOptions, AnOptionIsAValueOnlyWhenWrittenWithEquals) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--city", "--dst"}, {"--pdf", "--dst"}, {"--state", "--city=Pune"}, {"--name", "--help"},
             {"--country", "-h"}, {"--city", "--"}, {"--city", "--jsonl"}, {"--time", "--version"}}) {
        const auto parsed = FormFromArguments(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << args[0] << " " << args[1];
        EXPECT_EQ(std::get<std::string>(parsed).rfind(args[0] + " needs a value", 0), 0u) << std::get<std::string>(parsed);
    }
    // Written with "=", or a value that only looks like an option, it is taken.
    auto parsed = ParseCommandLine({"--city=--dst", "--state", "-", "--country", "--x"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << std::get<std::string>(parsed);
    const FriendlyOptions& o = std::get<CommandLine>(parsed).options;
    EXPECT_EQ(o.city, "--dst");
    EXPECT_FALSE(o.dst);
    EXPECT_EQ(o.state, "-");
    EXPECT_EQ(o.country, "--x");
}

TEST(FriendlyOptions, PlaceTextsRefuseWhatPlaceRefusesAndTheEchoIsEscapedAndShort) {
    const std::pair<const char*, const char*> refused[] = {
        {"Pune\xC2\x85", "\"Pune\\u0085\""},        // NEL, a C1 control
        {"Pune\xC2\x9B" "31m", "\"Pune\\u009B31m\""},  // CSI: a terminal would obey it
        {"Pune\x7F", "\"Pune\\u007F\""},
        {"Pune\xE2\x80\xA8", "\"Pune\\u2028\""},     // line separator
        {"Pune\xE2\x80\xA9", "\"Pune\\u2029\""},     // paragraph separator
        {"enuP\xE2\x80\xAE", "\"enuP\\u202E\""},     // right-to-left override
        {"\xE2\x81\xA6Pune", "\"\\u2066Pune\""},     // left-to-right isolate
        {"Pune\xFF", "\"Pune\\xFF\""},                // not UTF-8
    };
    for (const char* option : {"--city", "--state", "--country"}) {
        for (const auto& [value, echo] : refused) {
            const auto parsed = FormFromArguments({option, value});
            ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << option << " " << echo;
            EXPECT_EQ(std::get<std::string>(parsed).rfind(std::string(option) + " " + echo + ": expected one line", 0), 0u)
                << std::get<std::string>(parsed);
        }
    }
    // Through the tool: status 2, one short line, nothing raw on the terminal.
    const auto o = RunTool("--city \"$(printf 'Pune\\302\\233%0300d')\" --date 1987-08-15");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.find("\xC2\x9B"), std::string::npos) << o.err;
    EXPECT_LT(o.err.size(), 250u) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
    // Text in other scripts and the neighbours of the refused ranges are taken.
    for (const char* good : {"K\xC3\xB6ln", "\xE0\xA4\xA8\xE0\xA4\x88 \xE0\xA4\xA6\xE0\xA4\xBF\xE0\xA4\xB2\xE0\xA5\x8D\xE0\xA4\xB2\xE0\xA5\x80",
                             "a\xC2\xA0" "b", "\xE2\x80\xA7", "\xE2\x80\xAF", "\xE2\x81\xA5", "\xE2\x81\xAA"}) {
        EXPECT_TRUE(std::holds_alternative<InputForm>(FormFromArguments({"--city", good}))) << good;
    }
}

TEST(ReportTool, AFileNameInAMessageIsEscapedAndShort) {
    // An escape sequence and a C1 control in a file name that cannot be read:
    // shown escaped, never sent raw to the terminal.
    auto o = RunTool("--jsonl \"$(printf '/nonexistent/\\033[31mred\\302\\233')\"");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err.find('\x1B'), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("\xC2\x9B"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("\\u001B[31mred\\u009B"), std::string::npos) << o.err;
    // A name of 5,000 letters is cut.
    o = RunTool("--jsonl /nonexistent/" + std::string(5000, 'n'));
    EXPECT_EQ(o.status, 3);
    EXPECT_LT(o.err.size(), 500u);
    // An ordinary name reads as before.
    EXPECT_EQ(RunTool("--jsonl /nonexistent/forms.jsonl").err,
              "velmora-report: cannot read /nonexistent/forms.jsonl: No such file or directory\n");
}

TEST(ReportTool, AnEmptyJsonLinesFileNameIsAMistakeNotStandardInput) {
    const auto o = RunTool("--jsonl '' </dev/null");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("--jsonl: the FILE name is empty"), std::string::npos) << o.err;
    EXPECT_EQ(RunTool("--jsonl - </dev/null").status, 0);
}

TEST(FriendlyOptions, RangeEndsAndOtherGoodValuesPass) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--date", "1901-01-01"}, {"--date", "2050-12-31"}, {"--date", "2000-02-29"},
             {"--time", "0:00"}, {"--time", "23:59"}, {"--lat", "89:59N"}, {"--lat", "0:0s"},
             {"--lon", "179:59W"}, {"--lon", "0:00e"}, {"--zone", "0:00"}, {"--zone", "14:00"},
             {"--name", "  "}, {"--city", "Saint-\xC3\x89tienne"}, {"--month", "09"}}) {
        const auto parsed = FormFromArguments(args);
        EXPECT_TRUE(std::holds_alternative<InputForm>(parsed)) << args[0] << " " << args[1] << ": "
                                                               << std::get<std::string>(parsed);
    }
    auto parsed = ParseCommandLine({"--jsonl", "-"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    EXPECT_EQ(std::get<CommandLine>(parsed).mode, CommandLine::Mode::JsonLines);
    parsed = ParseCommandLine({"--name", "A", "--help", "--bogus"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    EXPECT_EQ(std::get<CommandLine>(parsed).mode, CommandLine::Mode::Help);
}

TEST(FriendlyReport, ReadableText) {
    ResultsPage page;
    page.lblName = "ASHA";
    page.txtMoreAboutNakshatra = std::string(100, 'x') + " " + "short words here";
    const std::string text = ReadableReport(page, BirthRecord{});
    for (const char* heading : {"Your Details\n", "\nVaar\n", "\nNakshatra\n", "\nTithi\n", "\nYoga\n", "\nKarna\n"}) {
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    }
    EXPECT_NE(text.find("  Name                      ASHA\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    short words here\n"), std::string::npos) << text;
}
