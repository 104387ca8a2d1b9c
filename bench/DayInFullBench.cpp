#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ToolProcess.h"
#include "astronomy/Calendar.h"
#include "day/DayInFull.h"
#include "shared/VectorState.h"

// The day in full: the good hours, the year's names and the solar dates of a
// day already computed (the library), and, side by side in one run, a year of
// days through the report tool (BM_DayYearProcess, which now carries all of
// this) and through the JavaScript panchang library under Node for the same
// 365 dates (BM_PanchangamJsYear; skipped unless VELMORA_PANCHANGAM_JS names
// the scratch folder the npm package was installed in).
namespace {

std::vector<velmora::HinduDay> Year2026() {
    const velmora::FixedZone ist(5.5);
    const velmora::Observer pune{18.5196, 73.8554, 0};
    std::vector<velmora::HinduDay> days;
    for (int i = 0; i < 365; ++i) {
        velmora::CalendarMoment date;
        velmora::CalendarFromJulianDay(2461041.5 + i + 0.25, date);
        if (auto day = velmora::ComputeHinduDay(static_cast<int>(date.year), static_cast<int>(date.month),
                                                static_cast<int>(date.day), pune, ist)) {
            days.push_back(*day);
        }
    }
    return days;
}

void BM_DayInFull(benchmark::State& bm) {
    velmora::ClearUpperVectorState();
    const velmora::FixedZone ist(5.5);
    const std::vector<velmora::HinduDay> days = Year2026();
    velmora::SolarMonthCache solar(days.front().place, ist);
    std::size_t i = 0;
    for (auto _ : bm) {
        auto full = velmora::ComputeDayInFull(days[i++ % days.size()], ist, &solar);
        benchmark::DoNotOptimize(full);
    }
    bm.SetItemsProcessed(bm.iterations());
}
BENCHMARK(BM_DayInFull)->Unit(benchmark::kMicrosecond);

void BM_PanchangamJsYear(benchmark::State& bm) {
    const char* folder = std::getenv("VELMORA_PANCHANGAM_JS");
    if (!folder || !*folder) {
        bm.SkipWithError("set VELMORA_PANCHANGAM_JS to the folder holding node_modules/@ishubhamx/panchangam-js");
        return;
    }
    const std::vector<std::string> args = {"/usr/bin/node", std::string(VELMORA_SOURCE_DIR) + "/bench/node/panchangam-js-year.js"};
    const std::string nodePath = std::string("NODE_PATH=") + folder + "/node_modules";
    double cpuSeconds = 0;
    for (auto _ : bm) {
        if (velmora::bench::RunToolOnce(args, nodePath, /*quiet=*/true, cpuSeconds) != 0) {
            bm.SkipWithError("node or the package failed");
            break;
        }
    }
    bm.SetItemsProcessed(bm.iterations() * 365);
    if (bm.iterations() > 0) bm.counters["cpu-ms/year"] = cpuSeconds * 1000 / static_cast<double>(bm.iterations());
}
BENCHMARK(BM_PanchangamJsYear)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
