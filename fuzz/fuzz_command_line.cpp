// Feeds arbitrary bytes, split at NUL bytes into arguments, to the report
// tool's command line and the form it fills. Any answer is fine; a crash, leak,
// hang or UB report is a finding, and so is a message over more than one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "report/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    const auto parsed = velmora::ParseCommandLine(args);
    if (const auto* wrong = std::get_if<std::string>(&parsed)) {
        if (wrong->empty() || wrong->find('\n') != std::string::npos) std::abort();
        return 0;
    }
    velmora::InputForm form;
    if (const auto wrong = velmora::FormFromOptions(std::get<velmora::CommandLine>(parsed).options, form)) {
        if (wrong->find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
