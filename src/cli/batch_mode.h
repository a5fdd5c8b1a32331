#pragma once

#include "design_defaults.h"
#include "design_request.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace ostrelta {

struct TInvalid_line {
    std::string message;
};

// Reads one batch line, {"topology": ..., "separator": ..., "fields": {...}};
// what the line leaves out comes from `defaults`.
std::variant<TDesign_request, TInvalid_line> Parse_batch_line(std::string_view line, const TDesign_defaults& defaults);

// Answers every line of `in` with one JSON object on its own line of `out`,
// in order; an answer is flushed before the next line is waited for. Returns
// 0, or 74 when reading or writing fails.
int Run_batch(std::istream& in, std::ostream& out, const TDesign_defaults& defaults);

}  // namespace ostrelta
