// The overall power search skips the passes that only repeat a cycle of trial
// powers. It is held against the search that runs every pass: the last trial
// power, its current density, the overall power, the number of steps and the
// way the search ended must agree to the bit, for every pass limit.

#include "calc/design_calculation.h"
#include "calc/overall_power_search.h"
#include "calc/trial_repeat_watch.h"
#include "test_support.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace ostrelta::testing {
namespace {

// ---- The repeat watch over sequences of known shape -----------------------

// A sequence that takes `transient` values of its own, then runs a cycle of
// `cycle` values for good.
struct TSequence_shape {
    long transient;
    long cycle;
};

float Term(const TSequence_shape& shape, long pass)
{
    if (pass <= shape.transient) {
        return -static_cast<float>(pass);
    }
    return static_cast<float>(1 + (pass - shape.transient - 1) % shape.cycle);
}

// Runs the passes 1 to pass_limit the way the search does, skipping whatever
// the watch allows. Returns the value after the last pass and counts the
// passes that were actually run.
struct TWatched_run {
    float last;
    long passes_run;
    long period;
};

TWatched_run Run_watched(const TSequence_shape& shape, long pass_limit)
{
    TTrial_repeat_watch watch;
    long term = 1;  // the sequence's own position, which skipping leaves behind
    long pass = 1;
    long passes_run = 0;
    while (pass <= pass_limit) {
        pass += watch.Skippable_passes(Term(shape, term), pass, pass_limit);
        if (pass > pass_limit) {
            break;
        }
        ++term;
        ++pass;
        ++passes_run;
    }
    return {Term(shape, term), passes_run, watch.Period()};
}

class TrialRepeatWatch : public ::testing::TestWithParam<TSequence_shape> {};

TEST_P(TrialRepeatWatch, SkipsWholeCyclesOnlyAndNoticesThemEarly)
{
    const TSequence_shape shape = GetParam();
    const long length = shape.transient + shape.cycle;
    for (long pass_limit : {1L, 2L, 3L, length, length + 1, 10 * length + 3, 1'000'000L}) {
        SCOPED_TRACE("pass limit " + std::to_string(pass_limit));
        const TWatched_run run = Run_watched(shape, pass_limit);
        EXPECT_EQ(run.last, Term(shape, pass_limit + 1));
        // Brent's method keeps a value from the cycle by pass 2 * max(M + 1, L)
        // and sees it again L passes later.
        const long noticed_by = 2 * std::max(shape.transient + 1, shape.cycle) + shape.cycle;
        EXPECT_LE(run.passes_run, noticed_by);
        if (pass_limit > noticed_by) {
            EXPECT_EQ(run.period, shape.cycle);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, TrialRepeatWatch,
                         ::testing::Values(TSequence_shape{0, 1}, TSequence_shape{0, 2}, TSequence_shape{1, 1},
                                           TSequence_shape{3, 2}, TSequence_shape{0, 3}, TSequence_shape{5, 3},
                                           TSequence_shape{10, 7}, TSequence_shape{2, 64}, TSequence_shape{100, 2},
                                           TSequence_shape{37, 100}, TSequence_shape{1000, 1}),
                         [](const auto& info) {
                             return "Transient" + std::to_string(info.param.transient) + "Cycle" +
                                    std::to_string(info.param.cycle);
                         });

TEST(TrialRepeatWatchAlone, SkipsNothingWhileNoValueRepeats)
{
    TTrial_repeat_watch watch;
    for (long pass = 1; pass <= 100'000; ++pass) {
        ASSERT_EQ(watch.Skippable_passes(static_cast<float>(pass) * 0.5f, pass, 100'000), 0);
    }
    EXPECT_EQ(watch.Period(), 0);
}

// ---- The search with and without the shortcut -----------------------------

struct TSearch_arguments {
    float S_core;
    float S_window;
    float f_Hz;
    float B_work;
    float efficiency;
    float P_load;
};

std::ostream& operator<<(std::ostream& os, const TSearch_arguments& a)
{
    return os << std::hexfloat << "S_core " << a.S_core << ", S_window " << a.S_window << ", f_Hz " << a.f_Hz
              << ", B_work " << a.B_work << ", efficiency " << a.efficiency << ", P_load " << a.P_load
              << std::defaultfloat;
}

TOverall_power_search Search(const TSearch_arguments& a, long pass_limit, TSearch_passes passes)
{
    return Overall_power_search_with(a.S_core, a.S_window, a.f_Hz, a.B_work, a.efficiency, a.P_load, pass_limit,
                                     passes);
}

bool Same_bits(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Runs both ways and compares everything the search gives the calculation.
::testing::AssertionResult Shortcut_agrees(const TSearch_arguments& a, long pass_limit)
{
    const TOverall_power_search fast = Search(a, pass_limit, TSearch_passes::Skip_repeated_cycles);
    const TOverall_power_search plain = Search(a, pass_limit, TSearch_passes::Every_pass);
    if (Same_bits(fast.P_trial, plain.P_trial) && Same_bits(fast.current_density, plain.current_density) &&
        Same_bits(fast.P_overall, plain.P_overall) && fast.steps == plain.steps && fast.end == plain.end) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream why;
    why << std::hexfloat << "with " << a << " and a limit of " << pass_limit << " passes: P_trial " << fast.P_trial
        << " / " << plain.P_trial << ", current_density " << fast.current_density << " / " << plain.current_density
        << ", P_overall " << fast.P_overall << " / " << plain.P_overall << ", steps " << fast.steps << " / "
        << plain.steps << ", end " << static_cast<int>(fast.end) << " / " << static_cast<int>(plain.end)
        << " (with the shortcut / every pass)";
    return ::testing::AssertionFailure() << why.str();
}

TSearch_arguments Arguments_of(const TDesign_input& input, TCore_entry_mode mode)
{
    const TDesign_results r = Run_design_calculation(input, TConverter_topology::Bridge_floor, mode).results;
    return {r.S_core, r.S_window, r.f_Hz, r.B_work, r.efficiency, r.P_load};
}

TDesign_input With_single_load(TDesign_input input, float U, float I)
{
    input.U_load = {U, 0, 0, 0, 0};
    input.I_load = {I, 0, 0, 0, 0};
    return input;
}

// A core whose balance lies far above the loads below 10 MW.
TDesign_input Large_manual_core_with_load(float U, float I)
{
    TDesign_input input = Example_with_manual_core(100, 100, 5);
    input.F_kHz = 500;
    input.B_sat = 1;
    return With_single_load(input, U, I);
}

struct TCycle_case {
    const char* name;
    TSearch_arguments arguments;
    long cycle_length;  // as the shortcut finds it; 0 for a search without a repeat
    TSearch_end end;

    friend void PrintTo(const TCycle_case& c, std::ostream* os) { *os << c.name; }
};

class SearchShortcut : public ::testing::TestWithParam<TCycle_case> {};

TEST_P(SearchShortcut, AgreesWithEveryPassAtEveryPhaseOfTheCycle)
{
    const TCycle_case& c = GetParam();
    const TOverall_power_search search = Search(c.arguments, Search_pass_limit, TSearch_passes::Skip_repeated_cycles);
    EXPECT_EQ(search.cycle_length, c.cycle_length);
    EXPECT_EQ(search.end, c.end);
    EXPECT_TRUE(Shortcut_agrees(c.arguments, Search_pass_limit));
    // Small limits end the passes at every point of the transient and at
    // each phase of the cycle.
    for (long pass_limit = 1; pass_limit <= 300; ++pass_limit) {
        ASSERT_TRUE(Shortcut_agrees(c.arguments, pass_limit));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Searches, SearchShortcut,
    ::testing::Values(
        // A band narrower than a step: the trial power alternates near 5 W.
        TCycle_case{
            "AlternatesAcrossANarrowBand",
            Arguments_of(With_single_load(Example_with_manual_core(0.12f, 0.1f, 5), 10, 1), TCore_entry_mode::Manual),
            2, TSearch_end::Fallback},
        // 10 MW: adding 0.5 W rounds back to the same float at once.
        TCycle_case{"StartsAboveTwoToTheTwentyThird",
                    Arguments_of(Large_manual_core_with_load(5000, 2000), TCore_entry_mode::Manual), 1,
                    TSearch_end::Fallback},
        // Climbs 16 steps from 8388600 W to 2^23 W, where the steps stop.
        TCycle_case{"ClimbsToTwoToTheTwentyThirdAndSticks",
                    Arguments_of(Large_manual_core_with_load(4194.3f, 2000), TCore_entry_mode::Manual), 1,
                    TSearch_end::Fallback},
        // 8388609 W + 0.5 W rounds to the even 8388610 W, which then sticks.
        TCycle_case{"OddPowerRoundsToEvenThenSticks",
                    Arguments_of(Large_manual_core_with_load(8388609, 1), TCore_entry_mode::Manual), 1,
                    TSearch_end::Fallback},
        // Every pass climbs: there is nothing to skip.
        TCycle_case{"ClimbsOutOfReach", Arguments_of(Large_manual_core_with_load(50, 4), TCore_entry_mode::Manual), 0,
                    TSearch_end::Fallback},
        TCycle_case{"WorkedExample", Arguments_of(Example_input(), TCore_entry_mode::Toroidal), 0,
                    TSearch_end::In_band},
        TCycle_case{"CollapsesOnATinyCore",
                    Arguments_of(Example_with_manual_core(1e-6f, 1e-6f, 5), TCore_entry_mode::Manual), 0,
                    TSearch_end::Trial_collapsed}),
    [](const auto& info) { return std::string(info.param.name); });

// Search arguments drawn at random around the places where trial powers
// repeat, and across the whole range; the sweep must meet searches without a
// cycle and with cycles of length 1 and 2, or it proves nothing.
TEST(SearchShortcutSweep, AgreesWithEveryPassOnRandomSearches)
{
    std::mt19937 random(612);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto log_uniform = [&uniform](double low, double high) {
        return std::pow(10.0, uniform(std::log10(low), std::log10(high)));
    };
    // The cross-section that puts the balance of the search at `balance` W.
    const auto core_for_balance = [](const TSearch_arguments& a, double balance) {
        const double current_density = 24 / std::sqrt(balance) + 1.5;
        return static_cast<float>(
            balance / (2.0 * a.S_window * a.f_Hz * a.B_work * current_density * a.efficiency * 0.15 * 0.01));
    };

    std::set<long> cycle_lengths_met;
    for (int run = 0; run < 600; ++run) {
        TSearch_arguments a{};
        a.S_window = static_cast<float>(log_uniform(1e-2, 1e2));
        a.f_Hz = static_cast<float>(uniform(4000, 500000));
        a.B_work = static_cast<float>(log_uniform(1e-3, 62.5));
        a.efficiency = static_cast<float>(uniform(0.5, 0.99));
        switch (run % 3) {
        case 0:  // a balance below 12.5 W, where the band is narrower than a step
            a.S_core = core_for_balance(a, log_uniform(0.3, 12.5));
            a.P_load = static_cast<float>(uniform(0.5, 30));
            break;
        case 1:  // trial powers about 2^23 W and above, where 0.5 W stops counting
            a.S_core = core_for_balance(a, log_uniform(1e6, 1e9));
            a.P_load = static_cast<float>(log_uniform(8388608 - 100, 4e8));
            break;
        default:  // anywhere
            a.S_core = static_cast<float>(log_uniform(1e-6, 1e6));
            a.P_load = static_cast<float>(log_uniform(0.5, 1e5));
            break;
        }
        SCOPED_TRACE("run " + std::to_string(run));
        cycle_lengths_met.insert(Search(a, Search_pass_limit, TSearch_passes::Skip_repeated_cycles).cycle_length);
        // Every pass of a million costs some milliseconds: the full limit for
        // a part of the runs, a random small limit for all.
        if (run < 90) {
            ASSERT_TRUE(Shortcut_agrees(a, Search_pass_limit));
        }
        ASSERT_TRUE(Shortcut_agrees(a, std::uniform_int_distribution<long>(1, 5000)(random)));
    }
    EXPECT_TRUE(cycle_lengths_met.contains(0));
    EXPECT_TRUE(cycle_lengths_met.contains(1));
    EXPECT_TRUE(cycle_lengths_met.contains(2));
}

}  // namespace
}  // namespace ostrelta::testing
