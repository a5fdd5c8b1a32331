#pragma once

#include <string_view>

namespace ostrelta {

// Identifiers of the texts that the command-line calculator writes itself.
enum class TCli_text {
    Help,
    Usage_hint,
    Unknown_option,
    Missing_option_value,
    Unknown_topology,
    Unsuitable_separator,
    Not_an_assignment,
    Unknown_field,
    Silent_end,
    Line_not_json,
    Line_not_object,
    Unknown_line_key,
    Topology_not_text,
    Separator_not_text,
    Fields_not_object,
    Field_text_not_text,
};

std::string_view Cli_text(TCli_text id);

}  // namespace ostrelta
