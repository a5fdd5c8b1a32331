#include "design_calculation.h"

#include "acceptance_checks.h"
#include "core_parameters.h"
#include "extended_arithmetic.h"
#include "load_power.h"
#include "overall_power_search.h"
#include "primary_winding.h"
#include "wires_and_secondaries.h"

namespace ostrelta {

namespace {

using Msg = TCalculation_message;

// Inputs that the field checks admit can still drive a formula outside
// ordinary arithmetic: an efficiency at or below zero (loads of about 1 to
// 3 W), a trial power stepping down to zero, values beyond the float range
// (cores of absurd size), an inductance of zero. None of them has a message of
// its own, so the run ends with the first limit error that already holds for
// what has been computed (for a load of a few watts that is the load error),
// and otherwise with the error that tells the truth about the stage:
//   - core values or overall power beyond the float range: a core that large
//     needs less than one primary turn (w1 falls as the cross-section grows);
//   - a core value that is 0 in float, a trial power that collapses (at the
//     load power itself the core gave less than 0.98 of it, so below the used
//     power), or primary values beyond the float range (a vanishing
//     cross-section): the core is too small for the used power.
// An inductance of zero, or so small that the triangular current leaves the
// float range, is below 1 nH, so one of the limits always holds for it; the
// current shape is then not judged.
Msg Unworkable_design_error(const TDesign_results& r, Msg stage_error)
{
    return First_limit_error(r).value_or(stage_error);
}

}  // namespace

TCalculation_outcome Run_design_calculation(const TDesign_input& input, TConverter_topology topology,
                                            TCore_entry_mode mode)
{
    TCalculation_outcome outcome;
    TDesign_results& r = outcome.results;

    // Stages 1 and 2: load power and output activity.
    const TLoad_power load = Load_power(input);
    r.P_load = load.P_load;
    if (r.P_load == 0) {
        outcome.error = Msg::No_load;
        return outcome;
    }
    r.output_active = load.output_active;

    // Stage 3: supply maximum, efficiency, frequency and used power.
    const TSupply_and_efficiency supply = Supply_and_efficiency(input, r.P_load);
    r.U_supply_max = supply.U_supply_max;
    r.efficiency = supply.efficiency;
    r.efficiency_pct = supply.efficiency_pct;
    r.f_Hz = supply.f_Hz;
    r.P_used = supply.P_used;
    if (supply.efficiency_not_positive || supply.used_power_beyond_range) {
        outcome.error = Unworkable_design_error(r, Msg::Load_below_25W);
        return outcome;
    }

    // Stage 4: core parameters.
    const TCore_parameters core = Core_parameters(input, mode);
    r.S_window = core.S_window;
    r.S_core = core.S_core;
    r.l_mean = core.l_mean;
    if (core.beyond_range) {
        outcome.error = Unworkable_design_error(r, Msg::Turns_w1_below_1);
        return outcome;
    }
    if (core.vanishing) {
        outcome.error = Unworkable_design_error(r, Msg::Overall_below_used);
        return outcome;
    }

    // Stage 5: working flux density and the overall power search.
    r.B_work = Store(0.625L * input.B_sat);
    const TOverall_power_search search =
        Overall_power_search(r.S_core, r.S_window, r.f_Hz, r.B_work, r.efficiency, r.P_load);
    r.P_trial = search.P_trial;
    r.current_density = search.current_density;
    r.P_overall = search.P_overall;
    if (search.end == TSearch_end::Beyond_range) {
        outcome.error = Unworkable_design_error(r, Msg::Turns_w1_below_1);
        return outcome;
    }
    if (search.end == TSearch_end::Trial_collapsed) {
        outcome.error = Unworkable_design_error(r, Msg::Overall_below_used);
        return outcome;
    }

    // Stage 6: overall power against the used power.
    outcome.error = Overall_power_error(r.P_overall, r.P_used);
    if (outcome.error) {
        return outcome;
    }
    if (Overall_margin_low(r.P_overall, r.P_used)) {
        outcome.warnings.push_back(Msg::Overall_margin_low);
    }

    // Stage 7: primary winding.
    const TPrimary_winding primary = Primary_winding(r.U_supply_max, r.f_Hz, r.B_work, r.S_core, r.l_mean, input.mu_eff,
                                                     r.P_used, Topology_parameters(topology));
    r.U1 = primary.U1;
    r.w1 = primary.w1;
    r.L1 = primary.L1;
    r.L1_mH = primary.L1_mH;
    r.I1_rect = primary.I1_rect;
    r.I1_tri = primary.I1_tri;
    if (primary.end != TPrimary_end::Complete) {
        outcome.error = Unworkable_design_error(r, Msg::Overall_below_used);
        return outcome;
    }

    // Stage 8: shape of the primary current.
    if (Triangular_current_high(r.I1_tri, r.I1_rect)) {
        outcome.warnings.push_back(Msg::Triangular_current_high);
    }

    // Stage 9: maximum primary current, wires and secondaries.
    const auto I1_max = Round_hundredths(static_cast<ext>(r.I1_rect) + r.I1_tri);
    if (!I1_max) {
        outcome.error = Unworkable_design_error(r, Msg::Overall_below_used);
        return outcome;
    }
    r.I1_max = *I1_max;
    const TWires_and_secondaries wires = Wires_and_secondaries(r.I1_max, r.w1, r.U1, input.U_load, input.I_load);
    r.d1 = wires.d1;
    r.w2 = wires.w2;
    r.d2 = wires.d2;
    if (wires.beyond_range) {
        outcome.error = Unworkable_design_error(r, Msg::Overall_below_used);
        return outcome;
    }

    // Stage 10: limits of the finished design.
    outcome.error = First_limit_error(r);
    return outcome;
}

}  // namespace ostrelta
