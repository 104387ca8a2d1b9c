// The manual page of velmora-report, kept by hand, held to the tool's
// --help: the same options with the same values, the same examples, and what
// `man` shows can be pasted into a shell (plain ASCII minus signs and quotes,
// no words broken by hyphenation) and runs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "RunReportTool.h"
#include "places/lookup/SystemPlaces.h"
#include "report/CommandLine.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kPage = std::string(VELMORA_TEST_DATA) + "/../../packaging/velmora-report.1.in";

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

bool HaveMan() { return ::access("/usr/bin/man", X_OK) == 0; }

// The page as `man` shows it in a terminal `width` columns wide, as plain text.
std::string Rendered(int width = 100) {
    return Output("MANWIDTH=" + std::to_string(width) + " LC_ALL=C.UTF-8 MAN_KEEP_FORMATTING= man -l '" + kPage +
                  "' 2>/dev/null");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

// The indented block after `heading` (a line of its own) up to the next blank
// line, each line trimmed and joined: continued lines ("\" at the end) into one.
std::string BlockAfter(const std::vector<std::string>& lines, const std::string& heading) {
    std::string block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Trimmed(lines[i]) != heading) continue;
        std::size_t j = i + 1;
        while (j < lines.size() && Trimmed(lines[j]).empty()) ++j;
        for (; j < lines.size() && !Trimmed(lines[j]).empty(); ++j) {
            std::string line = Trimmed(lines[j]);
            if (!block.empty() && block.back() != ' ') block += ' ';
            if (line.size() >= 2 && line.compare(line.size() - 2, 2, " \\") == 0) line.resize(line.size() - 1);
            block += line;
        }
        return block;
    }
    return "";
}

TEST(ManualPage, ListsEveryOptionOfHelpWithItsValue) {
    if (!HaveMan()) GTEST_SKIP() << "no man";
    const std::vector<std::string> page = Lines(Rendered());
    ASSERT_GT(page.size(), 100u);
    // The option headings of the page: lines indented 7 blanks that start with "-".
    std::set<std::string> headings;
    bool inOptions = false;
    for (const std::string& line : page) {
        if (line == "OPTIONS") inOptions = true;
        else if (!line.empty() && line[0] != ' ') inOptions = false;
        if (inOptions && line.rfind("       -", 0) == 0 && line.size() > 7 && line[7] == '-') {
            // "--json With ..." : a short heading shares its line with the text.
            const std::string heading = line.substr(7);
            const auto gap = heading.find("  ");
            const auto text = heading.find(" With ");
            headings.insert(heading.substr(0, std::min(gap, text)));
        }
    }
    std::set<std::string> expected{"-h, --help", "-v, --version"};
    for (const FriendlyOption& option : FriendlyOptionTable()) {
        std::string heading = "--" + std::string(option.name);
        if (!option.valueName.empty()) heading += " " + std::string(option.valueName);
        expected.insert(heading);
        // --help lists the same, with the value written the same way.
        EXPECT_NE(UsageText().find("\n  " + heading + "  "), std::string::npos) << heading;
    }
    EXPECT_EQ(headings, expected);
}

TEST(ManualPage, RendersWithoutWarningsAndPastesAsPlainText) {
    if (!HaveMan()) GTEST_SKIP() << "no man";
    EXPECT_EQ(Output("LC_ALL=C.UTF-8 man --warnings -l '" + kPage + "' 2>&1 >/dev/null"), "");
    // In terminals of several widths (the words fall differently in each):
    // no hyphen (U+2010), minus sign (U+2212) or typographic apostrophe
    // (U+2019) where a reader copies, anywhere but the prose's quotation
    // marks, and no word broken at a line's end ("cbo-" then "Date").
    for (const int width : {72, 80, 100, 120, 160}) {
        SCOPED_TRACE(width);
        const std::string text = Rendered(width);
        ASSERT_GT(text.size(), 3000u);
        for (const char* typographic : {"\u2010", "\u2212", "\u2019", "\u2018", "\u00ad"}) {
            EXPECT_EQ(text.find(typographic), std::string::npos) << "a " << typographic << " in the page";
        }
        for (const std::string& line : Lines(text)) {
            EXPECT_FALSE(line.size() > 1 && line.back() == '-' &&
                         std::isalpha(static_cast<unsigned char>(line[line.size() - 2])))
                << line;
        }
    }
    const std::vector<std::string> page = Lines(Rendered());
    // The JSON example as --help gives it, byte for byte once joined.
    const std::string help = UsageText();
    const auto from = help.find("  {\"txtName\"");
    const auto to = help.find("}\n", from);
    ASSERT_NE(from, std::string::npos);
    std::string json;
    for (const std::string& line : Lines(help.substr(from, to + 1 - from))) json += Trimmed(line);
    std::string shown;
    for (const std::string& line : page) {
        if (Trimmed(line).rfind("{\"txtName\"", 0) == 0 || (!shown.empty() && shown.back() != '}')) {
            shown += Trimmed(line);
        }
    }
    EXPECT_EQ(shown, json);
    // The first example as --help gives it.
    const std::string example = BlockAfter(Lines(help), "Example:");
    EXPECT_EQ(BlockAfter(page, "The panchang of a birth, as text:"), example);
    EXPECT_NE(example.find("--zone 5:30"), std::string::npos) << example;
}

// Each example of the page, copied from what `man` shows, runs.
TEST(ManualPage, EveryExampleRuns) {
    if (!HaveMan()) GTEST_SKIP() << "no man";
    if (OpenPlaceDirectory() == nullptr) GTEST_SKIP() << "no gazetteer";
    const std::vector<std::string> page = Lines(Rendered());
    std::vector<std::string> commands;
    std::string pending;
    bool inExamples = false;
    for (const std::string& line : page) {
        if (!line.empty() && line[0] != ' ') inExamples = line == "EXAMPLES";
        if (!inExamples) continue;
        std::string command = Trimmed(line);
        if (!pending.empty()) {
            command = pending + command;
            pending.clear();
        } else if (command.rfind("velmora-report --", 0) != 0) {
            continue;
        }
        if (command.size() >= 2 && command.compare(command.size() - 2, 2, " \\") == 0) {
            pending = command.substr(0, command.size() - 1);
            continue;
        }
        commands.push_back(command);
    }
    ASSERT_EQ(commands.size(), 5u);
    const fs::path folder = fs::temp_directory_path() / ("velmora-manual-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        const std::string tool = std::string(VELMORA_REPORT_EXE);
        const std::string run = "cd '" + folder.string() + "' && QT_QPA_PLATFORM=offscreen '" + tool + "'" +
                                command.substr(std::string("velmora-report").size()) +
                                (command.find(">>") != std::string::npos ? " 2>err" : " >out 2>err") + "; echo $?";
        EXPECT_EQ(Output(run), "0\n") << test::ReadWholeFile((folder / "err").string());
    }
    EXPECT_TRUE(fs::is_regular_file(folder / "asha.pdf"));
    EXPECT_EQ(test::ReadWholeFile((folder / "pune-2026.ics").string()).rfind("BEGIN:VCALENDAR", 0), 0u);
    EXPECT_EQ(test::ReadWholeFile((folder / "log.txt").string()).rfind("BEGIN:VCALENDAR", 0), 0u);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace velmora
