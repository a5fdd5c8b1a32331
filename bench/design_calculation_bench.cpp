// Time of a whole run: calculation, results record and result texts.

#include "calc/design_calculation.h"
#include "calc/result_texts.h"

#include <benchmark/benchmark.h>

namespace ostrelta {
namespace {

TDesign_input Worked_example()
{
    TDesign_input input;
    input.U_supply = 310;
    input.U_rise_pct = 20;
    input.B_sat = 0.38f;
    input.mu_eff = 2000;
    input.F_kHz = 50;
    input.U_load = {50, 25, 10, 6, 40};
    input.I_load = {3, 1, 1, 0.5f, 0.3f};
    input.D_outer = 40;
    input.d_inner = 25;
    input.h_height = 11;
    return input;
}

// A balance far above the start: the search spends every pass and falls back.
TDesign_input Search_out_of_reach()
{
    TDesign_input input = Worked_example();
    input.D_outer = input.d_inner = input.h_height = 0;
    input.S_window = 100;
    input.S_core = 100;
    input.l_mean = 5;
    input.F_kHz = 500;
    input.B_sat = 1;
    return input;
}

void Run_with_texts(benchmark::State& state, const TDesign_input& input, TCore_entry_mode mode)
{
    for (auto _ : state) {
        TCalculation_outcome outcome = Run_design_calculation(input, TConverter_topology::Bridge_floor, mode);
        TResult_texts texts = Result_texts(outcome.results, ",");
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(texts);
    }
}

void BM_worked_example(benchmark::State& state)
{
    Run_with_texts(state, Worked_example(), TCore_entry_mode::Toroidal);
}
BENCHMARK(BM_worked_example)->Unit(benchmark::kMicrosecond);

void BM_search_spends_every_pass(benchmark::State& state)
{
    Run_with_texts(state, Search_out_of_reach(), TCore_entry_mode::Manual);
}
BENCHMARK(BM_search_spends_every_pass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ostrelta
