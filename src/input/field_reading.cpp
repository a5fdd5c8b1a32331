#include "input/field_reading.h"

#include "input/input_texts.h"
#include "input/narrow_to_float.h"
#include "input/str_to_float.h"

#include <optional>

namespace ostrelta {

namespace {

// A bound of a field and the message for a value beyond it.
struct TBound {
    float limit;
    TInput_text message;
};

// The bounds of a field. An absent bound is not checked; every field
// rejects negative values with its negative-value message.
struct TField_limits {
    std::optional<TBound> upper;      // v > limit is too big
    std::optional<TBound> lower;      // 0 < v < limit is too small
    std::optional<TInput_text> zero;  // v = 0 is rejected with this
};

TField_limits Limits_of(TInput_field field)
{
    using T = TInput_text;
    switch (field) {
    case TInput_field::U_supply:
        return {TBound{2000.0f, T::Supply_too_big}, TBound{3.5f, T::Supply_too_small}, T::Supply_zero};
    case TInput_field::U_rise_pct: return {TBound{100.0f, T::Rise_too_big}, {}, {}};
    case TInput_field::B_sat: return {TBound{100.0f, T::Saturation_too_big}, {}, T::Saturation_zero};
    case TInput_field::mu_eff: return {TBound{1000000.0f, T::Permeability_too_big}, {}, T::Permeability_zero};
    case TInput_field::F_kHz:
        return {TBound{500.0f, T::Frequency_too_big}, TBound{4.0f, T::Frequency_too_small}, T::Frequency_zero};
    default: break;
    }
    const int index = Field_index(field);
    if (index >= Field_index(TInput_field::D_outer)) {
        return {};
    }
    if (index >= Field_index(TInput_field::I_load1)) {
        return {TBound{5000.0f, T::Load_current_too_big}, {}, {}};
    }
    return {TBound{15000.0f, T::Load_voltage_too_big}, {}, {}};
}

// The message of the bound the value breaks, if any. The conditions exclude
// each other, so their order does not matter.
std::optional<TInput_text> Broken_bound(const TField_limits& limits, float v)
{
    if (limits.upper && v > limits.upper->limit) {
        return limits.upper->message;
    }
    if (limits.lower && 0 < v && v < limits.lower->limit) {
        return limits.lower->message;
    }
    if (limits.zero && v == 0) {
        return limits.zero;
    }
    if (v < 0) {
        return TInput_text::Negative;
    }
    return std::nullopt;
}

}  // namespace

TField_reading Read_field(TInput_field field, std::string_view text, std::string_view separator)
{
    const std::optional<long double> number = StrToFloat(text, separator);
    if (!number) {
        return TInput_rejection{Field_message(TInput_text::Non_numeric, field)};
    }
    const TField_limits limits = Limits_of(field);
    const std::optional<float> value = Narrow_to_float(*number);
    if (!value) {
        // The number is valid but no float can hold it. It must neither be
        // taken as infinity nor abort the reading, so it is answered with
        // the message that describes it truthfully: a negative one with the
        // field's negative-value message, a positive one with the field's
        // too-big message, or, in the core dimension fields, which have no
        // upper bound, with the too-big message written for them.
        const TInput_text message = *number < 0    ? TInput_text::Negative
                                    : limits.upper ? limits.upper->message
                                                   : TInput_text::Core_value_too_big;
        return TInput_rejection{Field_message(message, field)};
    }
    if (const std::optional<TInput_text> broken = Broken_bound(limits, *value)) {
        return TInput_rejection{Field_message(*broken, field)};
    }
    return *value;
}

}  // namespace ostrelta
