// Runs of the whole calculation beyond the worked example: how each one ends,
// the overall power search, and the texts that depend on the run.

#include "calc/calc_texts.h"
#include "calc/design_calculation.h"
#include "calc/overall_power_search.h"
#include "calc/result_texts.h"
#include "test_support.h"

#include <cmath>
#include <string>
#include <vector>

namespace ostrelta::testing {
namespace {

using Msg = TCalculation_message;
using Topology = TConverter_topology;

TCalculation_outcome Run_toroid(const TDesign_input& input, Topology topology = Topology::Bridge_floor)
{
    return Run_design_calculation(input, topology, TCore_entry_mode::Toroidal);
}

TCalculation_outcome Run_manual(const TDesign_input& input, Topology topology = Topology::Bridge_floor)
{
    return Run_design_calculation(input, topology, TCore_entry_mode::Manual);
}

// ---- How a run ends -------------------------------------------------------

struct TEnding_case {
    const char* name;
    TDesign_input input;
    TCore_entry_mode mode;
    std::vector<Msg> warnings;
    std::optional<Msg> error;

    friend void PrintTo(const TEnding_case& c, std::ostream* os) { *os << c.name; }
};

class RunEnding : public ::testing::TestWithParam<TEnding_case> {};

TEST_P(RunEnding, RaisesTheWarningsInOrderThenTheError)
{
    const TEnding_case& c = GetParam();
    for (Topology topology : {Topology::Bridge_floor, Topology::Bridge, Topology::With_average_conclusion}) {
        SCOPED_TRACE(static_cast<int>(topology));
        const TCalculation_outcome outcome = Run_design_calculation(c.input, topology, c.mode);
        EXPECT_EQ(outcome.warnings, c.warnings);
        EXPECT_EQ(outcome.error, c.error);
    }
}

TDesign_input No_load_input()
{
    TDesign_input input = Example_input();
    input.I_load = {0, 0, 0, 0, 0};
    return input;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Designs, RunEnding,
    ::testing::Values(
        TEnding_case{"NoLoad", No_load_input(), TCore_entry_mode::Toroidal, {}, Msg::No_load},
        // The search runs first, so a core too small for 6000 W says so
        // before the load limit is reached.
        TEnding_case{"SixKilowattsOnTheExampleCore", Example_with_single_load(100, 60), TCore_entry_mode::Toroidal,
                     {}, Msg::Overall_below_used},
        TEnding_case{"TwentyWattsWarnsThenFails", Example_with_single_load(20, 1), TCore_entry_mode::Toroidal,
                     {Msg::Triangular_current_high}, Msg::Load_below_25W},
        TEnding_case{"ManualCoreWithBothWarnings", Example_with_manual_core(2, 1, 5), TCore_entry_mode::Manual,
                     {Msg::Overall_margin_low, Msg::Triangular_current_high}, std::nullopt},
        TEnding_case{"ExactlyTwentyFiveWatts", Example_with_single_load(25, 1), TCore_entry_mode::Toroidal,
                     {Msg::Triangular_current_high}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RunEnding, NoLoadSetsOnlyTheLoadPower)
{
    const TCalculation_outcome outcome = Run_toroid(No_load_input());
    const TDesign_results& r = outcome.results;
    EXPECT_SAME_FLOAT(r.P_load, 0.0f);
    EXPECT_EQ(r.output_active, (std::array<bool, 5>{}));
    EXPECT_TRUE(std::isnan(r.U_supply_max));
    EXPECT_TRUE(std::isnan(r.P_used));
    EXPECT_TRUE(std::isnan(r.P_overall));
}

TEST(RunEnding, ErrorAtTheOverallPowerKeepsTheStagesAlreadyRun)
{
    const TCalculation_outcome outcome = Run_toroid(Example_with_single_load(100, 60));
    const TDesign_results& r = outcome.results;
    EXPECT_SAME_FLOAT(r.P_load, 6000.0f);
    EXPECT_FALSE(std::isnan(r.P_overall));
    EXPECT_LT(r.P_overall, r.P_used);
    EXPECT_TRUE(std::isnan(r.U1));
    EXPECT_TRUE(std::isnan(r.d1));
}

TEST(RunEnding, ManualCoreGivesCompleteResults)
{
    const TCalculation_outcome outcome = Run_manual(Example_with_manual_core(2, 1, 5));
    const TDesign_results& r = outcome.results;
    EXPECT_SAME_FLOAT(r.S_window, 2.0f);
    EXPECT_SAME_FLOAT(r.S_core, 1.0f);
    EXPECT_SAME_FLOAT(r.l_mean, 5.0f);
    EXPECT_SAME_FLOAT(r.P_trial, 215.0f);
    EXPECT_SAME_FLOAT(r.P_overall, 219.29259f);
    EXPECT_FALSE(std::isnan(r.d2[4]));
}

// ---- Load power and supply ------------------------------------------------

TEST(LoadPower, HalfFilledOutputIsInactiveAndAddsNothing)
{
    TDesign_input input = Example_input();
    input.U_load = {50, 25, 10, 6, 40};
    input.I_load = {3, 0, 1, 0.5f, 0.3f};  // output 2: a voltage without a current
    input.U_load[3] = 0;                   // output 4: a current without a voltage
    const TCalculation_outcome outcome = Run_toroid(input);
    const TDesign_results& r = outcome.results;
    EXPECT_EQ(r.output_active, (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_SAME_FLOAT(r.P_load, 172.0f);
    EXPECT_GT(r.w2[1], 0.0f);
    EXPECT_SAME_FLOAT(r.d2[1], 0.0f);
    EXPECT_SAME_FLOAT(r.w2[3], 0.0f);
    EXPECT_GT(r.d2[3], 0.0f);
}

TEST(SupplyMaximum, RiseOfZeroAndOfOneHundredPercent)
{
    TDesign_input input = Example_input();
    input.U_rise_pct = 0;
    EXPECT_SAME_FLOAT(Run_toroid(input).results.U_supply_max, 310.0f);
    input.U_rise_pct = 100;
    EXPECT_SAME_FLOAT(Run_toroid(input).results.U_supply_max, 620.0f);
}

// ---- The overall power search ---------------------------------------------

TOverall_power_search Search_of(const TDesign_results& r)
{
    return Overall_power_search(r.S_core, r.S_window, r.f_Hz, r.B_work, r.efficiency, r.P_load);
}

TEST(OverallPowerSearch, ExampleClimbsInHalfWattSteps)
{
    const TOverall_power_search search = Search_of(Run_toroid(Example_input()).results);
    EXPECT_EQ(search.end, TSearch_end::In_band);
    EXPECT_EQ(search.steps, 359);
    EXPECT_SAME_FLOAT(search.P_trial, 379.5f);
    EXPECT_SAME_FLOAT(search.current_density, 2.7319849f);
    EXPECT_SAME_FLOAT(search.P_overall, 386.73294f);
}

TEST(OverallPowerSearch, ManualCoreClimbsThirtySteps)
{
    const TOverall_power_search search = Search_of(Run_manual(Example_with_manual_core(2, 1, 5)).results);
    EXPECT_EQ(search.steps, 30);
    EXPECT_SAME_FLOAT(search.P_trial, 215.0f);
}

TEST(OverallPowerSearch, BalanceOutOfReachFallsBackAfterTheLastPass)
{
    TDesign_input input = Example_with_manual_core(100, 100, 5);
    input.F_kHz = 500;
    input.B_sat = 1;
    const TCalculation_outcome outcome = Run_manual(input);
    EXPECT_SAME_FLOAT(outcome.results.P_overall, 20833334.0f);
    EXPECT_SAME_FLOAT(outcome.results.P_trial, 500200.0f);
    const TOverall_power_search search = Search_of(outcome.results);
    EXPECT_EQ(search.end, TSearch_end::Fallback);
    EXPECT_EQ(search.steps, Search_pass_limit);
}

TEST(OverallPowerSearch, BandNarrowerThanAStepAlternatesUntilTheFallback)
{
    TDesign_input input = Example_with_manual_core(0.12f, 0.1f, 5);
    input.U_load = {10, 0, 0, 0, 0};
    input.I_load = {1, 0, 0, 0, 0};
    const TCalculation_outcome outcome = Run_manual(input);
    EXPECT_SAME_FLOAT(outcome.results.P_overall, 0.95f);
    EXPECT_NEAR(outcome.results.P_trial, 5.0f, 0.5f);
    EXPECT_EQ(Search_of(outcome.results).end, TSearch_end::Fallback);
    EXPECT_EQ(outcome.error, Msg::Overall_below_used);
}

TEST(OverallPowerSearch, TrialPowerStopsChangingAboveTwoToTheTwentyThird)
{
    // 10 MW: adding or taking 0.5 W rounds back to the same float.
    TDesign_input input = Example_with_manual_core(100, 100, 5);
    input.F_kHz = 500;
    input.B_sat = 1;
    input.U_load = {5000, 0, 0, 0, 0};
    input.I_load = {2000, 0, 0, 0, 0};
    const TCalculation_outcome outcome = Run_manual(input);
    EXPECT_SAME_FLOAT(outcome.results.P_trial, 1.0e7f);
    EXPECT_SAME_FLOAT(outcome.results.P_overall, 20833334.0f);
    EXPECT_EQ(outcome.error, Msg::Load_above_5kW);
}

// ---- Texts that depend on the run -----------------------------------------

TEST(ResultTexts, InductanceBelowTenMicrohenriesIsShownInMicrohenries)
{
    TDesign_input input = Example_input();
    input.mu_eff = 2;
    const TCalculation_outcome low = Run_toroid(input);
    EXPECT_SAME_FLOAT(low.results.L1, 4.4966309e-6f);
    EXPECT_FALSE(low.error.has_value());
    const TResult_texts low_texts = Result_texts(low.results, ",");
    EXPECT_EQ(low_texts.L1, "4,497");
    EXPECT_EQ(low_texts.L1_caption, Calc_text(TCalc_text::L1_caption_uH));
    EXPECT_EQ(low_texts.I1_tri, "205,04");
    EXPECT_EQ(low_texts.I1_max, "206,15");

    // The next run with the example switches the caption back.
    const TResult_texts back = Result_texts(Run_toroid(Example_input()).results, ",");
    EXPECT_EQ(back.L1_caption, Calc_text(TCalc_text::L1_caption_mH));
    EXPECT_EQ(back.L1, "4,497");
}

TEST(ResultTexts, TenMicrohenryBoundaryFollowsTheDouble)
{
    // The float nearest 10 µH lies just below the double 0.00001.
    TDesign_results r = Run_toroid(Example_input()).results;
    r.L1 = 0.00001f;
    r.L1_mH = 0.01f;
    EXPECT_EQ(Result_texts(r, ",").L1, "10,000");
    EXPECT_EQ(Result_texts(r, ",").L1_caption, Calc_text(TCalc_text::L1_caption_uH));
    r.L1 = std::nextafter(0.00001f, 1.0f);
    EXPECT_EQ(Result_texts(r, ",").L1, "0,010");
    EXPECT_EQ(Result_texts(r, ",").L1_caption, Calc_text(TCalc_text::L1_caption_mH));
}

TEST(ResultTexts, SecondaryTurnsBelowOneAreSaidInWords)
{
    TDesign_results r = Run_toroid(Example_input()).results;
    r.w2 = {0.99f, 1.0f, 1.4f, 2.5f, 0.0f};
    const TResult_texts t = Result_texts(r, ",");
    EXPECT_EQ(t.w2, (std::array<std::string, 5>{"Менее 1", "1", "1", "3", "Менее 1"}));
}

TEST(ResultTexts, InactiveOutputsStillGetTexts)
{
    const TCalculation_outcome outcome = Run_toroid(Example_with_single_load(50, 3));
    EXPECT_EQ(outcome.results.output_active, (std::array<bool, 5>{true, false, false, false, false}));
    const TResult_texts t = Result_texts(outcome.results, ",");
    EXPECT_EQ(t.w2[1], "Менее 1");
    EXPECT_EQ(t.d2[1], "0,00");
}

TEST(ResultTexts, CentreTappedPrimaryOfOverAThousandVoltsKeepsFourDigits)
{
    TDesign_input input = Example_input();
    input.U_supply = 500;
    const TCalculation_outcome outcome = Run_toroid(input, Topology::With_average_conclusion);
    EXPECT_SAME_FLOAT(outcome.results.U1, 1199.2f);
    EXPECT_EQ(Result_texts(outcome.results, ",").U1, "1199,0");
}

}  // namespace
}  // namespace ostrelta::testing
