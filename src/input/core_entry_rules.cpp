#include "input/core_entry_rules.h"

#include "input/input_texts.h"

namespace ostrelta {

namespace {

TCore_decision Reject(TInput_text id)
{
    return TInput_rejection{std::string(Input_text(id))};
}

}  // namespace

TCore_decision Judge_core_dimensions(const TDesign_input& input)
{
    using T = TInput_text;
    const float D = input.D_outer;
    const float d = input.d_inner;
    const bool D_zero = input.D_outer == 0;
    const bool d_zero = input.d_inner == 0;
    const bool h_zero = input.h_height == 0;
    const bool So_zero = input.S_window == 0;
    const bool Sc_zero = input.S_core == 0;
    const bool l_zero = input.l_mean == 0;
    const bool toroid_zero = D_zero && d_zero && h_zero;
    const bool toroid_full = !D_zero && !d_zero && !h_zero;
    const bool manual_zero = So_zero && Sc_zero && l_zero;
    const bool manual_full = !So_zero && !Sc_zero && !l_zero;

    // The rules in order; the first that holds decides. With the manual set
    // zero, a missing D, d or h is named before the diameters are compared;
    // the comparison ignores h, so it also answers d alone (D and h zero).
    // The values are never negative here: their own field checks reject that.
    if (toroid_zero && manual_zero) {
        return Reject(T::Core_all_zero);
    }
    if (toroid_full && manual_full) {
        return Reject(T::Core_both_sets_filled);
    }
    if (manual_zero) {
        if (D_zero && !d_zero && !h_zero) {
            return Reject(T::Core_outer_zero);
        }
        if (d_zero && !D_zero && !h_zero) {
            return Reject(T::Core_inner_zero);
        }
        if (h_zero && !D_zero && !d_zero) {
            return Reject(T::Core_height_zero);
        }
        if (D_zero && d_zero && !h_zero) {
            return Reject(T::Core_diameters_zero);
        }
        if (!(D > d)) {
            return Reject(T::Core_inner_not_below_outer);
        }
        if (d_zero && h_zero && !D_zero) {
            return Reject(T::Core_inner_and_height_zero);
        }
    }
    if (toroid_zero) {
        if (So_zero && !Sc_zero && !l_zero) {
            return Reject(T::Core_window_zero);
        }
        if (Sc_zero && !So_zero && !l_zero) {
            return Reject(T::Core_section_zero);
        }
        if (l_zero && !So_zero && !Sc_zero) {
            return Reject(T::Core_path_zero);
        }
        if (So_zero && Sc_zero && !l_zero) {
            return Reject(T::Core_window_and_section_zero);
        }
        if (So_zero && l_zero && !Sc_zero) {
            return Reject(T::Core_window_and_path_zero);
        }
        if (Sc_zero && l_zero && !So_zero) {
            return Reject(T::Core_section_and_path_zero);
        }
    }
    if (toroid_full && manual_zero) {
        return TCore_entry_mode::Toroidal;
    }
    if (toroid_zero && manual_full) {
        return TCore_entry_mode::Manual;
    }
    return TInput_silent_end{};
}

}  // namespace ostrelta
