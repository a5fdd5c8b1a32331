#include "load_power.h"

#include "design_results.h"
#include "extended_arithmetic.h"

namespace ostrelta {

TLoad_power Load_power(const TDesign_input& input)
{
    TLoad_power result{};
    ext sum = 0;
    for (int k = 0; k < Output_count; ++k) {
        const ext product = static_cast<ext>(input.I_load[k]) * input.U_load[k];
        sum += product;
        result.output_active[k] = product != 0;
    }
    // At most 5 * 5000 A * 15000 V: always a finite float.
    result.P_load = Store(sum);
    return result;
}

TSupply_and_efficiency Supply_and_efficiency(const TDesign_input& input, float P_load)
{
    TSupply_and_efficiency result{};
    result.U_supply_max = Store(static_cast<ext>(input.U_supply) * input.U_rise_pct * Dbl_0_01 + input.U_supply);

    // F^1.3 as exp(1.3 * ln F), the product rounded to double before exp.
    const ext F_pow = Exp_of(static_cast<double>(Dbl_1_3 * Ln_of(input.F_kHz)));
    const ext a = Dbl_9_95 / F_pow;
    const ext b = (a + 1) / P_load;
    const ext c = Dbl_0_99 - Dbl_0_175 / input.F_kHz;
    result.f_Hz = Store(static_cast<ext>(input.F_kHz) * 1000);
    result.P_used = TDesign_results::Not_computed;

    const ext efficiency = c - b;
    // c is at most 0.99 and b is positive, so only a hugely negative efficiency
    // (a load power near the smallest float) can leave the float range.
    if (!Fits_float(efficiency) || !Fits_float(static_cast<ext>(Store(efficiency)) * 100)) {
        result.efficiency = TDesign_results::Not_computed;
        result.efficiency_pct = TDesign_results::Not_computed;
        result.efficiency_not_positive = true;
        return result;
    }
    result.efficiency = Store(efficiency);
    result.efficiency_pct = Store(static_cast<ext>(result.efficiency) * 100);
    if (result.efficiency <= 0) {
        result.efficiency_not_positive = true;
        return result;
    }
    const ext P_used = static_cast<ext>(P_load) / result.efficiency;
    if (!Fits_float(P_used)) {
        result.used_power_beyond_range = true;
        return result;
    }
    result.P_used = Store(P_used);
    return result;
}

}  // namespace ostrelta
