#pragma once

#include "converter_topology.h"
#include "extended_arithmetic.h"

#include <optional>

namespace ostrelta {

enum class TPrimary_end {
    Complete,
    // The triangular current cannot be formed: L1 is 0 in float, or the
    // quotient leaves the float range. Either way L1 is far below 1 nH.
    Triangular_undefined,
    // U1, w1, L1, L1_mH or the rectangular current does not fit a float.
    Beyond_range,
};

struct TPrimary_winding {
    float U1;       // V
    float w1;       // turns, fractional
    float L1;       // H
    float L1_mH;    // mH
    float I1_rect;  // A, whole hundredths
    float I1_tri;   // A, whole hundredths
    TPrimary_end end;
};

// Primary voltage, turns, inductance and the two current components for the
// topology's parameters. Values after the first one that cannot be formed
// stay not computed (NaN).
TPrimary_winding Primary_winding(float U_supply_max, float f_Hz, float B_work, float S_core, float l_mean, float mu_eff,
                                 float P_used, const TTopology_parameters& parameters);

// Rounds to whole hundredths, half up, through a float-stored value times 100.
// Empty when that value does not fit a float.
std::optional<float> Round_hundredths(ext value);

}  // namespace ostrelta
