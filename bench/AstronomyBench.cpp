// Timings of the panchang theories and one span search, and the floor a
// bit-exact evaluation of the theories cannot go below: the sines themselves.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "astronomy/Calendar.h"
#include "astronomy/Moon.h"
#include "astronomy/Sun.h"
#include "astronomy/TransitionSearch.h"

using namespace velmora;

namespace {

// Moments spread over 1901-2050 so that no one set of arguments is timed alone.
constexpr double kFirstJde = 2415385.5;
constexpr double kSpanDays = 54787.0;
constexpr int kMoments = 1024;

double MomentNumber(int i) { return kFirstJde + kSpanDays * (i % kMoments) / kMoments + 0.37 * (i % 7); }

void BM_MoonLongitude(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(MoonLongitude(MomentNumber(i++)));
    }
}
BENCHMARK(BM_MoonLongitude);

void BM_SunLongitude(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(SunLongitude(MomentNumber(i++)));
    }
}
BENCHMARK(BM_SunLongitude);

// The tithi span of a moment: the search the report runs twice (tithi, karana).
void BM_ElongationPeriodText(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) {
        const SunMoon at = SunMoonAt(MomentNumber(i++));
        const double elongation =
            (at.moon.longitude < at.sun.longitude ? at.moon.longitude + 360 : at.moon.longitude) - at.sun.longitude;
        const int tithi = static_cast<int>(elongation / 12);
        benchmark::DoNotOptimize(ElongationPeriodText(at, tithi, 5.5, 12));
    }
}
BENCHMARK(BM_ElongationPeriodText);

// 2,770 independent std::sin calls on arguments spread over 0..9,000 radians:
// about as many sines and cosines as one whole calculation made before the
// Sun and Moon were evaluated once per moment. A whole calculation is
// reported against this floor.
void BM_TrigFloor(benchmark::State& bench) {
    constexpr int kCalls = 2770;
    std::vector<double> arguments(kCalls);
    for (int i = 0; i < kCalls; ++i) arguments[static_cast<std::size_t>(i)] = 9000.0 * (i * 0.618033988749895 - std::floor(i * 0.618033988749895));
    for (auto _ : bench) {
        double sum = 0;
        for (const double x : arguments) sum += std::sin(x);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TrigFloor);

}  // namespace
