#pragma once

#include "design_input.h"

#include <array>

namespace ostrelta {

struct TLoad_power {
    float P_load;
    std::array<bool, Output_count> output_active;
};

// Power drawn by the loads, and which outputs carry a load.
TLoad_power Load_power(const TDesign_input& input);

struct TSupply_and_efficiency {
    float U_supply_max;
    float efficiency;
    float efficiency_pct;
    float f_Hz;
    float P_used;  // not computed (NaN) when the efficiency is not positive
    // The efficiency formula falls to zero or below for loads of about 1 to
    // 3 W; the used power is then meaningless and is not formed.
    bool efficiency_not_positive;
    // The used power does not fit a float (an efficiency within a hair of 0).
    bool used_power_beyond_range;
};

// Supply maximum, efficiency, frequency in hertz and used power, for a
// non-zero load power.
TSupply_and_efficiency Supply_and_efficiency(const TDesign_input& input, float P_load);

}  // namespace ostrelta
