#pragma once

#include "calc/converter_topology.h"
#include "design_request.h"
#include "input/input_field.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ostrelta {

// What the command line says about a design: the converter, the separator,
// whether to start from the worked example, and the field texts it sets. A
// batch line may change the separator, so the texts are made for each request.
struct TDesign_defaults {
    TConverter_topology topology = TConverter_topology::Bridge_floor;
    std::string separator = ".";
    bool example = false;
    std::vector<std::pair<TInput_field, std::string>> assignments;

    // The request with every field's text: the window's initial text or the
    // example's (its numbers written with `separator`), then the assignments.
    TDesign_request Request(std::string_view separator) const;
};

}  // namespace ostrelta
