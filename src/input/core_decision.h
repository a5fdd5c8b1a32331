#pragma once

#include "calc/core_entry_mode.h"
#include "input/input_rejection.h"
#include "input/input_silent_end.h"

#include <variant>

namespace ostrelta {

// What the six core dimensions decide: the core description to calculate
// with, a rejection, or an end without a message.
using TCore_decision = std::variant<TCore_entry_mode, TInput_rejection, TInput_silent_end>;

}  // namespace ostrelta
