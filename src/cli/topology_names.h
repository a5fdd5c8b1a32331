#pragma once

#include "calc/converter_topology.h"

#include <optional>
#include <string_view>

namespace ostrelta {

// Command-line names of the converters: half-bridge, full-bridge, centre-tapped.
std::string_view Topology_name(TConverter_topology topology);
std::optional<TConverter_topology> Topology_from_name(std::string_view name);

// A decimal separator must not be confused with a number's other characters.
bool Is_suitable_separator(std::string_view separator);

}  // namespace ostrelta
