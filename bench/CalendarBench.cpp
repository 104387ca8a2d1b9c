// The month calendar: one month's grid from choosing the month to the cells
// filled (every day's sunrise, elements, month and observances), on a fixed
// zone and on the time-zone database's clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "calendar/CalendarDays.h"
#include "festivals/Festivals.h"
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

namespace {

const Observer kNewDelhi{28.6139, 77.2090, 0};

// The festivals of a year: the year's Hindu days (and three either side),
// then the rules over them.
void BM_FestivalsOfYear(benchmark::State& bench) {
    const FixedZone india(5.5);
    for (auto _ : bench) benchmark::DoNotOptimize(FestivalsOfYear(2026, kNewDelhi, india));
}
BENCHMARK(BM_FestivalsOfYear)->Unit(benchmark::kMillisecond);

// The rules alone, over a year of days computed once.
void BM_FestivalRulesOverAYear(benchmark::State& bench) {
    const FixedZone india(5.5);
    const std::vector<HinduDay> days = FestivalDaysOfYear(2026, kNewDelhi, india);
    for (auto _ : bench) benchmark::DoNotOptimize(FestivalsBetween(days, {2026, 1, 1}, {2026, 12, 31}, india));
}
BENCHMARK(BM_FestivalRulesOverAYear)->Unit(benchmark::kMillisecond);

}  // namespace
