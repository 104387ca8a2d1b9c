#include <benchmark/benchmark.h>

#include "WorkedExamples.h"
#include "chart/Chart.h"
#include "input/CalculationDriver.h"
#include "input/InputForm.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// The birth chart on top of a calculation: the nine grahas, the lagna, the
// navamsas and the dasha of the run's birth record (what the Chart tab and
// --chart add), alone and after the whole calculation.
namespace {

void BM_Chart(benchmark::State& bm) {
    velmora::CalculationState state;
    velmora::ResultsPage page;
    velmora::RunCalculation(velmora::Delhi1987(), state, page);
    for (auto _ : bm) {
        auto chart = velmora::ChartOf(state.birth, velmora::NodeKind::Mean);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_Chart);

void BM_ChartTrueNode(benchmark::State& bm) {
    velmora::CalculationState state;
    velmora::ResultsPage page;
    velmora::RunCalculation(velmora::Delhi1987(), state, page);
    for (auto _ : bm) {
        auto chart = velmora::ChartOf(state.birth, velmora::NodeKind::True);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ChartTrueNode);

void BM_FullCalculationWithChart(benchmark::State& bm) {
    const velmora::InputForm form = velmora::Delhi1987();
    velmora::CalculationState state;
    for (auto _ : bm) {
        velmora::ResultsPage page;
        auto refusal = velmora::RunCalculation(form, state, page);
        auto chart = velmora::ChartOf(state.birth, velmora::NodeKind::Mean);
        benchmark::DoNotOptimize(refusal);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_FullCalculationWithChart);

}  // namespace
