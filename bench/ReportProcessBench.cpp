#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "JsonLinesInput.h"

// The report tool as shipped, timed as a whole process: start, Qt's set-up and
// option parsing, reading 5,000 JSON lines from a file, calculating, writing
// every answer, exit. A library benchmark alone once hid an 8-fold slowdown of
// the real program, so this case runs the built binary itself ($VELMORA_REPORT
// names another one, e.g. build/velmora-report). The second case runs the same
// binary with the C library's AVX paths switched off; the first must be no
// slower.
namespace {

constexpr int kLines = 5000;

extern "C" char** environ;

const std::string& InputFile() {
    static const std::string path = [] {
        std::string p = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
        p += "/velmora-bench-" + std::to_string(::getpid()) + ".jsonl";
        std::ofstream(p, std::ios::binary) << VariedJsonLines(kLines);
        std::atexit([] { std::remove(InputFile().c_str()); });
        return p;
    }();
    return path;
}

std::string Executable() {
    const char* chosen = std::getenv("VELMORA_REPORT");
    return chosen && *chosen ? chosen : VELMORA_REPORT_EXE;
}

// Runs `exe --jsonl FILE > /dev/null` with `extraEnv` added; returns the exit
// status, or -1 when it could not run, and adds the child's processor time
// (user and system, seconds) to `cpuSeconds`.
int RunOnce(const std::string& exe, const std::string& extraEnv, double& cpuSeconds) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    if (!extraEnv.empty()) env.push_back(extraEnv);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string a0 = exe, a1 = "--jsonl", a2 = InputFile();
    char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid) return -1;
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunProcess(benchmark::State& bm, const std::string& extraEnv) {
    const std::string exe = Executable();
    InputFile();
    double cpuSeconds = 0;
    for (auto _ : bm) {
        if (RunOnce(exe, extraEnv, cpuSeconds) != 0) {
            bm.SkipWithError("the report tool did not answer every line");
            break;
        }
    }
    bm.SetItemsProcessed(bm.iterations() * kLines);
    bm.counters["lines/s"] = benchmark::Counter(static_cast<double>(bm.iterations() * kLines),
                                                benchmark::Counter::kIsRate);
    // On a shared machine the wall clock includes waiting for a core; the
    // child's own processor time does not.
    if (cpuSeconds > 0) {
        bm.counters["lines/cpu-s"] = static_cast<double>(bm.iterations() * kLines) / cpuSeconds;
    }
}

void BM_ReportProcess5000(benchmark::State& bm) { RunProcess(bm, ""); }
void BM_ReportProcess5000AvxOff(benchmark::State& bm) {
    RunProcess(bm, "GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA,-AVX,-AVX512F");
}

BENCHMARK(BM_ReportProcess5000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ReportProcess5000AvxOff)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
