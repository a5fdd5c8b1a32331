#include "command_line.h"

#include "cli_texts.h"
#include "input/input_field.h"
#include "topology_names.h"

#include <optional>

namespace ostrelta {

namespace {

TUsage_error Usage_error(TCli_text text, std::string_view detail)
{
    return {std::string(Cli_text(text)) + ": " + std::string(detail)};
}

struct TOption {
    std::string name;
    std::optional<std::string> value;  // given as --name=value
};

TOption Split_option(const std::string& argument)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

}  // namespace

std::variant<TCommand_line, TUsage_error> Parse_command_line(const std::vector<std::string>& arguments,
                                                             const std::string& locale_separator)
{
    TCommand_line command;
    command.design.separator = locale_separator;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            const std::size_t equals = argument.find('=');
            if (equals == std::string::npos) {
                return Usage_error(TCli_text::Not_an_assignment, argument);
            }
            const auto field = Field_from_name(std::string_view(argument).substr(0, equals));
            if (!field) {
                return Usage_error(TCli_text::Unknown_field, argument.substr(0, equals));
            }
            command.design.assignments.emplace_back(*field, argument.substr(equals + 1));
            continue;
        }
        TOption option = Split_option(argument);
        const bool takes_value = option.name == "--topology" || option.name == "--separator";
        if (takes_value && !option.value) {
            if (i + 1 == arguments.size()) {
                return Usage_error(TCli_text::Missing_option_value, option.name);
            }
            option.value = arguments[++i];
        }
        if (!takes_value && option.value) {
            return Usage_error(TCli_text::Unknown_option, argument);
        }
        if (option.name == "--topology") {
            const auto topology = Topology_from_name(*option.value);
            if (!topology) {
                return Usage_error(TCli_text::Unknown_topology, *option.value);
            }
            command.design.topology = *topology;
        } else if (option.name == "--separator") {
            if (!Is_suitable_separator(*option.value)) {
                return Usage_error(TCli_text::Unsuitable_separator, *option.value);
            }
            command.design.separator = *option.value;
        } else if (option.name == "--example") {
            command.design.example = true;
        } else if (option.name == "--json") {
            command.json = true;
        } else if (option.name == "--batch") {
            command.action = TCli_action::Batch;
        } else if (option.name == "--help") {
            command.action = TCli_action::Help;
            return command;
        } else if (option.name == "--version") {
            command.action = TCli_action::Version;
            return command;
        } else {
            return Usage_error(TCli_text::Unknown_option, argument);
        }
    }
    return command;
}

}  // namespace ostrelta
