// Field identifiers, as a command-line tool names the fields.

#include "input/input_field.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace ostrelta::testing {
namespace {

TEST(FieldNames, NameEveryFieldInReadingOrder)
{
    constexpr std::array<std::string_view, Field_count> expected{
        "U_supply", "U_rise_pct", "B_sat",   "mu_eff",   "F_kHz",    "U_load1", "U_load2",
        "U_load3",  "U_load4",    "U_load5", "I_load1",  "I_load2",  "I_load3", "I_load4",
        "I_load5",  "D_outer",    "d_inner", "h_height", "S_window", "S_core",  "l_mean",
    };
    for (int i = 0; i < Field_count; ++i) {
        const TInput_field field = Field_at(i);
        EXPECT_EQ(Field_name(field), expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Field_from_name(expected[static_cast<std::size_t>(i)]), field);
    }
    EXPECT_EQ(Field_at(0), TInput_field::U_supply);
    EXPECT_EQ(Field_at(Field_count - 1), TInput_field::l_mean);
}

TEST(FieldNames, UnknownOrMistypedNamesFindNoField)
{
    for (std::string_view name : {"", "u_supply", "D_OUTER", "U_load6", "U_load", "U_load1 ", " l_mean"}) {
        EXPECT_FALSE(Field_from_name(name).has_value()) << '"' << name << '"';
    }
}

}  // namespace
}  // namespace ostrelta::testing
