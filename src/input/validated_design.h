#pragma once

#include "calc/core_entry_mode.h"
#include "calc/design_input.h"

namespace ostrelta {

// Input that passed every check, with the core description it uses.
struct TValidated_design {
    TDesign_input input;
    TCore_entry_mode mode = TCore_entry_mode::Toroidal;
};

}  // namespace ostrelta
