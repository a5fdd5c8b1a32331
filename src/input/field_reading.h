#pragma once

#include "input/input_field.h"
#include "input/input_rejection.h"

#include <string_view>
#include <variant>

namespace ostrelta {

// One field read: its value narrowed to a float, or the field's message.
using TField_reading = std::variant<float, TInput_rejection>;

// Converts the text of one field with the decimal separator `separator`,
// narrows the number to a float and checks it against the field's bounds.
// Every bound applies to the narrowed value: "2000,00001" narrows to 2000
// and is accepted as the supply voltage. A negative zero is a zero.
TField_reading Read_field(TInput_field field, std::string_view text, std::string_view separator);

}  // namespace ostrelta
