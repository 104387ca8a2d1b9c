#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ToolProcess.h"
#include "astronomy/Calendar.h"
#include "day/HinduDay.h"
#include "shared/VectorState.h"

// The Hindu day: one whole day in the library (sunrise, sunset, next
// sunrise, the night before, moonrise and moonset, every element with its
// span, kalams and muhurtas, lunar month, sankranti), and a year of days
// through the report tool as a whole process (start to exit, 365 days of
// JSON), typed coordinates and zone or --place with the time-zone database.
namespace {

void BM_Day(benchmark::State& bm) {
    velmora::ClearUpperVectorState();
    const velmora::FixedZone ist(5.5);
    const velmora::Observer pune{18.5196, 73.8554, 0};
    int i = 0;
    for (auto _ : bm) {
        // Every date of 2026 in turn (days past a month's end roll over).
        velmora::CalendarMoment date;
        velmora::CalendarFromJulianDay(2461041.5 + (i++ % 365) + 0.25, date);
        auto day = velmora::ComputeHinduDay(static_cast<int>(date.year), static_cast<int>(date.month),
                                            static_cast<int>(date.day), pune, ist);
        benchmark::DoNotOptimize(day);
    }
    bm.SetItemsProcessed(bm.iterations());
}
BENCHMARK(BM_Day)->Unit(benchmark::kMicrosecond);

void RunYear(benchmark::State& bm, std::vector<std::string> place) {
    std::vector<std::string> args = {velmora::bench::ReportToolExecutable(), "--day", "2026-01-01", "--days", "365", "--json"};
    args.insert(args.end(), place.begin(), place.end());
    double cpuSeconds = 0;
    for (auto _ : bm) {
        if (velmora::bench::RunToolOnce(args, "", /*quiet=*/true, cpuSeconds) != 0) {
            bm.SkipWithError("the report tool failed");
            break;
        }
    }
    bm.SetItemsProcessed(bm.iterations() * 365);
    // On a shared machine the wall clock includes waiting for a core.
    if (bm.iterations() > 0) bm.counters["cpu-ms/year"] = cpuSeconds * 1000 / static_cast<double>(bm.iterations());
}

void BM_DayYearProcess(benchmark::State& bm) { RunYear(bm, {"--lat", "18:31N", "--lon", "73:51E", "--zone", "5:30"}); }
void BM_DayYearProcessPlace(benchmark::State& bm) { RunYear(bm, {"--place", "Pune"}); }

BENCHMARK(BM_DayYearProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_DayYearProcessPlace)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
