#include <benchmark/benchmark.h>

#include "WorkedExamples.h"
#include "input/CalculationDriver.h"
#include "input/InputForm.h"
#include "results/ResultsPage.h"
#include "shared/CalculationState.h"

// One press of the calculate button, form to filled results page: the input
// check, the engine, the panchang with its three span searches and the echo.
// Each iteration fills a fresh page, as each results window starts fresh; the
// state carries over as it does in a session.
namespace {

void BM_FullCalculation(benchmark::State& bm) {
    const velmora::InputForm form = velmora::Delhi1987();
    velmora::CalculationState state;
    for (auto _ : bm) {
        velmora::ResultsPage page;
        auto refusal = velmora::RunCalculation(form, state, page);
        benchmark::DoNotOptimize(refusal);
        benchmark::DoNotOptimize(page.lblKarnaTime.data());
    }
}
BENCHMARK(BM_FullCalculation);

// The same over a spread of dates and hours across 1901..2050, so a span
// search that converges slowly for some moments shows up in the mean.
void BM_FullCalculationSpread(benchmark::State& bm) {
    velmora::InputForm form = velmora::Delhi1987();
    velmora::CalculationState state;
    int i = 0;
    for (auto _ : bm) {
        form.cboYear = (i * 37) % 150;
        form.cboMonth = (i * 5) % 12;
        form.cboDate = (i * 11) % 28;
        form.cboHH = (i * 7) % 24;
        form.cboMM = (i * 13) % 60;
        ++i;
        velmora::ResultsPage page;
        auto refusal = velmora::RunCalculation(form, state, page);
        benchmark::DoNotOptimize(refusal);
        benchmark::DoNotOptimize(page.lblKarnaTime.data());
    }
}
BENCHMARK(BM_FullCalculationSpread);

}  // namespace
