// Time of a whole run: calculation, results record and result texts.

#include "calc/design_calculation.h"
#include "calc/result_texts.h"
#include "input/design_fields_reader.h"
#include "input/field_texts.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace ostrelta {
namespace {

// The worked example as a window fills it in and reads it.
TDesign_input Worked_example()
{
    return std::get<TValidated_design>(Read_design_fields(Example_field_texts("."), ".")).input;
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

// A 10 W load on a small core: the band is narrower than one step, and the
// trial power alternates between two neighbours until the passes are spent.
TDesign_input Search_alternates()
{
    TDesign_input input = Worked_example();
    input.D_outer = input.d_inner = input.h_height = 0;
    input.S_window = 0.12f;
    input.S_core = 0.1f;
    input.l_mean = 5;
    input.U_load = {10, 0, 0, 0, 0};
    input.I_load = {1, 0, 0, 0, 0};
    return input;
}

// A 10 MW load: adding or taking 0.5 W no longer changes the trial power.
TDesign_input Search_saturated()
{
    TDesign_input input = Search_out_of_reach();
    input.U_load = {5000, 0, 0, 0, 0};
    input.I_load = {2000, 0, 0, 0, 0};
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

void BM_search_alternates(benchmark::State& state)
{
    Run_with_texts(state, Search_alternates(), TCore_entry_mode::Manual);
}
BENCHMARK(BM_search_alternates)->Unit(benchmark::kMicrosecond);

void BM_search_saturated(benchmark::State& state)
{
    Run_with_texts(state, Search_saturated(), TCore_entry_mode::Manual);
}
BENCHMARK(BM_search_saturated)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrelta
