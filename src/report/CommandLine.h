#pragma once

#include <string>
#include <variant>
#include <vector>

#include "report/FriendlyReport.h"

// The command line of velmora-report, read strictly: an unknown option, a
// value that is not what its option expects, an option given twice or options
// of the two modes mixed end the program with one line saying so.
namespace velmora {

// The exit statuses of velmora-report.
enum ExitStatus : int {
    kExitResults = 0,   // results written (with --jsonl: every line was read)
    kExitRefused = 1,   // the window's refusal (with --jsonl: a line was an error)
    kExitUsage = 2,     // a wrong option or value
    kExitFailure = 3,   // reading or writing failed
};

struct CommandLine {
    enum class Mode { Readable, JsonLines, Help, Version, Day, Month, Year, Festivals };
    Mode mode = Mode::Readable;
    std::string file;  // --jsonl: the file to read; empty or "-" for standard input
    FriendlyOptions options;
};

// Reads the arguments that follow the program's name. Returns the command
// line, or one line saying which option or value is wrong and what is expected.
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string>& args);

// The text of --help, written from the option table.
std::string UsageText();

}  // namespace velmora
