#pragma once

#include "core_entry_mode.h"
#include "design_input.h"

namespace ostrelta {

struct TCore_parameters {
    float S_window;  // cm²
    float S_core;    // cm²
    float l_mean;    // cm
    // Ring dimensions so large that a derived value leaves the float range;
    // the derived values are then not computed (NaN).
    bool beyond_range;
    // Ring dimensions so small that a derived value is 0 in float.
    bool vanishing;
};

// The core's window area, cross-section and mean path length: derived from the
// ring dimensions of a toroid, or the entered values.
TCore_parameters Core_parameters(const TDesign_input& input, TCore_entry_mode mode);

}  // namespace ostrelta
