#pragma once

#include "calc/design_input.h"
#include "input/input_field.h"

namespace ostrelta {

// The member of the record that holds a field's value.
float& Field_slot(TDesign_input& input, TInput_field field);
float Field_slot(const TDesign_input& input, TInput_field field);

}  // namespace ostrelta
