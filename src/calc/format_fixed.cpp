#include "format_fixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ostrelta {

namespace {

constexpr int Expansion_digits = 18;

// The value as 0.d1 d2 ... d18 * 10^exponent.
struct TDecimal {
    std::string digits;  // significant digits, most significant first
    int exponent = 0;
};

TDecimal Expand(float value)
{
    // Scientific form with 17 digits after the point: d.ddd...e±xx, exact and
    // correctly rounded, independent of the C locale.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                         std::chars_format::scientific, Expansion_digits - 1);
    TDecimal decimal;
    if (ec != std::errc{}) {
        return decimal;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            decimal.digits += c;
        }
    }
    int exponent = 0;
    const std::string_view exponent_text = text.substr(e + 1);
    const char* first = exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0);
    std::from_chars(first, exponent_text.data() + exponent_text.size(), exponent);
    decimal.exponent = exponent + 1;
    return decimal;
}

// Keeps `count` significant digits, rounding half up on the first dropped one.
TDecimal Round_to(const TDecimal& decimal, int count)
{
    TDecimal rounded{decimal.digits.substr(0, static_cast<std::size_t>(std::max(count, 0))), decimal.exponent};
    const bool round_up = count >= 0 && count < static_cast<int>(decimal.digits.size())
                          && decimal.digits[static_cast<std::size_t>(count)] >= '5';
    if (count <= 0) {
        // No digit is kept: the value becomes 0, or one unit of the last kept place.
        rounded.digits = round_up ? "1" : "";
        rounded.exponent = decimal.exponent - count + 1;
        return rounded;
    }
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
    const TDecimal expanded = Expand(value);
    TDecimal kept = value == 0 ? TDecimal{} : Round_to(expanded, std::min(precision, expanded.exponent + decimals));
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
