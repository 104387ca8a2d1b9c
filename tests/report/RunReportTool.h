#pragma once

// Runs the built velmora-report through the shell, as a user would, for the
// tests of the tool's own behaviour: exit status, standard output and
// standard error. The arguments are fixed test texts.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace velmora::test {

struct ToolRun {
    int status = -1;  // the exit status, -1 when the tool did not end normally
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// `environment` goes before the tool as `env` arguments ("-u DISPLAY",
// "QT_QPA_PLATFORM=xcb"); standard error goes to a file of its own, so tests
// run side by side by ctest do not share one.
inline ToolRun RunReportTool(const std::string& arguments, const std::string& environment = "") {
    ToolRun r;
    char errName[] = "/tmp/velmora-report-stderr-XXXXXX";
    const int fd = mkstemp(errName);
    if (fd < 0) return r;
    close(fd);
    const std::string command =
        "env " + environment + " '" + VELMORA_REPORT_EXE + "' " + arguments + " 2>'" + errName + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
        const int status = pclose(pipe);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.err = ReadWholeFile(errName);
    }
    std::remove(errName);
    return r;
}

}  // namespace velmora::test
