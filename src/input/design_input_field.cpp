#include "input/design_input_field.h"

#include <cstddef>

namespace ostrelta {

namespace {

// Shared by the const and non-const accessors; Input is TDesign_input with
// or without const.
template <class Input>
auto& Slot(Input& input, TInput_field field)
{
    switch (field) {
    case TInput_field::U_supply: return input.U_supply;
    case TInput_field::U_rise_pct: return input.U_rise_pct;
    case TInput_field::B_sat: return input.B_sat;
    case TInput_field::mu_eff: return input.mu_eff;
    case TInput_field::F_kHz: return input.F_kHz;
    case TInput_field::D_outer: return input.D_outer;
    case TInput_field::d_inner: return input.d_inner;
    case TInput_field::h_height: return input.h_height;
    case TInput_field::S_window: return input.S_window;
    case TInput_field::S_core: return input.S_core;
    case TInput_field::l_mean: return input.l_mean;
    default: break;
    }
    // U_load1 … U_load5 and I_load1 … I_load5 follow each other in field order.
    const int index = Field_index(field);
    const int first_current = Field_index(TInput_field::I_load1);
    if (index < first_current) {
        return input.U_load[static_cast<std::size_t>(index - Field_index(TInput_field::U_load1))];
    }
    return input.I_load[static_cast<std::size_t>(index - first_current)];
}

}  // namespace

float& Field_slot(TDesign_input& input, TInput_field field)
{
    return Slot(input, field);
}

float Field_slot(const TDesign_input& input, TInput_field field)
{
    return Slot(input, field);
}

}  // namespace ostrelta
