// The whole road of one calculation: the 21 field texts of a window and its
// topology, read with a decimal separator, judged, calculated and turned into
// result texts. For any texts at all:
//   - the road ends in exactly one of a rejection, a silent end, a calculation
//     error or results;
//   - a rejection carries a message that names a field by its title or is
//     one of the messages about the core dimensions as a whole;
//   - an accepted design lies within the ranges the calculation relies on;
//   - warnings are warnings, each raised at most once and in stage order, and
//     an error is an error;
//   - the results of a run without error are finite, and every result text
//     is non-empty and says neither "nan" nor "inf" in any case.
//
// Input format, readable so that seeds can be written by hand: a first line
// of two bytes, the topology ('0' half-bridge, '1' full bridge, '2'
// centre-tapped; any other byte counts modulo 3) and the decimal separator
// ('.' or ','; any other byte picks the Arabic decimal separator U+066B);
// then one field text a line, in field order. A missing line is an empty
// field; lines after the 21st are ignored.

#include "calc/calculation_message.h"
#include "calc/design_calculation.h"
#include "calc/result_texts.h"
#include "fuzz_check.h"
#include "input/design_fields_reader.h"
#include "input/input_texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ostrelta::fuzzing {
namespace {

struct TRoad {
    TConverter_topology topology = TConverter_topology::Bridge_floor;
    std::string separator = ",";
    std::array<std::string, Field_count> texts;
};

TRoad Decode(std::string_view data)
{
    TRoad road;
    const std::size_t header_end = std::min(data.find('\n'), data.size());
    const std::string_view header = data.substr(0, header_end);
    if (!header.empty()) {
        road.topology = static_cast<TConverter_topology>(static_cast<unsigned char>(header[0]) % 3);
    }
    if (header.size() >= 2) {
        road.separator = header[1] == '.' || header[1] == ',' ? std::string(1, header[1]) : "\u066B";
    }
    std::size_t at = header_end + 1;
    for (std::string& text : road.texts) {
        if (at > data.size()) {
            break;
        }
        const std::size_t line_end = std::min(data.find('\n', at), data.size());
        text = data.substr(at, line_end - at);
        at = line_end + 1;
    }
    return road;
}

bool Contains_ignoring_case(std::string_view text, std::string_view word)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// The messages that judge the six core dimensions together; the others name
// one field by its title between double quotes.
constexpr std::array Core_rule_texts{
    TInput_text::Core_all_zero,
    TInput_text::Core_both_sets_filled,
    TInput_text::Core_outer_zero,
    TInput_text::Core_inner_zero,
    TInput_text::Core_height_zero,
    TInput_text::Core_diameters_zero,
    TInput_text::Core_inner_not_below_outer,
    TInput_text::Core_inner_and_height_zero,
    TInput_text::Core_window_zero,
    TInput_text::Core_section_zero,
    TInput_text::Core_path_zero,
    TInput_text::Core_window_and_section_zero,
    TInput_text::Core_window_and_path_zero,
    TInput_text::Core_section_and_path_zero,
};

void Check_rejection(const TInput_rejection& rejection)
{
    const std::string& message = rejection.message;
    Require(!message.empty(), "a rejection carries a message");
    bool names_a_field = false;
    for (int i = 0; i < Field_count; ++i) {
        const std::string quoted = "\"" + std::string(Field_title(Field_at(i))) + "\"";
        names_a_field = names_a_field || message.find(quoted) != std::string::npos;
    }
    const bool core_rule = std::any_of(Core_rule_texts.begin(), Core_rule_texts.end(),
                                       [&](TInput_text id) { return message == Input_text(id); });
    Require(names_a_field || core_rule, "a rejection names a field or is a core rule message", message);
}

void Check_accepted(const TValidated_design& design)
{
    const TDesign_input& in = design.input;
    const auto within = [](float v, float low, float high) { return v >= low && v <= high; };
    Require(within(in.U_supply, 3.5f, 2000), "accepted supply voltage within 3.5 to 2000 V");
    Require(within(in.U_rise_pct, 0, 100), "accepted supply rise within 0 to 100 %");
    Require(in.B_sat > 0 && in.B_sat <= 100, "accepted saturation flux density above 0, at most 100 T");
    Require(in.mu_eff > 0 && in.mu_eff <= 1000000, "accepted permeability above 0, at most 1000000");
    Require(within(in.F_kHz, 4, 500), "accepted frequency within 4 to 500 kHz");
    for (int k = 0; k < Output_count; ++k) {
        Require(within(in.U_load[k], 0, 15000), "accepted load voltage within 0 to 15000 V");
        Require(within(in.I_load[k], 0, 5000), "accepted load current within 0 to 5000 A");
    }
    for (float v : {in.D_outer, in.d_inner, in.h_height, in.S_window, in.S_core, in.l_mean}) {
        Require(std::isfinite(v) && v >= 0, "accepted core values finite and not negative");
    }
    if (design.mode == TCore_entry_mode::Toroidal) {
        Require(in.D_outer > in.d_inner && in.d_inner > 0 && in.h_height > 0, "toroid with D > d > 0 and h > 0");
        Require(in.S_window == 0 && in.S_core == 0 && in.l_mean == 0, "toroid with the manual set zero");
    } else {
        Require(in.D_outer == 0 && in.d_inner == 0 && in.h_height == 0, "manual core with the toroid set zero");
        Require(in.S_window > 0 && in.S_core > 0 && in.l_mean > 0, "manual core with So, Sc and l above 0");
    }
}

std::vector<float> Stored_values(const TDesign_results& r)
{
    std::vector<float> values{
        r.P_load, r.U_supply_max, r.efficiency, r.efficiency_pct,  r.f_Hz,      r.P_used, r.S_window, r.S_core,
        r.l_mean, r.B_work,       r.P_trial,    r.current_density, r.P_overall, r.U1,     r.w1,       r.L1,
        r.L1_mH,  r.I1_rect,      r.I1_tri,     r.I1_max,          r.d1};
    values.insert(values.end(), r.w2.begin(), r.w2.end());
    values.insert(values.end(), r.d2.begin(), r.d2.end());
    return values;
}

void Check_text(const std::string& text)
{
    Require(!text.empty(), "a result text is not empty");
    Require(!Contains_ignoring_case(text, "nan") && !Contains_ignoring_case(text, "inf"),
            "a result text says neither nan nor inf", text);
}

void Check_calculation(const TCalculation_outcome& outcome, const std::string& separator)
{
    for (std::size_t i = 0; i < outcome.warnings.size(); ++i) {
        Require(Is_warning(outcome.warnings[i]), "only warnings are listed as warnings");
        if (i > 0) {
            // The margin is judged at stage 6, the current shape at stage 8.
            Require(outcome.warnings[i - 1] == TCalculation_message::Overall_margin_low &&
                        outcome.warnings[i] == TCalculation_message::Triangular_current_high,
                    "each warning at most once, in stage order");
        }
    }
    if (outcome.error) {
        Require(!Is_warning(*outcome.error), "an error is an error");
        return;
    }
    for (float value : Stored_values(outcome.results)) {
        Require(std::isfinite(value), "every result of a run without error is finite");
    }
    const TResult_texts t = Result_texts(outcome.results, separator);
    for (const std::string* text : {&t.P_load, &t.P_used, &t.P_overall, &t.efficiency_pct, &t.U1, &t.I1_max, &t.I1_rect,
                                    &t.I1_tri, &t.w1, &t.L1, &t.d1, &t.S_window, &t.S_core, &t.l_mean, &t.L1_caption}) {
        Check_text(*text);
    }
    for (int k = 0; k < Output_count; ++k) {
        Check_text(t.w2[k]);
        Check_text(t.d2[k]);
    }
}

}  // namespace
}  // namespace ostrelta::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ostrelta;
    using namespace ostrelta::fuzzing;
    const TRoad road = Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const TInput_outcome input = Read_design_fields(road.texts, road.separator);
    Require(!input.valueless_by_exception(), "the reading ends in one outcome");
    if (const auto* rejection = std::get_if<TInput_rejection>(&input)) {
        Check_rejection(*rejection);
    } else if (const auto* design = std::get_if<TValidated_design>(&input)) {
        Check_accepted(*design);
        Check_calculation(Run_design_calculation(design->input, road.topology, design->mode), road.separator);
    }
    // A silent end has nothing to check.
    return 0;
}
