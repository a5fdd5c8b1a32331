#pragma once

#include "input/input_field.h"

#include <string>
#include <string_view>

namespace ostrelta {

// Identifiers of the messages of the input layer. The messages about one
// field name it by its title; Non_numeric, Negative, the two load messages
// and Core_value_too_big serve several fields and are completed by
// Field_message. The Core_ messages judge the six core dimensions together.
enum class TInput_text {
    Non_numeric,
    Negative,
    Supply_too_big,
    Supply_too_small,
    Supply_zero,
    Rise_too_big,
    Saturation_too_big,
    Saturation_zero,
    Permeability_too_big,
    Permeability_zero,
    Frequency_too_big,
    Frequency_too_small,
    Frequency_zero,
    Load_voltage_too_big,
    Load_current_too_big,
    Core_value_too_big,
    Core_all_zero,
    Core_both_sets_filled,
    Core_outer_zero,
    Core_inner_zero,
    Core_height_zero,
    Core_diameters_zero,
    Core_inner_not_below_outer,
    Core_inner_and_height_zero,
    Core_window_zero,
    Core_section_zero,
    Core_path_zero,
    Core_window_and_section_zero,
    Core_window_and_path_zero,
    Core_section_and_path_zero,
};

// The stored text of `id`. A text meant for a field still holds the
// placeholders {title} and {phrase}; use Field_message for those.
std::string_view Input_text(TInput_text id);

// The text of `id` about `field`: {title} becomes the field's title and
// {phrase} the words that name the field's quantity ("внешнего диаметра").
std::string Field_message(TInput_text id, TInput_field field);

// The fixed title by which the messages name a field.
std::string_view Field_title(TInput_field field);

}  // namespace ostrelta
