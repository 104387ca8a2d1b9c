#pragma once

// Reads a PDF back with poppler's command-line tools (pdftotext, pdfinfo), as
// a reader's program would: the tests check the real file, not our own idea
// of it.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace velmora::test {

// Standard output of a shell command (its arguments are test-made paths).
inline std::string CommandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The text of every page in the order it was drawn; pages end with a form
// feed.
inline std::string PdfText(const std::string& path) {
    return CommandOutput("pdftotext -raw -enc UTF-8 '" + path + "' - 2>/dev/null");
}

// The number of pages, or -1 when the file is not a PDF poppler can read.
inline int PdfPages(const std::string& path) {
    const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
    const auto at = info.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::stoi(info.substr(at + 6));
}

// The page size in points ("595.276 x 841.89 pts (A4)").
inline std::string PdfPageSize(const std::string& path) {
    const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
    const auto at = info.find("Page size:");
    if (at == std::string::npos) return {};
    const auto end = info.find('\n', at);
    std::string size = info.substr(at + 10, end - at - 10);
    return size.substr(size.find_first_not_of(' '));
}

// The text without blanks or line breaks: a PDF's text comes back with its
// own line breaks (inside a long word, too) and spacing.
inline std::string Squeezed(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\f' && c != '\t' && c != '\r') out += c;
    }
    return out;
}

}  // namespace velmora::test
