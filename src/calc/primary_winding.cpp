#include "primary_winding.h"

#include "design_results.h"

#include <cmath>

namespace ostrelta {

std::optional<float> Round_hundredths(ext value)
{
    const ext t = value * 100;
    if (!Fits_float(t)) {
        return std::nullopt;
    }
    const float t_stored = Store(t);
    const float r = Store(std::floor(static_cast<double>(t_stored + 0.5L)));
    return Store(r * Ext_0_01);
}

TPrimary_winding Primary_winding(float U_supply_max, float f_Hz, float B_work, float S_core, float l_mean, float mu_eff,
                                 float P_used, const TTopology_parameters& parameters)
{
    constexpr float n = TDesign_results::Not_computed;
    TPrimary_winding result{n, n, n, n, n, n, TPrimary_end::Beyond_range};

    // At most 2 * 4000 V: always a finite float.
    result.U1 = Store(parameters.voltage_factor * U_supply_max - parameters.voltage_drop);

    const ext w1 = 2500 * static_cast<ext>(result.U1) / (static_cast<ext>(f_Hz) * B_work * S_core);
    if (!Fits_float(w1)) {
        return result;
    }
    result.w1 = Store(w1);

    const ext L1 = static_cast<ext>(result.w1) * result.w1 * mu_eff * Flt_MU_0 * S_core * Dbl_0_01 / l_mean;
    if (!Fits_float(L1)) {
        return result;
    }
    result.L1 = Store(L1);
    const ext L1_mH = static_cast<ext>(result.L1) * 1000;
    if (!Fits_float(L1_mH)) {
        return result;
    }
    result.L1_mH = Store(L1_mH);

    const auto I1_rect = Round_hundredths(parameters.rect_current_factor * P_used / result.U1);
    if (!I1_rect) {
        return result;
    }
    result.I1_rect = *I1_rect;

    if (result.L1 == 0) {
        result.end = TPrimary_end::Triangular_undefined;
        return result;
    }
    const auto I1_tri = Round_hundredths(result.U1 / (parameters.tri_current_divisor * f_Hz * result.L1));
    if (!I1_tri) {
        result.end = TPrimary_end::Triangular_undefined;
        return result;
    }
    result.I1_tri = *I1_tri;
    result.end = TPrimary_end::Complete;
    return result;
}

}  // namespace ostrelta
