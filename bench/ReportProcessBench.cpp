#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "JsonLinesInput.h"
#include "ToolProcess.h"

// The report tool as shipped, timed as a whole process: start, Qt's set-up and
// option parsing, reading 5,000 JSON lines from a file, calculating, writing
// every answer, exit. A library benchmark alone once hid an 8-fold slowdown of
// the real program, so this case runs the built binary itself ($VELMORA_REPORT
// names another one, e.g. build/velmora-report). The second case runs the same
// binary with the C library's AVX paths switched off; the first must be no
// slower.
namespace {

constexpr int kLines = 5000;

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

void RunProcess(benchmark::State& bm, const std::string& extraEnv) {
    const std::string exe = velmora::bench::ReportToolExecutable();
    InputFile();
    double cpuSeconds = 0;
    for (auto _ : bm) {
        if (velmora::bench::RunToolOnce({exe, "--jsonl", InputFile()}, extraEnv, /*quiet=*/false, cpuSeconds) != 0) {
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
