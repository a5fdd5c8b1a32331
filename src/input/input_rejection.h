#pragma once

#include <string>

namespace ostrelta {

// The input cannot be calculated: the one message the user is shown.
struct TInput_rejection {
    std::string message;
};

}  // namespace ostrelta
