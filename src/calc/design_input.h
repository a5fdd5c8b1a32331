#pragma once

#include <array>

namespace ostrelta {

inline constexpr int Output_count = 5;

// The 21 validated inputs of a calculation window, in the order of its fields.
// Index k of the load arrays is output k + 1.
struct TDesign_input {
    float U_supply = 0;                        // V, 3.5 to 2000
    float U_rise_pct = 0;                      // %, 0 to 100
    float B_sat = 0;                           // T, above 0, at most 100
    float mu_eff = 0;                          // above 0, at most 1000000
    float F_kHz = 0;                           // kHz, 4 to 500
    std::array<float, Output_count> U_load{};  // V, 0 to 15000
    std::array<float, Output_count> I_load{};  // A, 0 to 5000
    float D_outer = 0;                         // mm
    float d_inner = 0;                         // mm
    float h_height = 0;                        // mm
    float S_window = 0;                        // cm²
    float S_core = 0;                          // cm²
    float l_mean = 0;                          // cm
};

}  // namespace ostrelta
