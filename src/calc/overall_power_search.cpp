#include "overall_power_search.h"

#include "design_results.h"
#include "extended_arithmetic.h"
#include "trial_repeat_watch.h"

namespace ostrelta {

namespace {

// Winding current density and overall power for one trial power. The left
// part of the product, 2 * S_core * S_window * f_Hz * B_work, is the same
// extended value at every trial, so it is formed once by the caller.
struct TTrial {
    float current_density;
    ext P_overall;  // before it is stored
};

TTrial Evaluate_trial(float P_trial, ext core_product, float efficiency)
{
    const float current_density = Store(24 / Sqrt_of(P_trial) + 1.5L);
    const ext P_overall = core_product * current_density * efficiency * Flt_0_15 * Dbl_0_01;
    return {current_density, P_overall};
}

}  // namespace

TOverall_power_search Overall_power_search(float S_core, float S_window, float f_Hz, float B_work, float efficiency,
                                           float P_load)
{
    return Overall_power_search_with(S_core, S_window, f_Hz, B_work, efficiency, P_load, Search_pass_limit,
                                     TSearch_passes::Skip_repeated_cycles);
}

TOverall_power_search Overall_power_search_with(float S_core, float S_window, float f_Hz, float B_work,
                                                float efficiency, float P_load, long pass_limit, TSearch_passes passes)
{
    const ext core_product = 2 * static_cast<ext>(S_core) * S_window * f_Hz * B_work;

    TOverall_power_search search{P_load, TDesign_results::Not_computed, TDesign_results::Not_computed, 0,
                                 TSearch_end::In_band};
    TTrial trial = Evaluate_trial(search.P_trial, core_product, efficiency);
    TTrial_repeat_watch watch;

    long pass = 1;
    while (pass <= pass_limit) {
        if (passes == TSearch_passes::Skip_repeated_cycles) {
            // A trial power seen at an earlier pass: this pass and those after
            // it run the same cycle as the passes since then. Whole cycles end
            // at the trial power they start from, with a step a pass.
            const long skipped = watch.Skippable_passes(search.P_trial, pass, pass_limit);
            search.cycle_length = watch.Period();
            pass += skipped;
            search.steps += skipped;
            if (pass > pass_limit) {
                break;
            }
        }
        if (!Fits_float(trial.P_overall)) {
            search.end = TSearch_end::Beyond_range;
            return search;
        }
        search.current_density = trial.current_density;
        search.P_overall = Store(trial.P_overall);

        const ext P = search.P_trial;
        if (Dbl_0_98 * P <= search.P_overall && search.P_overall <= Dbl_1_02 * P) {
            return search;
        }
        const float next = Store(search.P_overall > P ? P + 0.5L : P - 0.5L);
        if (next <= 0) {
            // The square root of the current density needs a positive trial
            // power; the search ends at the last one it could evaluate.
            search.end = TSearch_end::Trial_collapsed;
            return search;
        }
        search.P_trial = next;
        ++search.steps;
        trial = Evaluate_trial(next, core_product, efficiency);
        ++pass;
    }

    // The last pass's value is not compared: the passes are spent.
    search.current_density = trial.current_density;
    const ext fallback = static_cast<ext>(S_core) * S_window * f_Hz * B_work * Ext_1_150;
    if (!Fits_float(fallback)) {
        search.P_overall = TDesign_results::Not_computed;
        search.end = TSearch_end::Beyond_range;
        return search;
    }
    search.P_overall = Store(fallback);
    search.end = TSearch_end::Fallback;
    return search;
}

}  // namespace ostrelta
