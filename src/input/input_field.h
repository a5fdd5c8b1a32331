#pragma once

#include <optional>
#include <string_view>

namespace ostrelta {

inline constexpr int Field_count = 21;

// The input fields of a calculation window, in the order in which they are
// read and checked. The names match the members of TDesign_input; output k
// of the load arrays is U_loadk / I_loadk.
enum class TInput_field {
    U_supply,
    U_rise_pct,
    B_sat,
    mu_eff,
    F_kHz,
    U_load1,
    U_load2,
    U_load3,
    U_load4,
    U_load5,
    I_load1,
    I_load2,
    I_load3,
    I_load4,
    I_load5,
    D_outer,
    d_inner,
    h_height,
    S_window,
    S_core,
    l_mean,
};

// Position of a field in reading order, 0 for U_supply.
constexpr int Field_index(TInput_field field)
{
    return static_cast<int>(field);
}

// The field at a position in reading order; `index` must be below Field_count.
constexpr TInput_field Field_at(int index)
{
    return static_cast<TInput_field>(index);
}

// The field's identifier, e.g. "U_load1".
std::string_view Field_name(TInput_field field);

// The field with that identifier (exact, case-sensitive), if there is one.
std::optional<TInput_field> Field_from_name(std::string_view name);

}  // namespace ostrelta
