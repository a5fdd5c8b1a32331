#pragma once

#include "design_input.h"

#include <array>

namespace ostrelta {

struct TWires_and_secondaries {
    float d1;                            // mm
    std::array<float, Output_count> w2;  // turns, fractional
    std::array<float, Output_count> d2;  // mm
    // A secondary's turns do not fit a float (an enormous w1); the turns are
    // then not computed (NaN).
    bool beyond_range;
};

// Wire diameter d = 0.6 * sqrt(I) for the primary and every output, and the
// turns of every secondary, w2 = w1 * U_load / U1, active or not.
TWires_and_secondaries Wires_and_secondaries(float I1_max, float w1, float U1,
                                             const std::array<float, Output_count>& U_load,
                                             const std::array<float, Output_count>& I_load);

// Wire diameter in mm for a current in A.
float Wire_diameter(float current);

}  // namespace ostrelta
