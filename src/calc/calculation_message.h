#pragma once

#include <string_view>

namespace ostrelta {

// The errors and warnings that a run of the calculation can raise.
enum class TCalculation_message {
    // Errors: each ends the run.
    No_load,
    Overall_below_used,
    Overall_equals_used,
    Load_above_5kW,
    Load_below_25W,
    Turns_w1_below_1,
    L1_below_1nH,
    // Warnings: reported, and the run goes on.
    Overall_margin_low,
    Triangular_current_high,
};

bool Is_warning(TCalculation_message message);

// The identifier as written in the code ("Overall_margin_low"), for machine-readable output.
std::string_view Message_identifier(TCalculation_message message);

// The message shown to the user, exact to the character.
std::string_view Message_text(TCalculation_message message);

}  // namespace ostrelta
