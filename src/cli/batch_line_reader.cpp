#include "batch_line_reader.h"

namespace ostrelta {

bool TBatch_line_reader::Fail(TCli_text text, std::string_view detail)
{
    problem = Cli_text(text);
    if (!detail.empty()) {
        problem += ": ";
        problem += detail;
    }
    return false;
}

// A value that is not a string: only the "fields" key may hold one (an object).
bool TBatch_line_reader::Value_other_than_text()
{
    switch (place_) {
    case TPlace::Outside: return Fail(TCli_text::Line_not_object);
    case TPlace::Field_key: return Fail(TCli_text::Field_text_not_text, key_);
    case TPlace::Line_key:
        if (key_ == "topology") {
            return Fail(TCli_text::Topology_not_text);
        }
        if (key_ == "separator") {
            return Fail(TCli_text::Separator_not_text);
        }
        return Fail(TCli_text::Fields_not_object);
    default: return Fail(TCli_text::Line_not_json);
    }
}

bool TBatch_line_reader::null()
{
    return Value_other_than_text();
}
bool TBatch_line_reader::boolean(bool)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::number_integer(number_integer_t)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::number_unsigned(number_unsigned_t)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::number_float(number_float_t, const string_t&)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::binary(binary_t&)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::start_array(std::size_t)
{
    return Value_other_than_text();
}
bool TBatch_line_reader::end_array()
{
    return Fail(TCli_text::Line_not_json);
}

bool TBatch_line_reader::string(string_t& value)
{
    if (place_ == TPlace::Field_key) {
        field_texts[static_cast<std::size_t>(Field_index(*field_))] = std::move(value);
        place_ = TPlace::Fields;
        return true;
    }
    if (place_ != TPlace::Line_key) {
        return Value_other_than_text();
    }
    if (key_ == "topology") {
        topology = std::move(value);
    } else if (key_ == "separator") {
        separator = std::move(value);
    } else {
        return Fail(TCli_text::Fields_not_object);
    }
    place_ = TPlace::Line;
    return true;
}

bool TBatch_line_reader::start_object(std::size_t)
{
    if (place_ == TPlace::Outside) {
        place_ = TPlace::Line;
        return true;
    }
    if (place_ == TPlace::Line_key && key_ == "fields") {
        place_ = TPlace::Fields;
        return true;
    }
    return Value_other_than_text();
}

bool TBatch_line_reader::key(string_t& value)
{
    if (place_ == TPlace::Fields) {
        field_ = Field_from_name(value);
        if (!field_) {
            return Fail(TCli_text::Unknown_field, value);
        }
        key_ = std::move(value);
        place_ = TPlace::Field_key;
        return true;
    }
    if (value != "topology" && value != "separator" && value != "fields") {
        return Fail(TCli_text::Unknown_line_key, value);
    }
    key_ = std::move(value);
    place_ = TPlace::Line_key;
    return true;
}

bool TBatch_line_reader::end_object()
{
    place_ = place_ == TPlace::Fields ? TPlace::Line : TPlace::Done;
    return true;
}

bool TBatch_line_reader::parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&)
{
    if (problem.empty()) {
        Fail(TCli_text::Line_not_json);
    }
    return false;
}

}  // namespace ostrelta
