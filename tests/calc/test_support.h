#pragma once

#include "calc/core_entry_mode.h"
#include "calc/design_input.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace ostrelta::testing {

// The worked example: a 310 V supply feeding five outputs on a 40 x 25 x 11 mm toroid.
inline TDesign_input Example_input()
{
    TDesign_input input;
    input.U_supply = 310;
    input.U_rise_pct = 20;
    input.B_sat = 0.38f;
    input.mu_eff = 2000;
    input.F_kHz = 50;
    input.U_load = {50, 25, 10, 6, 40};
    input.I_load = {3, 1, 1, 0.5f, 0.3f};
    input.D_outer = 40;
    input.d_inner = 25;
    input.h_height = 11;
    return input;
}

// The example's electrical inputs with a single load on output 1.
inline TDesign_input Example_with_single_load(float U, float I)
{
    TDesign_input input = Example_input();
    input.U_load = {U, 0, 0, 0, 0};
    input.I_load = {I, 0, 0, 0, 0};
    return input;
}

// The example's electrical inputs on a core given by its parameters.
inline TDesign_input Example_with_manual_core(float S_window, float S_core, float l_mean)
{
    TDesign_input input = Example_input();
    input.D_outer = input.d_inner = input.h_height = 0;
    input.S_window = S_window;
    input.S_core = S_core;
    input.l_mean = l_mean;
    return input;
}

// Floats compare by their bits: the shown digits depend on the last one.
inline ::testing::AssertionResult Same_float(const char* actual_expr, const char*, float actual, float expected)
{
    if (std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual_expr << " is " << ::testing::PrintToString(actual) << " ("
                                         << std::hexfloat << actual << "), expected "
                                         << ::testing::PrintToString(expected) << " (" << expected << ")"
                                         << std::defaultfloat;
}

}  // namespace ostrelta::testing

#define EXPECT_SAME_FLOAT(actual, expected) EXPECT_PRED_FORMAT2(::ostrelta::testing::Same_float, actual, expected)
