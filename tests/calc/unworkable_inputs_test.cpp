// Inputs that the field checks admit but that drive a formula outside
// ordinary arithmetic: each run must end with one of the calculation's errors,
// store no infinity and never divide by zero or take the root of a negative.

#include "calc/design_calculation.h"
#include "calc/overall_power_search.h"
#include "calc/result_texts.h"
#include "test_support.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace ostrelta::testing {
namespace {

using Msg = TCalculation_message;
using Topology = TConverter_topology;

std::vector<float> Stored_values(const TDesign_results& r)
{
    std::vector<float> values{
        r.P_load, r.U_supply_max, r.efficiency, r.efficiency_pct,  r.f_Hz,      r.P_used, r.S_window, r.S_core,
        r.l_mean, r.B_work,       r.P_trial,    r.current_density, r.P_overall, r.U1,     r.w1,       r.L1,
        r.L1_mH,  r.I1_rect,      r.I1_tri,     r.I1_max,          r.d1};
    values.insert(values.end(), r.w2.begin(), r.w2.end());
    values.insert(values.end(), r.d2.begin(), r.d2.end());
    return values;
}

// Every stored value is finite; one the run did not reach is NaN.
bool Stores_no_infinity(const TDesign_results& r)
{
    for (float value : Stored_values(r)) {
        if (std::isinf(value)) {
            return false;
        }
    }
    return true;
}

struct TUnworkable_case {
    const char* name;
    TDesign_input input;
    TCore_entry_mode mode;
    Topology topology;
    Msg error;

