#pragma once

#include "calc/design_input.h"
#include "input/core_decision.h"

namespace ostrelta {

// Judges the six core dimensions of input whose fields all passed their own
// checks: a toroid needs D > d and h filled with the window area, section and
// path length zero; a core of another shape needs the reverse. Each other
// pattern of zeros is rejected with the message that names it, except values
// in both sets (not all six), which end without a message. Only the six
// values decide; a negative zero counts as zero.
TCore_decision Judge_core_dimensions(const TDesign_input& input);

}  // namespace ostrelta
