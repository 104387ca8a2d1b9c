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

// The nakshatra's three spans (pada, mansion, sign) of a moment, as the
// calculation searches them from the Sun and Moon it has already evaluated.
// `evaluations` is the mean number of extra Moons per calculation over moments
// spread across 1901-2050, the count BM_TrigFloorWithSpans is built on.
void BM_SiderealMoonSpans(benchmark::State& bench) {
    constexpr int kSpread = 1024;
    std::vector<SunMoon> moments;
    std::vector<double> ayanamsas;
    for (int i = 0; i < kSpread; ++i) {
        moments.push_back(SunMoonAt(MomentNumber(i)));
        ayanamsas.push_back(NegativeAyanamsa(moments.back().jde));
    }
    long evaluations = 0;
    long spans = 0;
    std::size_t i = 0;
    for (auto _ : bench) {
        SiderealMoonSpans moon(moments[i], ayanamsas[i]);
        const double lon = moon.Longitude();
        const int pada = static_cast<int>(lon / PadaDegrees) % PadasPerTurn;
        benchmark::DoNotOptimize(moon.Moments(pada, 1));
        benchmark::DoNotOptimize(moon.Moments(pada / PadasPerMansion, PadasPerMansion));
        benchmark::DoNotOptimize(moon.Moments(pada / PadasPerSign, PadasPerSign));
        evaluations += moon.Evaluations();
        ++spans;
        i = (i + 1) % kSpread;
    }
    bench.counters["evaluations"] = static_cast<double>(evaluations) / static_cast<double>(spans);
}
BENCHMARK(BM_SiderealMoonSpans);

// The floor of the work a whole calculation does now: BM_TrigFloor's 2,770
// sines plus those of the Moons the nakshatra's spans evaluate. Counted from
// the code (src/astronomy/Moon.cpp, Sun.cpp, TransitionSearch.cpp), one extra
// Moon in SiderealMoonSpans::Boundary costs
//   MoonLongitude, motion deferred: 11 long-period sines and cosines
//     + 93 main + 27 supplementary + 8 additive terms         = 139
//   NutationInLongitude at the new moment: 13 terms             =  13
//   MoonDailyMotion, summed when the search steps on from it
//     (every evaluated Moon is stepped from: the last step is
//     taken without evaluating where it lands): 30 cosines       =  30
//                                                                 = 182
// The ayanamsa is held at the query moment's value (computed once, as
// before), and the query moment's motion is already summed. The mean is 6.3
// extra Moons a calculation (BM_SiderealMoonSpans' `evaluations` counter over
// 1901-2050), so 6.3 × 182 = 1,147 more: 3,917 calls. The floor stays where it
// was set; since the spans share their Moons the counter reads 5.3, and the
// tithi's, karana's and yoga's ends skip the evaluation that only confirmed
// them, so a calculation now makes about 2,970 calls (scripts/count-trig).
void BM_TrigFloorWithSpans(benchmark::State& bench) {
    constexpr int kCalls = 2770 + 1147;
    std::vector<double> arguments(kCalls);
    for (int i = 0; i < kCalls; ++i) arguments[static_cast<std::size_t>(i)] = 9000.0 * (i * 0.618033988749895 - std::floor(i * 0.618033988749895));
    for (auto _ : bench) {
        double sum = 0;
        for (const double x : arguments) sum += std::sin(x);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TrigFloorWithSpans);

}  // namespace
