#pragma once

#include "calc/converter_topology.h"
#include "input/field_texts.h"

#include <string>

namespace ostrelta {

// One design to calculate: the converter, the decimal separator and the 21
// field texts, as a calculation window would hold them.
struct TDesign_request {
    TConverter_topology topology = TConverter_topology::Bridge_floor;
    std::string separator = ".";
    TField_texts texts = Initial_field_texts();
};

}  // namespace ostrelta
