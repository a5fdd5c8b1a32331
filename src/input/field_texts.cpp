#include "input/field_texts.h"

#include "input/general_number_text.h"

#include <cstddef>

namespace ostrelta {

namespace {

using TField_values = std::array<double, Field_count>;

TField_texts Texts_of(const TField_values& values, std::string_view separator)
{
    TField_texts texts;
    for (std::size_t i = 0; i < values.size(); ++i) {
        texts[i] = General_number_text(values[i], separator);
    }
    return texts;
}

}  // namespace

TField_texts Initial_field_texts()
{
    TField_values values{};
    values[static_cast<std::size_t>(Field_index(TInput_field::U_rise_pct))] = 15;
    return Texts_of(values, ".");
}

TField_texts Example_field_texts(std::string_view separator)
{
    // In field order: supply, rise, B, µ, F, the five load voltages, the five
    // load currents, D, d, h, and the three manual core values left at zero.
    // clang-format off
    constexpr TField_values values{
        310, 20, 0.38, 2000, 50,
        50, 25, 10, 6, 40,
        3, 1, 1, 0.5, 0.3,
        40, 25, 11, 0, 0, 0,
    };
    // clang-format on
    return Texts_of(values, separator);
}

}  // namespace ostrelta
