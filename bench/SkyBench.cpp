#include <benchmark/benchmark.h>

#include "astronomy/ApparentSun.h"
#include "astronomy/Eclipses.h"
#include "day/LunarMonth.h"

// The solar calendar's Sun and the eclipses: one apparent sidereal Sun, the
// twelve sankrantis of a year, and the eclipses of a year at one place (the
// search over its 25 new and full moons with the local circumstances).
namespace {

void BM_LahiriSunLongitude(benchmark::State& bm) {
    double jd = 2461041.5;
    for (auto _ : bm) {
        benchmark::DoNotOptimize(velmora::LahiriSunLongitude(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_LahiriSunLongitude);

void BM_SankrantisOfAYear(benchmark::State& bm) {
    for (auto _ : bm) benchmark::DoNotOptimize(velmora::SankrantisBetween(2461041.5, 2461406.5));
}
BENCHMARK(BM_SankrantisOfAYear)->Unit(benchmark::kMicrosecond);

void BM_EclipsesOfAYear(benchmark::State& bm) {
    const velmora::Observer delhi{28.6139, 77.2090, 216};
    for (auto _ : bm) benchmark::DoNotOptimize(velmora::EclipsesBetween(2461041.5, 2461406.5, delhi));
}
BENCHMARK(BM_EclipsesOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
