// velmora-report --month: below the table, the month as a wall almanac prints
// it, a week a row of seven boxes. Each box is read back whole (its lines
// joined) and held to the moments of the Swiss Ephemeris (swetest: elongation
// Moon − Sun for the tithis and the moon's phases, -rise for moonrise, -sid1
// for the sidereal Sun), on India's clock (UT + 5:30), at Pune.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "RunReportTool.h"
#include "names/TextColumns.h"

namespace velmora {
namespace {

using test::RunReportTool;
using test::ToolRun;

struct Grid {
    std::map<int, std::string> boxes;  // date → the box's lines joined by blanks
    std::vector<std::string> lines;    // every line of the grid
};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The grid below the table: a rule, the weekdays, a rule, then each week's
// lines up to its rule.
Grid ReadGrid(const std::string& out) {
    Grid grid;
    std::istringstream in(out);
    std::vector<std::vector<std::string>> week;  // per column, its lines
    int rules = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || (line[0] != '+' && line[0] != '|')) continue;
        grid.lines.push_back(line);
        if (line[0] == '+') {
            ++rules;
            for (const std::vector<std::string>& column : week) {
                if (column.empty()) continue;
                std::string text;
                for (std::size_t i = 1; i < column.size(); ++i) text += (text.empty() ? "" : " ") + column[i];
                grid.boxes[std::stoi(column[0])] = text;
            }
            week.assign(7, {});
            continue;
        }
        if (rules < 2) continue;  // the weekdays' row
        std::size_t column = 0;
        std::size_t at = 1;
        while (column < 7 && at < line.size()) {
            const std::size_t next = line.find('|', at);
            if (next == std::string::npos) break;
            const std::string cell = Trimmed(line.substr(at, next - at));
            if (!cell.empty()) week[column].push_back(cell);
            at = next + 1;
            ++column;
        }
    }
    return grid;
}

TEST(MonthGridText, PuneMay2026AgainstTheEphemeris) {
    const ToolRun run = RunReportTool("--month 2026-05 --lat 18:31N --lon 73:51E --zone 5:30");
    ASSERT_EQ(run.status, 0) << run.err;
    const Grid grid = ReadGrid(run.out);
    ASSERT_EQ(grid.boxes.size(), 31u) << run.out;
    for (int day = 1; day <= 31; ++day) EXPECT_EQ(grid.boxes.count(day), 1u) << day;

    struct Case {
        int day;
        const char* pattern;  // within the box's text; a minute or two of the ephemeris
        const char* source;
    };
    const Case cases[] = {
        // Elongation 72° at 00:55:04 UT: Shashti ends 06:25 IST; 84° at
        // 23:45 UT the same day, before the next sunrise: Saptami is kshaya.
        {22, "Shukla Shashti till 06:2[3-7]", "swetest elongation 72°"},
        {22, "then Shukla Saptami \\(kshaya\\)", "swetest elongation 72°..84°"},
        // Moonrise 05:56:37 UT at Pune.
        {22, "\u263D\u219111:(2[5-9])", "swetest -rise -p1"},
        // New moon 16 May 20:01:03 UT: 01:31 on the 17th, in the 16th's box.
        {16, "New moon 17 May 01:(29|3[0-3])", "swetest elongation 0°"},
        // It begins Adhika Jyeshtha, whose first sunrise is the 17th's.
        {17, "\u00BB Adhika Jyeshtha begins", "swetest: no sankranti 17 May–15 June"},
        // Full moon 31 May 08:45:15 UT.
        {31, "Full moon 14:1[3-7]", "swetest elongation 180°"},
        // The sidereal Sun at 30°: 15 May 00:52:02 UT.
        {15, "Vrishabha Sankranti 06:2[0-4]", "swetest -sid1"},
    };
    for (const Case& c : cases) {
        const std::string& box = grid.boxes.at(c.day);
        EXPECT_TRUE(std::regex_search(box, std::regex(c.pattern))) << c.source << "\n" << c.day << ": " << box;
    }
    // One kshaya tithi or two in a month; one lunar month begins.
    int kshaya = 0;
    int begins = 0;
    for (const auto& [day, box] : grid.boxes) {
        kshaya += box.find("(kshaya)") != std::string::npos ? 1 : 0;
        begins += box.find("\u00BB ") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(kshaya, 1);
    EXPECT_LE(kshaya, 2);
    EXPECT_EQ(begins, 1);
    // The boxes line up, and nothing is cut short.
    for (const std::string& line : grid.lines) {
        EXPECT_EQ(DisplayColumns(line), DisplayColumns(grid.lines.front())) << line;
        EXPECT_EQ(line.find("\u2026"), std::string::npos) << line;
    }
    // The table above is as it was: one line a date.
    std::istringstream lines(run.out);
    int dated = 0;
    for (std::string line; std::getline(lines, line);) dated += line.rfind("2026-05-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(dated, 31);
}

TEST(MonthGridText, HindiAndTamilBoxesInTheirOwnWords) {
    struct Case {
        const char* lang;
        const char* kshaya;  // the 22nd's kshaya tithi
        const char* begins;  // the 17th's mark
        const char* moon;    // the 16th's new moon, after midnight
    };
    const Case cases[] = {
        {"hi", "फिर शुक्ल सप्तमी (क्षय)", "आरम्भ", "मई 01:"},
        {"ta", "(க்ஷய)", "தொடக்கம்", "மே 01:"},
    };
    for (const Case& c : cases) {
        const ToolRun run =
            RunReportTool(std::string("--month 2026-05 --lat 18:31N --lon 73:51E --zone 5:30 --lang ") + c.lang);
        ASSERT_EQ(run.status, 0) << run.err;
        const Grid grid = ReadGrid(run.out);
        ASSERT_EQ(grid.boxes.size(), 31u) << c.lang;
        EXPECT_NE(grid.boxes.at(22).find(c.kshaya), std::string::npos) << c.lang << ": " << grid.boxes.at(22);
        EXPECT_NE(grid.boxes.at(17).find(c.begins), std::string::npos) << c.lang << ": " << grid.boxes.at(17);
        EXPECT_NE(grid.boxes.at(16).find(c.moon), std::string::npos) << c.lang << ": " << grid.boxes.at(16);
        // No English word left in the boxes (digits and the marks aside).
        static const std::regex latinWord("[A-Za-z]{3,}");
        for (const auto& [day, box] : grid.boxes) {
            EXPECT_FALSE(std::regex_search(box, latinWord)) << c.lang << " " << day << ": " << box;
        }
    }
}

}  // namespace
}  // namespace velmora
