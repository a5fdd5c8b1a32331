#pragma once

namespace ostrelta {

inline constexpr long Search_pass_limit = 1'000'000;

enum class TSearch_end {
    In_band,          // the overall power came within 0.98 to 1.02 of the trial power
    Fallback,         // the passes ran out; the overall power comes from the fallback formula
    Trial_collapsed,  // the next trial power would have been 0 or below
    Beyond_range,     // an overall power does not fit a float
};

struct TOverall_power_search {
    float P_trial;          // W, the last trial power that was evaluated
    float current_density;  // A/mm², at P_trial
    float P_overall;        // W
    long steps;             // trial power changes made
    TSearch_end end;
    long cycle_length = 0;  // passes in the cycle of trial powers that was seen to repeat; 0 when none was
};

// Steps a trial power by 0.5 W from the load power until the overall power of
// the core at the winding current density for that trial power agrees with it
// within 2 %, for at most Search_pass_limit passes.
//
// The next trial power depends on the trial power alone, so once one repeats
// (a band narrower than a step that the search alternates across, or a trial
// power so large that 0.5 W no longer changes it) the remaining passes only
// run the same cycle again. Those whole cycles are skipped; the outcome is
// exactly that of running every pass.
TOverall_power_search Overall_power_search(float S_core, float S_window, float f_Hz, float B_work, float efficiency,
                                           float P_load);

// How the passes of the search are run.
enum class TSearch_passes {
    Skip_repeated_cycles,  // as Overall_power_search does
    Every_pass,            // each pass as written: the reference for the shortcut
};

// The search with a pass limit of its own, with or without skipping repeated
// cycles. Overall_power_search is this with Search_pass_limit and
// Skip_repeated_cycles.
TOverall_power_search Overall_power_search_with(float S_core, float S_window, float f_Hz, float B_work,
                                                float efficiency, float P_load, long pass_limit, TSearch_passes passes);

}  // namespace ostrelta
