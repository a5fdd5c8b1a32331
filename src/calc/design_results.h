#pragma once

#include "design_input.h"

#include <array>
#include <limits>

namespace ostrelta {

// Everything one run computes. A field that the run did not reach (because an
// error ended it first) keeps its quiet NaN, so "computed" is "not NaN": no
// stage ever stores a NaN.
struct TDesign_results {
    static constexpr float Not_computed = std::numeric_limits<float>::quiet_NaN();

    float P_load = Not_computed;  // W
    std::array<bool, Output_count> output_active{};
    float U_supply_max = Not_computed;     // V
    float efficiency = Not_computed;       // fraction
    float efficiency_pct = Not_computed;   // %
    float f_Hz = Not_computed;             // Hz
    float P_used = Not_computed;           // W
    float S_window = Not_computed;         // cm²
    float S_core = Not_computed;           // cm²
    float l_mean = Not_computed;           // cm
    float B_work = Not_computed;           // T
    float P_trial = Not_computed;          // W
    float current_density = Not_computed;  // A/mm²
    float P_overall = Not_computed;        // W
    float U1 = Not_computed;               // V
    float w1 = Not_computed;               // turns, fractional
    float L1 = Not_computed;               // H
    float L1_mH = Not_computed;            // mH
    float I1_rect = Not_computed;          // A, whole hundredths
    float I1_tri = Not_computed;           // A, whole hundredths
    float I1_max = Not_computed;           // A, whole hundredths
    float d1 = Not_computed;               // mm
    std::array<float, Output_count> w2{Not_computed, Not_computed, Not_computed, Not_computed, Not_computed};
    std::array<float, Output_count> d2{Not_computed, Not_computed, Not_computed, Not_computed, Not_computed};
};

}  // namespace ostrelta
