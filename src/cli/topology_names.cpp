#include "topology_names.h"

#include <array>
#include <utility>

namespace ostrelta {

namespace {

constexpr std::array<std::pair<TConverter_topology, std::string_view>, 3> Names{{
    {TConverter_topology::Bridge_floor, "half-bridge"},
    {TConverter_topology::Bridge, "full-bridge"},
    {TConverter_topology::With_average_conclusion, "centre-tapped"},
}};

}  // namespace

std::string_view Topology_name(TConverter_topology topology)
{
    for (const auto& [value, name] : Names) {
        if (value == topology) {
            return name;
        }
    }
    return {};
}

std::optional<TConverter_topology> Topology_from_name(std::string_view name)
{
    for (const auto& [value, known] : Names) {
        if (known == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool Is_suitable_separator(std::string_view separator)
{
    return !separator.empty() && separator.find_first_of("0123456789+-eE \t") == std::string_view::npos;
}

}  // namespace ostrelta
