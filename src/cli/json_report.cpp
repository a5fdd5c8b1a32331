#include "json_report.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ostrelta {

namespace {

using json = TReport_json;

std::string_view Status_name(TReport_status status)
{
    switch (status) {
    case TReport_status::Ok: return "ok";
    case TReport_status::Error: return "error";
    case TReport_status::Rejected: return "rejected";
    case TReport_status::Silent: return "silent";
    }
    return {};
}

// A float is written with the shortest digits that read back to it; a value
// outside the finite range has no JSON number and is written as null.
json Json_float(float value)
{
    if (!std::isfinite(value)) {
        return nullptr;
    }
    return value;
}

// Members are appended in the order written: each name is used once, so no
// lookup is needed.
class TObject_builder {
public:
    explicit TObject_builder(std::size_t members) : object_(json::object())
    {
        object_.get_ref<json::object_t&>().reserve(members);
    }

    void Add(const char* name, json value) { object_.get_ref<json::object_t&>().emplace_back(name, std::move(value)); }

    json Take() { return std::move(object_); }

private:
    json object_;
};

json Json_message(TCalculation_message message)
{
    TObject_builder builder(2);
    builder.Add("id", Message_identifier(message));
    builder.Add("text", Message_text(message));
    return builder.Take();
}

// A result the run did not reach is NaN and is left out.
void Add_result(TObject_builder& results, const char* name, float value)
{
    if (!std::isnan(value)) {
        results.Add(name, Json_float(value));
    }
}

void Add_outputs(TObject_builder& results, const char* name, const std::array<float, Output_count>& values)
{
    if (std::all_of(values.begin(), values.end(), [](float value) { return std::isnan(value); })) {
        return;
    }
    json list = json::array();
    for (float value : values) {
        list.push_back(Json_float(value));
    }
    results.Add(name, std::move(list));
}

json Json_results(const TDesign_results& r)
{
    TObject_builder results(25);
    Add_result(results, "P_load", r.P_load);
    if (r.P_load != 0) {
        results.Add("output_active", r.output_active);
    }
    Add_result(results, "U_supply_max", r.U_supply_max);
    Add_result(results, "efficiency", r.efficiency);
    Add_result(results, "efficiency_pct", r.efficiency_pct);
    Add_result(results, "f_Hz", r.f_Hz);
    Add_result(results, "P_used", r.P_used);
    Add_result(results, "S_window", r.S_window);
    Add_result(results, "S_core", r.S_core);
    Add_result(results, "l_mean", r.l_mean);
    Add_result(results, "B_work", r.B_work);
    Add_result(results, "P_trial", r.P_trial);
    Add_result(results, "current_density", r.current_density);
    Add_result(results, "P_overall", r.P_overall);
    Add_result(results, "U1", r.U1);
    Add_result(results, "w1", r.w1);
    Add_result(results, "L1", r.L1);
    Add_result(results, "L1_mH", r.L1_mH);
    Add_result(results, "I1_rect", r.I1_rect);
    Add_result(results, "I1_tri", r.I1_tri);
    Add_result(results, "I1_max", r.I1_max);
    Add_result(results, "d1", r.d1);
    Add_outputs(results, "w2", r.w2);
    Add_outputs(results, "d2", r.d2);
    return results.Take();
}

json Json_texts(const TResult_texts& t)
{
    TObject_builder texts(16);
    texts.Add("P_load", t.P_load);
    texts.Add("P_used", t.P_used);
    texts.Add("P_overall", t.P_overall);
    texts.Add("efficiency_pct", t.efficiency_pct);
    texts.Add("U1", t.U1);
    texts.Add("I1_max", t.I1_max);
    texts.Add("I1_rect", t.I1_rect);
    texts.Add("I1_tri", t.I1_tri);
    texts.Add("w1", t.w1);
    texts.Add("L1", t.L1);
    texts.Add("d1", t.d1);
    texts.Add("w2", t.w2);
    texts.Add("d2", t.d2);
    texts.Add("S_window", t.S_window);
    texts.Add("S_core", t.S_core);
    texts.Add("l_mean", t.l_mean);
    return texts.Take();
}

}  // namespace

json Json_report(const TDesign_report& report)
{
    TObject_builder object(9);
    object.Add("status", Status_name(report.status));
    object.Add("core_entry_mode",
               report.mode ? json(*report.mode == TCore_entry_mode::Toroidal ? "toroidal" : "manual") : json(nullptr));
    object.Add("rejection", report.status == TReport_status::Rejected ? json(report.rejection) : json(nullptr));
    json warnings = json::array();
    json error = nullptr;
    json results = nullptr;
    if (report.outcome) {
        for (TCalculation_message warning : report.outcome->warnings) {
            warnings.push_back(Json_message(warning));
        }
        if (report.outcome->error) {
            error = Json_message(*report.outcome->error);
        }
        results = Json_results(report.outcome->results);
    }
    object.Add("warnings", std::move(warnings));
    object.Add("error", std::move(error));
    object.Add("results", std::move(results));
    if (report.texts) {
        object.Add("texts", Json_texts(*report.texts));
        object.Add("L1_caption", report.texts->L1_caption);
    }
    return object.Take();
}

std::string Json_text(const json& object, int indent)
{
    return object.dump(indent, ' ', false, json::error_handler_t::replace);
}

json Json_invalid(std::string_view message)
{
    return json{{"status", "invalid"}, {"message", message}};
}

}  // namespace ostrelta
