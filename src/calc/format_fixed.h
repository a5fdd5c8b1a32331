#pragma once

#include <string>
#include <string_view>

namespace ostrelta {

// Fixed-point text of a value with at most `precision` significant digits and
// exactly `decimals` digits after the separator, rounded half away from zero
// from the value's 18-digit decimal expansion. A value with more integer
// digits than `precision` is written in exponent form instead: the mantissa
// rounded to `precision` significant digits without trailing zeros, then "E"
// and the decimal exponent, e.g. 2,0833334E10.
std::string Format_fixed(float value, int precision, int decimals, std::string_view separator);

}  // namespace ostrelta
