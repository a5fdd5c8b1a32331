#include "decimal_expansion.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace ostrelta {

TDecimal_expansion Decimal_expansion(float value)
{
    // Scientific form with 17 digits after the point, d.ddd...e±xx: exact,
    // correctly rounded, and independent of the C locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                       std::chars_format::scientific, Expansion_digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    TDecimal_expansion expansion;
    std::size_t count = 0;
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.' && count < expansion.digits.size()) {
            expansion.digits[count++] = c;
        }
    }
    std::string_view exponent_text = text.substr(e + 1);
    if (!exponent_text.empty() && exponent_text.front() == '+') {
        exponent_text.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
    expansion.exponent = exponent + 1;
    return expansion;
}

}  // namespace ostrelta
