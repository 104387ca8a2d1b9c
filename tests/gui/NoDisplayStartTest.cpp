// The desktop program started where there is no display: it says so and how
// to go on, and ends with status 1, instead of Qt's SIGABRT.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

struct Start {
    int status = -1;  // the exit status; -1 when it did not end normally (a signal)
    std::string err;
};

Start StartWithout(const std::string& environment, const std::string& arguments = "") {
    Start s;
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment + " '" +
                                VELMORA_EXE + "' " + arguments + " 2>&1 >/dev/null </dev/null";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[1024];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) s.err.append(buffer, n);
        const int status = ::pclose(pipe);
        s.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return s;
}

TEST(NoDisplayStart, SaysThereIsNoDisplayAndHowToGoOn) {
    struct Case {
        std::string environment;
        std::string arguments;
        std::string said;
    };
    const Case cases[] = {
        {"", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {"QT_QPA_PLATFORM=xcb", "", "DISPLAY is not set"},
        {"QT_QPA_PLATFORM=wayland", "", "WAYLAND_DISPLAY is not set"},
        {"QT_QPA_PLATFORM=wayland-egl", "", "WAYLAND_DISPLAY is not set"},
        {"WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb", "", "DISPLAY is not set"},
        {"DISPLAY=:99 QT_QPA_PLATFORM=wayland", "", "WAYLAND_DISPLAY is not set"},
        {"", "-platform xcb", "DISPLAY is not set"},
        {"QT_QPA_PLATFORM=offscreen", "-platform xcb:nomitshm", "DISPLAY is not set"},
        {"DISPLAY=", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment + " " + c.arguments);
        const Start s = StartWithout(c.environment, c.arguments);
        EXPECT_EQ(s.status, 1) << s.err;
        EXPECT_NE(s.err.find("velmora: there is no display here (" + c.said + ")"), std::string::npos) << s.err;
        EXPECT_NE(s.err.find("xvfb-run -a velmora"), std::string::npos) << s.err;
        EXPECT_NE(s.err.find("velmora-report --help"), std::string::npos) << s.err;
        EXPECT_EQ(s.err.find("Reinstalling"), std::string::npos) << s.err;
    }
    // --version and --help need no display.
    EXPECT_EQ(StartWithout("", "--version").status, 0);
    EXPECT_EQ(StartWithout("", "--help").status, 0);
}

}  // namespace
