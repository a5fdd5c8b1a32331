#pragma once

#include <string_view>

namespace ostrelta {

// Identifiers of the user-visible texts of the calculation: its nine messages
// and the texts of the result rows that are not numbers.
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
};

std::string_view Calc_text(TCalc_text id);

}  // namespace ostrelta
