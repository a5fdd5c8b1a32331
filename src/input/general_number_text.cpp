#include "input/general_number_text.h"

#include <charconv>

namespace ostrelta {

namespace {

constexpr int Significant_digits = 15;

}  // namespace

std::string General_number_text(double value, std::string_view separator)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, Significant_digits);
    std::string text;
    if (ec != std::errc{}) {
        return text;
    }
    for (const char* p = buffer; p != end; ++p) {
        if (*p == '.') {
            text += separator;
        } else {
            text += *p;
        }
    }
    return text;
}

}  // namespace ostrelta