    friend void PrintTo(const TUnworkable_case& c, std::ostream* os) { *os << c.name; }
};

class UnworkableInput : public ::testing::TestWithParam<TUnworkable_case> {};

TEST_P(UnworkableInput, EndsWithTheChosenError)
{
    const TUnworkable_case& c = GetParam();
    const TCalculation_outcome outcome = Run_design_calculation(c.input, c.topology, c.mode);
    EXPECT_EQ(outcome.error, c.error);
    EXPECT_TRUE(Stores_no_infinity(outcome.results));
}

TDesign_input With_load(TDesign_input input, float U, float I, float F_kHz = 50)
{
    input.U_load = {U, 0, 0, 0, 0};
    input.I_load = {I, 0, 0, 0, 0};
    input.F_kHz = F_kHz;
    return input;
}

TDesign_input Toroid(float D, float d, float h)
{
    TDesign_input input = Example_input();
    input.D_outer = D;
    input.d_inner = d;
    input.h_height = h;
    return input;
}

TDesign_input With_mu(float mu_eff)
{
    TDesign_input input = Example_input();
    input.mu_eff = mu_eff;
    return input;
}

// A core whose cross-section times flux density nearly vanishes while its
// window is near the largest float: the overall power passes, but the primary
// would need more turns than a float holds.
TDesign_input Turns_beyond_range()
{
    TDesign_input input = Example_with_manual_core(3e38f, 1.6e-18f, 5);
    input.U_supply = 2000;
    input.U_rise_pct = 100;
    input.F_kHz = 4;
    input.B_sat = 1e-17f;
    return input;
}

constexpr auto Toroidal = TCore_entry_mode::Toroidal;
constexpr auto Manual = TCore_entry_mode::Manual;

INSTANTIATE_TEST_SUITE_P(
    ImplementerLeft, UnworkableInput,
    ::testing::Values(
        // The efficiency falls to zero or below for a load of a few watts.
        TUnworkable_case{"OneWattAtFourKilohertz", With_load(Example_input(), 1, 1, 4), Toroidal,
                         Topology::Bridge_floor, Msg::Load_below_25W},
        TUnworkable_case{"LoadNearTheSmallestFloat", With_load(Example_input(), 1e-20f, 1e-25f), Toroidal,
                         Topology::Bridge, Msg::Load_below_25W},
        // The trial power steps down to zero and below on a core far too small.
        TUnworkable_case{"TinyCoreCollapsesTheSearch", Example_with_manual_core(1e-6f, 1e-6f, 5), Manual,
                         Topology::Bridge_floor, Msg::Overall_below_used},
        TUnworkable_case{"TinyCoreUnderAFewWatts", With_load(Example_with_manual_core(1e-6f, 1e-6f, 5), 5, 2), Manual,
                         Topology::Bridge_floor, Msg::Load_below_25W},
        TUnworkable_case{"TrialPowerReachesExactlyZero", With_load(Example_with_manual_core(1e-6f, 1e-6f, 5), 25, 1),
                         Manual, Topology::With_average_conclusion, Msg::Overall_below_used},
        // Core values and powers beyond the float range.
        TUnworkable_case{"HugeToroid", Toroid(3e38f, 1e38f, 1e38f), Toroidal, Topology::Bridge_floor,
                         Msg::Turns_w1_below_1},
        TUnworkable_case{"HugeManualCore", Example_with_manual_core(1e30f, 1e30f, 5), Manual, Topology::Bridge,
                         Msg::Turns_w1_below_1},
        TUnworkable_case{"HugeCoreUnderSixKilowatts", With_load(Example_with_manual_core(1e30f, 1e30f, 5), 100, 60),
                         Manual, Topology::Bridge, Msg::Load_above_5kW},
        TUnworkable_case{"VanishingToroid", Toroid(3e-45f, 1.4e-45f, 1), Toroidal, Topology::Bridge_floor,
                         Msg::Overall_below_used},
        TUnworkable_case{"TurnsBeyondRange", Turns_beyond_range(), Manual, Topology::With_average_conclusion,
                         Msg::Overall_below_used},
        TUnworkable_case{"InductanceBeyondRange", Example_with_manual_core(4.9087386f, 0.825f, 1e-38f), Manual,
                         Topology::Bridge_floor, Msg::Overall_below_used},
        // An inductance of zero leaves the triangular current undefined; the
        // limit on the inductance holds.
        TUnworkable_case{"InductanceOfZero", With_mu(1e-45f), Toroidal, Topology::Bridge_floor, Msg::L1_below_1nH}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnworkableInput, NonPositiveEfficiencyLeavesTheUsedPowerUncomputed)
{
    const TCalculation_outcome outcome =
        Run_design_calculation(With_load(Example_input(), 1, 1, 4), Topology::Bridge_floor, Toroidal);
    EXPECT_LT(outcome.results.efficiency, 0.0f);
    EXPECT_TRUE(std::isnan(outcome.results.P_used));
    EXPECT_TRUE(std::isnan(outcome.results.P_trial));
}

TEST(UnworkableInput, CollapsedSearchKeepsItsLastPositiveTrialPower)
{
    const TDesign_results r =
        Run_design_calculation(Example_with_manual_core(1e-6f, 1e-6f, 5), Topology::Bridge_floor, Manual).results;
    const TOverall_power_search search =
        Overall_power_search(r.S_core, r.S_window, r.f_Hz, r.B_work, r.efficiency, r.P_load);
    EXPECT_EQ(search.end, TSearch_end::Trial_collapsed);
    EXPECT_SAME_FLOAT(search.P_trial, 0.5f);
    EXPECT_TRUE(std::isfinite(search.P_overall));
}

TEST(UnworkableInput, InductanceOfZeroRaisesNoCurrentShapeWarning)
{
    const TCalculation_outcome outcome = Run_design_calculation(With_mu(1e-45f), Topology::Bridge_floor, Toroidal);
    EXPECT_SAME_FLOAT(outcome.results.L1, 0.0f);
    EXPECT_TRUE(std::isnan(outcome.results.I1_tri));
    EXPECT_TRUE(outcome.warnings.empty());
}

// Admitted inputs drawn across their whole ranges, core sizes from the
// smallest float to the largest: a run either ends with an error or shows
// finite values only.
TEST(UnworkableInput, SweepOfExtremeInputsNeverShowsANonFiniteValue)
{
    std::mt19937 random(20261211);
    const auto log_uniform = [&random](float low, float high) {
        std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
        return static_cast<float>(std::pow(10.0, exponent(random)));
    };
    const auto sometimes_zero = [&random](float value) {
        return std::bernoulli_distribution(0.3)(random) ? 0.0f : value;
    };
    for (int run = 0; run < 300; ++run) {
        TDesign_input input;
        input.U_supply = log_uniform(3.5f, 2000);
        input.U_rise_pct = std::uniform_real_distribution<float>(0, 100)(random);
        input.B_sat = log_uniform(1e-45f, 100);
        input.mu_eff = log_uniform(1e-45f, 1e6f);
        input.F_kHz = log_uniform(4, 500);
        for (int k = 0; k < 5; ++k) {
            input.U_load[k] = sometimes_zero(log_uniform(1e-6f, 15000));
            input.I_load[k] = sometimes_zero(log_uniform(1e-6f, 5000));
        }
        const bool toroidal = std::bernoulli_distribution(0.5)(random);
        if (toroidal) {
            input.d_inner = log_uniform(1e-45f, 1e38f);
            input.D_outer =
                std::max(log_uniform(1e-45f, 3e38f), std::nextafter(input.d_inner, std::numeric_limits<float>::max()));
            input.h_height = log_uniform(1e-45f, 3e38f);
        } else {
            input.S_window = log_uniform(1e-45f, 3e38f);
            input.S_core = log_uniform(1e-45f, 3e38f);
            input.l_mean = log_uniform(1e-45f, 3e38f);
        }
        const auto topology = static_cast<Topology>(run % 3);
        const TCalculation_outcome outcome =
            Run_design_calculation(input, topology, toroidal ? Toroidal : TCore_entry_mode::Manual);
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_TRUE(Stores_no_infinity(outcome.results));
        if (outcome.error) {
            continue;
        }
        for (float value : Stored_values(outcome.results)) {
            ASSERT_TRUE(std::isfinite(value));
        }
        const TResult_texts t = Result_texts(outcome.results, ",");
        for (const std::string& text : {t.P_load, t.P_used, t.P_overall, t.efficiency_pct, t.U1, t.I1_max, t.w1, t.L1,
                                        t.d1, t.S_window, t.S_core, t.l_mean}) {
            ASSERT_EQ(text.find_first_of("NI"), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace ostrelta::testing
