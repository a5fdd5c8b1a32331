#pragma once

#include "cli_texts.h"
#include "input/input_field.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>

namespace ostrelta {

// Reads one batch line as it is parsed, without building a document:
// {"topology": "...", "separator": "...", "fields": {"NAME": "TEXT", ...}}.
// Parsing stops at the first thing that does not belong there.
class TBatch_line_reader : public nlohmann::json_sax<nlohmann::json> {
public:
    std::optional<std::string> topology;
    std::optional<std::string> separator;
    std::array<std::optional<std::string>, Field_count> field_texts;

    // Why the line is not a design, once parsing has failed.
    std::string problem;

    bool null() override;
    bool boolean(bool value) override;
    bool number_integer(number_integer_t value) override;
    bool number_unsigned(number_unsigned_t value) override;
    bool number_float(number_float_t value, const string_t& text) override;
    bool string(string_t& value) override;
    bool binary(binary_t& value) override;
    bool start_object(std::size_t elements) override;
    bool key(string_t& value) override;
    bool end_object() override;
    bool start_array(std::size_t elements) override;
    bool end_array() override;
    bool parse_error(std::size_t position, const std::string& last_token,
                     const nlohmann::detail::exception& error) override;

private:
    enum class TPlace { Outside, Line, Line_key, Fields, Field_key, Done };

    bool Fail(TCli_text text, std::string_view detail = {});
    bool Value_other_than_text();

    TPlace place_ = TPlace::Outside;
    std::string key_;
    std::optional<TInput_field> field_;
};

}  // namespace ostrelta
