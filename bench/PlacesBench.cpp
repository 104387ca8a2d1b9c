// Timings of the place look-up: what one keystroke in City costs the window,
// the one-time reading of the gazetteer, and the zone on a date.
#include <benchmark/benchmark.h>

#include "places/lookup/ZoneOnDate.h"

#if VELMORA_HAVE_GEONAMES
#include "places/lookup/GeonamesDirectory.h"
#endif

using namespace velmora;

namespace {

#if VELMORA_HAVE_GEONAMES
// The offer for a few letters typed, as the completer asks for it.
void BM_PlaceCompletion(benchmark::State& bench) {
    const GeonamesDirectory directory;
    const PlaceQuery typed[] = {{"Spring", "", ""}, {"Kol", "", ""}, {"Sao Pa", "", ""}, {"New Y", "", ""}};
    (void)directory.Find(typed[0], 1);  // the names are read on the first look-up
    int i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(directory.Find(typed[i++ % 4], 25));
    }
}
BENCHMARK(BM_PlaceCompletion)->Unit(benchmark::kMicrosecond);

// The first look-up of a process: every name read and folded.
void BM_PlaceDirectoryFirstFind(benchmark::State& bench) {
    for (auto _ : bench) {
        const GeonamesDirectory directory;
        benchmark::DoNotOptimize(directory.Find({"Kolkata", "", ""}, AllPlaces));
    }
}
BENCHMARK(BM_PlaceDirectoryFirstFind)->Unit(benchmark::kMillisecond);
#endif

void BM_ClockOnLocalDate(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) {
        const LocalMoment moment{1901 + i % 150, 1 + i % 12, 1 + i % 28, 12, 0};
        benchmark::DoNotOptimize(ClockOnLocalDate("America/New_York", moment));
        ++i;
    }
}
BENCHMARK(BM_ClockOnLocalDate)->Unit(benchmark::kMicrosecond);

}  // namespace
