#pragma once

#include <string_view>

namespace ostrelta {

// Identifiers of the user-visible texts of the calculation: its nine messages,
// the texts of the result rows that are not numbers, and the rows' captions.
enum class TCalc_text {
    No_load,
    Overall_below_used,
    Overall_equals_used,
    Overall_margin_low,
    Triangular_current_high,
    Load_above_5kW,
    Load_below_25W,
    Turns_w1_below_1,
    L1_below_1nH,
    L1_caption_mH,
    L1_caption_uH,
    Turns_below_one,
    // Captions of the result rows (the inductance row takes its L1 caption).
    Row_P_load,
    Row_P_used,
    Row_P_overall,
    Row_efficiency_pct,
    Row_U1,
    Row_I1_max,
    Row_I1_rect,
    Row_I1_tri,
    Row_w1,
    Row_d1,
    Row_w2,
    Row_d2,
    Row_S_window,
    Row_S_core,
    Row_l_mean,
    // Names of the secondaries' turns and wire values, output by output.
    Output_turns_1,
    Output_turns_2,
    Output_turns_3,
    Output_turns_4,
    Output_turns_5,
    Output_wire_1,
    Output_wire_2,
    Output_wire_3,
    Output_wire_4,
    Output_wire_5,
};

std::string_view Calc_text(TCalc_text id);

}  // namespace ostrelta
