#pragma once

#include "calculation_message.h"
#include "design_results.h"

#include <optional>
#include <vector>

namespace ostrelta {

// What one run of the calculation yields.
struct TCalculation_outcome {
    std::vector<TCalculation_message> warnings;  // in the order raised, each at most once
    std::optional<TCalculation_message> error;   // the error that ended the run, if any
    TDesign_results results;                     // complete when there is no error
};

}  // namespace ostrelta
