#include "input/input_field.h"

#include <array>

namespace ostrelta {

namespace {

// Identifiers in reading order, so that position i names Field_at(i).
constexpr std::array<std::string_view, Field_count> Names{
    "U_supply", "U_rise_pct", "B_sat",   "mu_eff",   "F_kHz",    "U_load1", "U_load2",
    "U_load3",  "U_load4",    "U_load5", "I_load1",  "I_load2",  "I_load3", "I_load4",
    "I_load5",  "D_outer",    "d_inner", "h_height", "S_window", "S_core",  "l_mean",
};

}  // namespace

std::string_view Field_name(TInput_field field)
{
    return Names[static_cast<std::size_t>(Field_index(field))];
}

std::optional<TInput_field> Field_from_name(std::string_view name)
{
    for (int i = 0; i < Field_count; ++i) {
        if (Names[static_cast<std::size_t>(i)] == name) {
            return Field_at(i);
        }
    }
    return std::nullopt;
}

}  // namespace ostrelta
