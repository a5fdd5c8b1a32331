#include "design_report.h"

#include "calc/design_calculation.h"
#include "input/design_fields_reader.h"

#include <variant>

namespace ostrelta {

TDesign_report Evaluate_design(const TDesign_request& request)
{
    TDesign_report report;
    const TInput_outcome input = Read_design_fields(request.texts, request.separator);
    if (const auto* rejection = std::get_if<TInput_rejection>(&input)) {
        report.status = TReport_status::Rejected;
        report.rejection = rejection->message;
        return report;
    }
    const auto* design = std::get_if<TValidated_design>(&input);
    if (design == nullptr) {
        report.status = TReport_status::Silent;
        return report;
    }
    report.mode = design->mode;
    report.outcome = Run_design_calculation(design->input, request.topology, design->mode);
    if (report.outcome->error) {
        report.status = TReport_status::Error;
        return report;
    }
    report.status = TReport_status::Ok;
    report.texts = Result_texts(report.outcome->results, request.separator);
    return report;
}

int Exit_status(const TDesign_report& report)
{
    switch (report.status) {
    case TReport_status::Ok: return 0;
    case TReport_status::Error: return 1;
    case TReport_status::Rejected:
    case TReport_status::Silent: return 2;
    }
    return 2;
}

}  // namespace ostrelta
