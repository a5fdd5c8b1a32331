#include "core_parameters.h"

#include "design_results.h"
#include "extended_arithmetic.h"

namespace ostrelta {

TCore_parameters Core_parameters(const TDesign_input& input, TCore_entry_mode mode)
{
    if (mode == TCore_entry_mode::Manual) {
        return {input.S_window, input.S_core, input.l_mean, false, false};
    }
    // Ring dimensions in mm; areas in cm², path length in cm.
    const ext S_core = (static_cast<ext>(input.D_outer) - input.d_inner) * input.h_height * 0.5L * Dbl_0_01;
    const ext S_window = static_cast<ext>(input.d_inner) * input.d_inner * Dbl_pi * 0.25L * Dbl_0_01;
    const ext l_mean = (static_cast<ext>(input.D_outer) + input.d_inner) * 0.5L * Dbl_pi * Dbl_0_1;
    if (!Fits_float(S_core) || !Fits_float(S_window) || !Fits_float(l_mean)) {
        constexpr float n = TDesign_results::Not_computed;
        return {n, n, n, true, false};
    }
    TCore_parameters result{Store(S_window), Store(S_core), Store(l_mean), false, false};
    result.vanishing = result.S_window == 0 || result.S_core == 0 || result.l_mean == 0;
    return result;
}

}  // namespace ostrelta
