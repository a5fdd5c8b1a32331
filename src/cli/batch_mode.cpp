#include "batch_mode.h"

#include "batch_line_reader.h"
#include "cli_texts.h"
#include "design_report.h"
#include "json_report.h"
#include "topology_names.h"

namespace ostrelta {

namespace {

TInvalid_line Invalid(TCli_text text, std::string_view detail = {})
{
    std::string message(Cli_text(text));
    if (!detail.empty()) {
        message += ": ";
        message += detail;
    }
    return {std::move(message)};
}

}  // namespace

std::variant<TDesign_request, TInvalid_line> Parse_batch_line(std::string_view line, const TDesign_defaults& defaults)
{
    TBatch_line_reader reader;
    if (!nlohmann::json::sax_parse(line, &reader)) {
        return TInvalid_line{reader.problem};
    }
    TConverter_topology topology = defaults.topology;
    if (reader.topology) {
        const auto named = Topology_from_name(*reader.topology);
        if (!named) {
            return Invalid(TCli_text::Unknown_topology, *reader.topology);
        }
        topology = *named;
    }
    if (reader.separator && !Is_suitable_separator(*reader.separator)) {
        return Invalid(TCli_text::Unsuitable_separator, *reader.separator);
    }
    TDesign_request request = defaults.Request(reader.separator.value_or(defaults.separator));
    request.topology = topology;
    for (int i = 0; i < Field_count; ++i) {
        if (auto& text = reader.field_texts[static_cast<std::size_t>(i)]) {
            request.texts[static_cast<std::size_t>(i)] = std::move(*text);
        }
    }
    return request;
}

int Run_batch(std::istream& in, std::ostream& out, const TDesign_defaults& defaults)
{
    constexpr std::size_t Pending_limit = 1 << 16;
    std::string pending;
    std::string line;
    while (std::getline(in, line)) {
        const auto request = Parse_batch_line(line, defaults);
        if (const auto* invalid = std::get_if<TInvalid_line>(&request)) {
            pending += Json_text(Json_invalid(invalid->message));
        } else {
            pending += Json_text(Json_report(Evaluate_design(std::get<TDesign_request>(request))));
        }
        pending += '\n';
        // Every answer goes out before the next line is waited for; while
        // further lines are already at hand, answers share one write.
        if (in.rdbuf()->in_avail() <= 0 || pending.size() >= Pending_limit) {
            out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
            out.flush();
            pending.clear();
            if (!out) {
                return 74;
            }
        }
    }
    if (!pending.empty()) {
        out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    }
    out.flush();
    return in.bad() || !out ? 74 : 0;
}

}  // namespace ostrelta
