#pragma once

#include "input/input_field.h"

#include <array>
#include <string>
#include <string_view>

namespace ostrelta {

using TField_texts = std::array<std::string, Field_count>;

// The field texts of a window when it opens or is cleared: every field "0"
// but the permissible supply rise, "15".
TField_texts Initial_field_texts();

// The field texts of the worked example: a 310 V supply with a 20 % rise,
// 0.38 T, permeability 2000 and 50 kHz, five outputs (50 V 3 A, 25 V 1 A,
// 10 V 1 A, 6 V 0.5 A, 40 V 0.3 A) and a 40 × 25 × 11 mm toroid, the
// fractional values written with `separator`.
TField_texts Example_field_texts(std::string_view separator);

}  // namespace ostrelta
