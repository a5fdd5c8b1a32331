#pragma once

#include "input/input_field.h"
#include "input/input_outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace ostrelta {

// Reads the 21 field texts of a calculation window, in field order, with the
// decimal separator `separator`. The first field that fails ends the reading
// with its message, and the fields after it are not read. When all pass,
// the core dimensions decide between a toroid, a core given by its
// parameters, a rejection, or an end without a message.
TInput_outcome Read_design_fields(const std::array<std::string, Field_count>& texts, std::string_view separator);

}  // namespace ostrelta
