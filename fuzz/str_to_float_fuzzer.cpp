// The conversion of a field's text to a number, held against a reference
// written from the rules alone:
//   spaces*, an optional + or -, digits with an optional decimal separator
//   (at least one digit or the separator; the separator alone is zero), an
//   optional exponent (E or e, an optional sign, digits, possibly none),
//   spaces*, and nothing else; a value beyond the long double range fails.
// The reference matches the text with a regular expression and computes the
// value from the digits by itself: exactly where one rounding suffices, to a
// close relative bound elsewhere.
//
// Input format: the first byte chooses the separator ('.' or ',' as written,
// 'a' the two-byte Arabic decimal separator U+066B, 'n' none at all, any
// other byte a separator made of the next one to three bytes); the rest is
// the text. A made-up separator that contains a digit, a sign, a space, an
// exponent letter or a control byte makes the rules ambiguous: such texts are
// only checked to convert without fault.

#include "fuzz_check.h"
#include "input/str_to_float.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace ostrelta::fuzzing {
namespace {

constexpr std::size_t Longest_reference_text = 1000;

struct TConversion_input {
    std::string separator;
    std::string_view text;
};

TConversion_input Decode(std::string_view data)
{
    if (data.empty()) {
        return {",", data};
    }
    const char selector = data[0];
    data.remove_prefix(1);
    switch (selector) {
    case '.':
    case ',': return {std::string(1, selector), data};
    case 'a': return {"\u066B", data};
    case 'n': return {"", data};
    default: break;
    }
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(selector) % 3 + 1, data.size());
    return {std::string(data.substr(0, length)), data.substr(length)};
}

// A separator that no other part of the grammar can mistake for its own.
bool Unambiguous(std::string_view separator)
{
    for (char c : separator) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || (c >= '0' && c <= '9') || c == ' ' || c == '+' || c == '-' || c == 'e' ||
            c == 'E') {
            return false;
        }
    }
    return true;
}

std::string Regex_escaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// The grammar as a regular expression. Compiling one is slow, and most
// inputs use one of a few separators, so the last ones are kept.
const std::regex& Grammar(const std::string& separator)
{
    static std::map<std::string, std::regex> compiled;
    if (const auto found = compiled.find(separator); found != compiled.end()) {
        return found->second;
    }
    if (compiled.size() >= 64) {
        compiled.clear();
    }
    const std::string sep = Regex_escaped(separator);
    const std::string mantissa =
        separator.empty() ? "([0-9]+)()" : "(?:([0-9]+)(?:" + sep + "([0-9]*))?|()" + sep + "([0-9]*))";
    return compiled.emplace(separator, std::regex(" *([+-]?)" + mantissa + "(?:[eE]([+-]?)([0-9]*))? *")).first->second;
}

// What the reference reads from an accepted text.
struct TNumber_parts {
    bool negative;
    std::string digits;        // integer digits, then fraction digits
    long long integer_digits;  // how many of them stand before the separator
    long long exponent;        // saturated far beyond any that matters
};

std::optional<TNumber_parts> Reference_parts(std::string_view text, const std::string& separator)
{
    const std::regex& grammar = Grammar(separator);
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, grammar)) {
        return std::nullopt;
    }
    // Groups: 1 sign; with a separator 2 integer, 3 fraction, 4 empty
    // integer, 5 fraction after a bare separator; without one 2 integer,
    // 3 empty; then the exponent's sign and digits.
    const std::size_t exponent_group = separator.empty() ? 4 : 6;
    TNumber_parts parts{};
    parts.negative = m.str(1) == "-";
    const std::string integer = m[2].matched ? m.str(2) : "";
    const std::string fraction = separator.empty() ? "" : (m[2].matched ? m.str(3) : m.str(5));
    parts.digits = integer + fraction;
    parts.integer_digits = static_cast<long long>(integer.size());
    for (char c : m.str(exponent_group + 1)) {
        parts.exponent = std::min(parts.exponent * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    if (m.str(exponent_group) == "-") {
        parts.exponent = -parts.exponent;
    }
    return parts;
}

void Check_against_reference(std::string_view text, const std::string& separator,
                             const std::optional<long double>& value)
{
    const std::string shown = "text \"" + std::string(text) + "\", separator \"" + separator + "\"";
    const std::optional<TNumber_parts> parts = Reference_parts(text, separator);
    if (!parts) {
        Require(!value, "a text outside the grammar is refused", shown);
        return;
    }
    const std::size_t first = parts->digits.find_first_not_of('0');
    if (first == std::string::npos) {
        // Zero, whatever the exponent, with the text's sign.
        Require(value && *value == 0 && std::signbit(*value) == parts->negative, "zero keeps its sign", shown);
        return;
    }
    // The value is 0.d1d2d3... times 10^(scale + 1), d1 being the first
    // significant digit.
    const std::size_t last = parts->digits.find_last_not_of('0');
    const std::string significant = parts->digits.substr(first, last - first + 1);
    const long long scale = parts->integer_digits - 1 - static_cast<long long>(first) + parts->exponent;

    // Largest long double about 1.19e4932, smallest subnormal about 3.6e-4951.
    if (scale >= 4933) {
        Require(!value, "a value beyond the long double range is refused", shown);
        return;
    }
    if (scale <= 4931) {
        Require(value.has_value(), "a text within the grammar and the range is accepted", shown);
    }
    if (!value) {
        return;
    }
    Require(std::isfinite(*value) && std::signbit(*value) == parts->negative, "the value is finite with its sign",
            shown);
    if (scale <= -4953) {
        Require(*value == 0, "a value below half the smallest subnormal becomes zero", shown);
        return;
    }
    if (scale < -4900 || scale > 4900) {
        return;  // subnormal or at the edge of the range: only the sign and finiteness are checked
    }
    // Up to 19 significant digits make an exact 64-bit integer m; the value
    // is m times 10^power.
    const std::size_t taken = std::min<std::size_t>(significant.size(), 19);
    std::uint64_t m = 0;
    for (std::size_t i = 0; i < taken; ++i) {
        m = m * 10 + static_cast<std::uint64_t>(significant[i] - '0');
    }
    const long long power = scale - static_cast<long long>(taken) + 1;
    const long double magnitude = std::fabs(*value);
    if (taken == significant.size() && power >= -27 && power <= 27) {
        // m and 10^|power| are exact long doubles (5^27 < 2^63): one
        // multiplication or division rounds once, correctly.
        long double ten_power = 1;
        for (long long i = 0; i < (power < 0 ? -power : power); ++i) {
            ten_power *= 10;
        }
        const long double expected =
            power < 0 ? static_cast<long double>(m) / ten_power : static_cast<long double>(m) * ten_power;
        Require(magnitude == expected, "the value is correctly rounded", shown);
        return;
    }
    const long double expected = static_cast<long double>(m) * std::pow(10.0L, static_cast<long double>(power));
    Require(std::fabs(magnitude - expected) <= expected * 1e-16L, "the value agrees with the digits", shown);
}

}  // namespace
}  // namespace ostrelta::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ostrelta::fuzzing;
    const TConversion_input input = Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::optional<long double> value = ostrelta::StrToFloat(input.text, input.separator);
    // The regular expression recurses once a character: very long texts are
    // only checked to convert without fault.
    if (!Unambiguous(input.separator) || input.text.size() > Longest_reference_text) {
        Require(!value || std::isfinite(*value), "an accepted value is finite");
        return 0;
    }
    Check_against_reference(input.text, input.separator, value);
    return 0;
}
