// Feeds arbitrary bytes, split into lines, to one JSON Lines session of the
// report tool. Every line must be answered by exactly one line holding one JSON
// object; anything else (or a crash, leak, hang or UB report) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report/ReportSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    velmora::Session session;
    std::size_t start = 0;
    while (start <= input.size()) {
        const auto end = input.find('\n', start);
        const auto line = input.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        const std::string out = velmora::ProcessLine(session, line);
        if (out.empty() || out.front() != '{' || out.back() != '}' || out.find('\n') != std::string::npos) {
            std::abort();
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return 0;
}
