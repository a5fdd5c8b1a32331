#pragma once

#include <optional>

namespace ostrelta {

// The value rounded to the nearest float (ties to even). A value too small
// for a float becomes a zero of its sign. A value whose rounding would
// overflow to infinity gives no result, and so does a NaN.
std::optional<float> Narrow_to_float(long double value);

}  // namespace ostrelta
