// Timings of the place look-up: what one keystroke in City costs the window,
// the first look-up of a process (the index mapped), the first offer of the
// input window, making the index, and the zone on a date.
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

// The first look-up of a process: the places' index (made by an earlier
// process) mapped and checked, then one name found.
void BM_PlaceDirectoryFirstFind(benchmark::State& bench) {
    (void)GeonamesDirectory().Find({"Kolkata", "", ""}, 1);  // the index made, as by an earlier run
    for (auto _ : bench) {
        const GeonamesDirectory directory;
        benchmark::DoNotOptimize(directory.Find({"Kolkata", "", ""}, AllPlaces));
    }
}
BENCHMARK(BM_PlaceDirectoryFirstFind)->Unit(benchmark::kMillisecond);

// The input window's first offer: a fresh directory (as at the first key
// typed in City) asked for the places beginning with one letter.
void BM_PlaceFirstCompletion(benchmark::State& bench) {
    (void)GeonamesDirectory().Find({"P", "", ""}, 1);
    const char* letters[] = {"P", "K", "S", "M"};
    int i = 0;
    for (auto _ : bench) {
        const GeonamesDirectory directory;
        benchmark::DoNotOptimize(directory.Find({letters[i++ % 4], "", ""}, 25));
    }
}
BENCHMARK(BM_PlaceFirstCompletion)->Unit(benchmark::kMillisecond);

// Making the index from the library, as the first look-up on a machine (or
// after the data changed) does: every city read, folded and written down.
void BM_PlaceIndexMade(benchmark::State& bench) {
    for (auto _ : bench) {
        const GeonamesDirectory directory("");
        benchmark::DoNotOptimize(directory.Find({"Kolkata", "", ""}, AllPlaces));
    }
}
BENCHMARK(BM_PlaceIndexMade)->Unit(benchmark::kMillisecond);
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
