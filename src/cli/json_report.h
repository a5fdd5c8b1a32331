#pragma once

#include "design_report.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrelta {

// JSON objects whose keys keep the order written and whose numbers are floats,
// so that a result is written with the shortest digits that read back to it.
using TReport_json =
    nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t, float>;

// The report as one JSON object: status, core_entry_mode, rejection,
// warnings, error, the computed results (each number written so that it reads
// back to the identical float), and for a run without error the result texts
// and the inductance caption.
TReport_json Json_report(const TDesign_report& report);

// The text of a JSON object, on one line or indented; a byte sequence that is
// not UTF-8 is replaced rather than failing the output.
std::string Json_text(const TReport_json& object, int indent = -1);

// The object for a batch line that could not be read as a design.
TReport_json Json_invalid(std::string_view message);

}  // namespace ostrelta
