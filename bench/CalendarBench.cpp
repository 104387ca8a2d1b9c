// The month calendar: one month's grid from choosing the month to the cells
// filled (every day's sunrise, elements, month and observances), on a fixed
// zone and on the time-zone database's clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "calendar/CalendarDays.h"
#include "places/lookup/ZoneClock.h"

using namespace velmora;

namespace {

const Observer kPune{18.51957, 73.85535, 0};

void BM_MonthGrid(benchmark::State& bench) {
    const FixedZone india(5.5);
    int month = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(BuildMonthGrid(2026, month % 12 + 1, kPune, india));
        ++month;
    }
}
BENCHMARK(BM_MonthGrid)->Unit(benchmark::kMillisecond);

void BM_MonthGridZoneClock(benchmark::State& bench) {
    const std::unique_ptr<DayZone> zone = ZoneClock("Asia/Kolkata");
    int month = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(BuildMonthGrid(2026, month % 12 + 1, kPune, *zone));
        ++month;
    }
}
BENCHMARK(BM_MonthGridZoneClock)->Unit(benchmark::kMillisecond);

}  // namespace
