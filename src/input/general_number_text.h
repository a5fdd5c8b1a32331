#pragma once

#include <string>
#include <string_view>

namespace ostrelta {

// The value with up to 15 significant digits and no trailing zeros, with
// `separator` as the decimal separator, whatever the C locale: 2000 gives
// "2000", 0.38 gives "0,38" with a comma. Values of 10^15 and above or below
// 10^-4 are written with an exponent ("1e+20"), which still reads back.
std::string General_number_text(double value, std::string_view separator);

}  // namespace ostrelta
