#include "input/design_fields_reader.h"

#include "input/core_entry_rules.h"
#include "input/design_input_field.h"
#include "input/field_reading.h"

#include <utility>
#include <variant>

namespace ostrelta {

TInput_outcome Read_design_fields(const std::array<std::string, Field_count>& texts, std::string_view separator)
{
    TDesign_input input;
    for (int i = 0; i < Field_count; ++i) {
        const TInput_field field = Field_at(i);
        TField_reading reading = Read_field(field, texts[static_cast<std::size_t>(i)], separator);
        if (auto* rejection = std::get_if<TInput_rejection>(&reading)) {
            return std::move(*rejection);
        }
        Field_slot(input, field) = std::get<float>(reading);
    }
    TCore_decision decision = Judge_core_dimensions(input);
    if (const auto* mode = std::get_if<TCore_entry_mode>(&decision)) {
        return TValidated_design{input, *mode};
    }
    if (auto* rejection = std::get_if<TInput_rejection>(&decision)) {
        return std::move(*rejection);
    }
    return TInput_silent_end{};
}

}  // namespace ostrelta
