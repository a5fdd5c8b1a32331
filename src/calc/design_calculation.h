#pragma once

#include "calculation_outcome.h"
#include "converter_topology.h"
#include "core_entry_mode.h"
#include "design_input.h"

namespace ostrelta {

// Runs the whole design of T2 for one validated input: load power, efficiency,
// core, overall power search, primary winding, wires and secondaries, with the
// acceptance checks in their fixed order. Touches nothing outside its result.
TCalculation_outcome Run_design_calculation(const TDesign_input& input, TConverter_topology topology,
                                            TCore_entry_mode mode);

}  // namespace ostrelta
