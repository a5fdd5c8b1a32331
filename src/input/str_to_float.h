#pragma once

#include <optional>
#include <string_view>

namespace ostrelta {

// Converts a number text the way the input fields are read, independent of
// the process's C locale:
//   spaces* [+|-] digits* [separator digits*] [(E|e) [+|-] digits*] spaces*
// where at least one mantissa digit or the separator is present (the
// separator alone is zero) and an exponent without digits is 0. Only the
// space character counts as a space. Anything else, or a value beyond the
// range of long double, gives no result. The result is the text's value
// correctly rounded to long double; a value too small for long double
// becomes its nearest long double, down to a zero of the text's sign.
// `separator` is the decimal separator and may be several bytes long; when
// it is empty no fraction can be written.
std::optional<long double> StrToFloat(std::string_view text, std::string_view separator);

}  // namespace ostrelta
