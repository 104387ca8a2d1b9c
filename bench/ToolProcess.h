#pragma once

// Running the report tool as a whole process from a benchmark: the shipped
// binary started, fed and waited for, with the child's own processor time,
// which a shared machine's wall clock does not show.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern "C" char** environ;

namespace velmora::bench {

// The tool to time: $VELMORA_REPORT when set, else the one this build made.
inline std::string ReportToolExecutable() {
    const char* chosen = std::getenv("VELMORA_REPORT");
    return chosen && *chosen ? chosen : VELMORA_REPORT_EXE;
}

// Runs args[0] with args, standard output to /dev/null (and standard error
// too when `quiet`), `extraEnv` ("NAME=value") added to the environment when
// not empty. Returns the exit status, or -1 when it could not run, and adds
// the child's processor time (user and system, seconds) to `cpuSeconds`.
inline int RunToolOnce(std::vector<std::string> args, const std::string& extraEnv, bool quiet, double& cpuSeconds) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    if (!extraEnv.empty()) env.push_back(extraEnv);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid) return -1;
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace velmora::bench
