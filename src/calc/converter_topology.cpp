#include "converter_topology.h"

namespace ostrelta {

TTopology_parameters Topology_parameters(TConverter_topology topology)
{
    // The drops are the doubles nearest 1.6 and 0.8; the other numbers are exact.
    switch (topology) {
    case TConverter_topology::Bridge_floor: return {0.5L, 1.6, 1, 4};
    case TConverter_topology::Bridge: return {1, 1.6, 1, 4};
    case TConverter_topology::With_average_conclusion: return {2, 0.8, 2, 2};
    }
    return {0.5L, 1.6, 1, 4};
}

}  // namespace ostrelta
