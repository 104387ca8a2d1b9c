// Timings of the panchang theories and one span search. Each search step
// evaluates the Sun and the Moon once, so these figures bound a whole report.
#include <benchmark/benchmark.h>

#include "panchang/Calendar.h"
#include "panchang/Moon.h"
#include "panchang/Sun.h"
#include "panchang/TransitionSearch.h"

using namespace velmora;

namespace {

// Moments spread over 1901-2050 so that no one set of arguments is timed alone.
constexpr double kFirstJde = 2415385.5;
constexpr double kSpanDays = 54787.0;
constexpr int kMoments = 1024;

double MomentNumber(int i) { return kFirstJde + kSpanDays * (i % kMoments) / kMoments + 0.37 * (i % 7); }

void BM_MoonLongitude(benchmark::State& bench) {
    CalculationState state;
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(MoonLongitude(state, MomentNumber(i++)));
    }
}
BENCHMARK(BM_MoonLongitude);

void BM_SunLongitude(benchmark::State& bench) {
    CalculationState state;
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(SunLongitude(state, MomentNumber(i++)));
    }
}
BENCHMARK(BM_SunLongitude);

// The tithi span of a moment: the search the report runs twice (tithi, karana).
void BM_ElongationPeriodText(benchmark::State& bench) {
    CalculationState state;
    int i = 0;
    for (auto _ : bench) {
        const double jde = MomentNumber(i++);
        const double sun = SunLongitude(state, jde);
        const double moon = MoonLongitude(state, jde);
        const double elongation = (moon < sun ? moon + 360 : moon) - sun;
        const int tithi = static_cast<int>(elongation / 12);
        benchmark::DoNotOptimize(ElongationPeriodText(state, jde, tithi, 5.5, 12));
    }
}
BENCHMARK(BM_ElongationPeriodText);

}  // namespace
