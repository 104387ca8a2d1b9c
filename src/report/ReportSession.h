#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "chart/Chart.h"
#include "input/InputForm.h"
#include "input/Refusal.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// The JSON Lines session of velmora-report. One session is one run of the
// program: a single calculation state carries from line to line, exactly as it
// does between two calculations in the window, while every line fills a fresh
// results page (the window is created afresh for each calculation).
namespace velmora {

// The input form a line describes, or the text of what is wrong with the line.
// Keys are input control names; a missing key keeps the fresh window's value.
// Text boxes take strings; lists take the text of one of their entries;
// optLat "North"/"South"; optLong "East"/"West"; chkDST the number 0, 1 or 2.
std::variant<InputForm, std::string> FormFromJsonLine(std::string_view line);

// The output lines, without the line end.
std::string ResultsLine(const ResultsPage& page);  // {"results":{…}} in window order
std::string RefusedLine(const Refusal& refusal);   // {"refused":{"message":…,"focus":…|null}}
std::string ErrorLine(std::string_view what);      // {"error":…}
// {"results":{…},"chart":{…}}: the results line with the chart of its
// moment, or "chart":null when the moment has none.
std::string ResultsWithChartLine(const ResultsPage& page, const std::optional<BirthChart>& chart);

class Session {
public:
    // Answers one input line (given without its line end, a trailing carriage
    // return is allowed) with exactly one output line. Any bytes are accepted.
    std::string ProcessLine(std::string_view line);

    // Answers a line that could not be taken at all (too long, say) with an
    // error line saying `what`.
    std::string RejectLine(std::string_view what);

    // True once any line was answered with an error.
    bool HadError() const { return hadError_; }

    CalculationState& State() { return state_; }

    // Each results line also carries the birth chart of its moment:
    // {"results":{…},"chart":{…}} (report/ChartJson.h). Off by default, so
    // that the lines stay byte for byte what they were.
    void AddChart(NodeKind node) { chart_ = node; }

private:
    CalculationState state_;
    bool hadError_ = false;
    std::optional<NodeKind> chart_;
};

// The same as session.ProcessLine(line); the entry point for fuzzing.
std::string ProcessLine(Session& session, std::string_view line);

// The longest input line taken, in bytes without the line end. A real form is
// well under 1 KB; a longer line is answered with an error without being held
// in memory, and the session goes on with the next line.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

struct JsonLinesEnd {
    int status = 0;       // 0 every line was read, 1 a line was an error, 3 reading or writing failed
    std::string failure;  // what failed to be read or written, for standard error
};

// Reads JSON Lines from `in` until its end and writes one line to `out` for
// each. Output is flushed whenever no more input is waiting, so a program at
// the other end of a pipe gets each answer before it sends the next line. A
// failure to read `in` (named `inputName` in the message) or to write `out`
// (a full disk, a closed pipe) ends the run at once.
JsonLinesEnd RunJsonLines(std::istream& in, std::ostream& out, Session& session,
                          std::string_view inputName = "standard input");

}  // namespace velmora
