#pragma once

#include "design_input.h"
#include "design_results.h"

#include <array>
#include <string>
#include <string_view>

namespace ostrelta {

// The text of every result row of a run without error, and the caption of the
// inductance row, which names the unit (mH, or µH below 10 µH).
struct TResult_texts {
    std::string P_load;
    std::string P_used;
    std::string P_overall;
    std::string efficiency_pct;
    std::string U1;
    std::string I1_max;
    std::string I1_rect;
    std::string I1_tri;
    std::string w1;
    std::string L1;
    std::string d1;
    std::array<std::string, Output_count> w2;
    std::array<std::string, Output_count> d2;
    std::string S_window;
    std::string S_core;
    std::string l_mean;
    std::string L1_caption;
};

// Texts for the results of a run that ended without error, with the locale's
// decimal separator.
TResult_texts Result_texts(const TDesign_results& results, std::string_view separator);

}  // namespace ostrelta
