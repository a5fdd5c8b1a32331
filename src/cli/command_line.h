#pragma once

#include "design_defaults.h"

#include <string>
#include <variant>
#include <vector>

namespace ostrelta {

enum class TCli_action {
    Calculate,  // one design from the command line
    Batch,      // designs from standard input, one per line
    Help,
    Version,
};

struct TCommand_line {
    TCli_action action = TCli_action::Calculate;
    bool json = false;
    // The design of a single calculation; in batch mode, the defaults of every line.
    TDesign_defaults design;
};

struct TUsage_error {
    std::string message;
};

// Reads the arguments (without the program name). The locale's decimal
// separator is the default separator.
std::variant<TCommand_line, TUsage_error> Parse_command_line(const std::vector<std::string>& arguments,
                                                             const std::string& locale_separator);

}  // namespace ostrelta
