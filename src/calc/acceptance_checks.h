#pragma once

#include "calculation_message.h"
#include "design_results.h"

#include <optional>

namespace ostrelta {

// The overall power must exceed the used power: below it, or equal to it, is an error.
std::optional<TCalculation_message> Overall_power_error(float P_overall, float P_used);

// The overall power has less than a 20 % margin over the used power.
bool Overall_margin_low(float P_overall, float P_used);

// The triangular (magnetising) component exceeds a tenth of the rectangular one.
bool Triangular_current_high(float I1_tri, float I1_rect);

// The limits on a finished design, in the order they are tested: load power
// above 5 kW, below 25 W, fewer than one primary turn, inductance below 1 nH.
// A value that has not been computed (NaN) holds no limit.
std::optional<TCalculation_message> First_limit_error(const TDesign_results& results);

}  // namespace ostrelta
