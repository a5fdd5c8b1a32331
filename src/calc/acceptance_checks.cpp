#include "acceptance_checks.h"

#include "extended_arithmetic.h"

namespace ostrelta {

using Msg = TCalculation_message;

std::optional<Msg> Overall_power_error(float P_overall, float P_used)
{
    if (P_overall < P_used) {
        return Msg::Overall_below_used;
    }
    if (P_overall == P_used) {
        return Msg::Overall_equals_used;
    }
    return std::nullopt;
}

bool Overall_margin_low(float P_overall, float P_used)
{
    return static_cast<ext>(P_used) * Dbl_0_2 + P_used > P_overall;
}

bool Triangular_current_high(float I1_tri, float I1_rect)
{
    return I1_tri > Store(Dbl_0_1 * I1_rect);
}

std::optional<Msg> First_limit_error(const TDesign_results& r)
{
    if (r.P_load > 5000) {
        return Msg::Load_above_5kW;
    }
    if (r.P_load < 25) {
        return Msg::Load_below_25W;
    }
    if (r.w1 < 1) {
        return Msg::Turns_w1_below_1;
    }
    if (r.L1 < Dbl_0_000000001) {
        return Msg::L1_below_1nH;
    }
    return std::nullopt;
}

}  // namespace ostrelta
