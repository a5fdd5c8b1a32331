#include "wires_and_secondaries.h"

#include "design_results.h"
#include "extended_arithmetic.h"

namespace ostrelta {

float Wire_diameter(float current)
{
    return Store(Dbl_0_6 * Sqrt_of(current));
}

TWires_and_secondaries Wires_and_secondaries(float I1_max, float w1, float U1,
                                             const std::array<float, Output_count>& U_load,
                                             const std::array<float, Output_count>& I_load)
{
    TWires_and_secondaries result{};
    result.d1 = Wire_diameter(I1_max);
    for (int k = 0; k < Output_count; ++k) {
        const ext w2 = static_cast<ext>(w1) * U_load[k] / U1;
        if (Fits_float(w2)) {
            result.w2[k] = Store(w2);
        } else {
            result.w2[k] = TDesign_results::Not_computed;
            result.beyond_range = true;
        }
    }
    for (int k = 0; k < Output_count; ++k) {
        result.d2[k] = Wire_diameter(I_load[k]);
    }
    return result;
}

}  // namespace ostrelta
