#pragma once

#include "input/input_rejection.h"
#include "input/input_silent_end.h"
#include "input/validated_design.h"

#include <variant>

namespace ostrelta {

// What reading the fields of a calculation window yields.
using TInput_outcome = std::variant<TValidated_design, TInput_rejection, TInput_silent_end>;

}  // namespace ostrelta
