#pragma once

namespace ostrelta {

enum class TConverter_topology {
    Bridge_floor,             // half-bridge
    Bridge,                   // full bridge
    With_average_conclusion,  // centre-tapped primary
};

// The only numbers in which the three converters differ.
struct TTopology_parameters {
    long double voltage_factor;       // U1 = voltage_factor * U_supply_max - voltage_drop
    long double voltage_drop;         // V
    long double rect_current_factor;  // I1_rect = rect_current_factor * P_used / U1
    long double tri_current_divisor;  // I1_tri = U1 / (tri_current_divisor * f_Hz * L1)
};

TTopology_parameters Topology_parameters(TConverter_topology topology);

}  // namespace ostrelta
