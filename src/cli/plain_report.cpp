#include "plain_report.h"

#include "calc/calc_texts.h"

#include <string>

namespace ostrelta {

namespace {

void Write_row(std::ostream& out, TCalc_text caption, const std::string& value)
{
    out << Calc_text(caption) << '\t' << value << '\n';
}

void Write_output_row(std::ostream& out, TCalc_text caption, const std::array<std::string, Output_count>& values,
                      const std::array<bool, Output_count>& active)
{
    out << Calc_text(caption);
    for (int k = 0; k < Output_count; ++k) {
        if (active[k]) {
            out << '\t' << values[k];
        }
    }
    out << '\n';
}

void Write_result_rows(std::ostream& out, const TResult_texts& t, const std::array<bool, Output_count>& active,
                       bool toroidal)
{
    Write_row(out, TCalc_text::Row_P_load, t.P_load);
    Write_row(out, TCalc_text::Row_P_used, t.P_used);
    Write_row(out, TCalc_text::Row_P_overall, t.P_overall);
    Write_row(out, TCalc_text::Row_efficiency_pct, t.efficiency_pct);
    Write_row(out, TCalc_text::Row_U1, t.U1);
    Write_row(out, TCalc_text::Row_I1_max, t.I1_max);
    Write_row(out, TCalc_text::Row_I1_rect, t.I1_rect);
    Write_row(out, TCalc_text::Row_I1_tri, t.I1_tri);
    Write_row(out, TCalc_text::Row_w1, t.w1);
    out << t.L1_caption << '\t' << t.L1 << '\n';
    Write_row(out, TCalc_text::Row_d1, t.d1);
    Write_output_row(out, TCalc_text::Row_w2, t.w2, active);
    Write_output_row(out, TCalc_text::Row_d2, t.d2, active);
    if (toroidal) {
        Write_row(out, TCalc_text::Row_S_window, t.S_window);
        Write_row(out, TCalc_text::Row_S_core, t.S_core);
        Write_row(out, TCalc_text::Row_l_mean, t.l_mean);
    }
}

}  // namespace

void Write_plain_report(std::ostream& out, const TDesign_report& report)
{
    if (report.status == TReport_status::Rejected) {
        out << report.rejection << '\n';
        return;
    }
    if (!report.outcome) {
        return;
    }
    for (TCalculation_message warning : report.outcome->warnings) {
        out << Message_text(warning) << '\n';
    }
    if (report.outcome->error) {
        out << Message_text(*report.outcome->error) << '\n';
        return;
    }
    Write_result_rows(out, *report.texts, report.outcome->results.output_active,
                      report.mode == TCore_entry_mode::Toroidal);
}

}  // namespace ostrelta
