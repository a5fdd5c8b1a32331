#include "format_fixed.h"

#include "decimal_expansion.h"

#include <algorithm>
#include <cmath>

namespace ostrelta {

namespace {

// A value rounded for display: 0.d1 d2 ... dn * 10^exponent, no digits for 0.
struct TDecimal {
    std::string digits;  // significant digits, most significant first
    int exponent = 0;
};

// Keeps `count` significant digits of the 18-digit expansion, rounding half
// up on the first dropped one.
TDecimal Round_to(const TDecimal_expansion& expansion, int count)
{
    const bool round_up =
        count >= 0 && count < Expansion_digits && expansion.digits[static_cast<std::size_t>(count)] >= '5';
    if (count <= 0) {
        // No digit is kept: the value becomes 0, or one unit of the last kept place.
        return {round_up ? "1" : "", expansion.exponent - count + 1};
    }
    TDecimal rounded{std::string(expansion.digits.data(), static_cast<std::size_t>(std::min(count, Expansion_digits))),
                     expansion.exponent};
    if (round_up) {
        int i = count - 1;
        while (i >= 0 && rounded.digits[static_cast<std::size_t>(i)] == '9') {
            rounded.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++rounded.digits[static_cast<std::size_t>(i)];
        } else {
            rounded.digits.insert(rounded.digits.begin(), '1');
            rounded.digits.pop_back();
            ++rounded.exponent;
        }
    }
    return rounded;
}

bool Is_zero(const TDecimal& decimal)
{
    return decimal.digits.find_first_not_of('0') == std::string::npos;
}

std::string Exponent_form(TDecimal decimal, std::string_view separator)
{
    const std::size_t last = decimal.digits.find_last_not_of('0');
    decimal.digits.resize(last == std::string::npos ? 1 : last + 1);
    std::string text(1, decimal.digits.front());
    if (decimal.digits.size() > 1) {
        text += separator;
        text += decimal.digits.substr(1);
    }
    text += 'E';
    text += std::to_string(decimal.exponent - 1);
    return text;
}

}  // namespace

std::string Format_fixed(float value, int precision, int decimals, std::string_view separator)
{
    if (!std::isfinite(value)) {
        // Never reached by the results of a run without error, which are all finite.
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    }
    TDecimal kept;
    if (value != 0) {
        const TDecimal_expansion expansion = Decimal_expansion(value);
        kept = Round_to(expansion, std::min(precision, expansion.exponent + decimals));
    }
    if (Is_zero(kept)) {
        kept = TDecimal{};
    }
    std::string text = (std::signbit(value) && !Is_zero(kept)) ? "-" : "";
    if (kept.exponent > precision) {
        return text + Exponent_form(kept, separator);
    }
    // The digit at 10^power, with the kept digits followed by zeros.
    const auto digit_at = [&kept](int power) {
        const int index = kept.exponent - 1 - power;
        return index >= 0 && index < static_cast<int>(kept.digits.size()) ? kept.digits[static_cast<std::size_t>(index)]
                                                                          : '0';
    };
    if (kept.exponent <= 0) {
        text += '0';
    }
    for (int power = kept.exponent - 1; power >= 0; --power) {
        text += digit_at(power);
    }
    if (decimals > 0) {
        text += separator;
        for (int place = 1; place <= decimals; ++place) {
            text += digit_at(-place);
        }
    }
    return text;
}

}  // namespace ostrelta
