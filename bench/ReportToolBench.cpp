#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "JsonLinesInput.h"
#include "report/ReportSession.h"

// The report tool's JSON Lines loop over 10,000 birth records in one session,
// in memory: reading, checking, calculating and writing every line. The whole
// process as shipped is timed in ReportProcessBench.cpp.
namespace {

void BM_ReportJsonLines10000(benchmark::State& bm) {
    const std::string input = VariedJsonLines(10000);
    for (auto _ : bm) {
        std::istringstream in(input);
        std::ostringstream out;
        velmora::Session session;
        const int status = velmora::RunJsonLines(in, out, session).status;
        if (status != 0) bm.SkipWithError("a line was answered with an error");
        benchmark::DoNotOptimize(out.str().size());
    }
    bm.SetItemsProcessed(bm.iterations() * 10000);
}
BENCHMARK(BM_ReportJsonLines10000)->Unit(benchmark::kMillisecond);

}  // namespace
