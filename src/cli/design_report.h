#pragma once

#include "calc/calculation_outcome.h"
#include "calc/core_entry_mode.h"
#include "calc/result_texts.h"
#include "design_request.h"

#include <optional>
#include <string>

namespace ostrelta {

enum class TReport_status {
    Ok,        // results without error
    Error,     // the calculation ended with an error
    Rejected,  // a field or the core dimensions were rejected with a message
    Silent,    // both core descriptions were filled in: nothing is calculated
};

// Everything one design request yields, from the field texts to the result texts.
struct TDesign_report {
    TReport_status status = TReport_status::Silent;
    std::optional<TCore_entry_mode> mode;         // when the fields were accepted
    std::string rejection;                        // when rejected
    std::optional<TCalculation_outcome> outcome;  // when the calculation ran
    std::optional<TResult_texts> texts;           // when Ok
};

// Reads the field texts as a window does and runs the calculation on them.
TDesign_report Evaluate_design(const TDesign_request& request);

// 0 for results without error, 1 for a calculation error, 2 for a rejected
// input or the end without a message.
int Exit_status(const TDesign_report& report);

}  // namespace ostrelta
