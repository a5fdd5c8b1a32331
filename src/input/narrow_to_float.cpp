#include "input/narrow_to_float.h"

#include <cmath>

namespace ostrelta {

namespace {

// The largest float, 0x1.fffffep127, plus half a unit in its last place.
// From here on rounding to nearest gives infinity: at exactly this value the
// tie goes to the even neighbour, which is 2^128.
constexpr long double Overflow_threshold = 0x1.ffffffp127L;

}  // namespace

std::optional<float> Narrow_to_float(long double value)
{
    if (!(std::fabs(value) < Overflow_threshold)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace ostrelta
