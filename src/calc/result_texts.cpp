#include "result_texts.h"

#include "calc_texts.h"
#include "extended_arithmetic.h"
#include "format_fixed.h"

namespace ostrelta {

TResult_texts Result_texts(const TDesign_results& r, std::string_view separator)
{
    const auto fixed = [separator](float value, int precision, int decimals) {
        return Format_fixed(value, precision, decimals, separator);
    };
    TResult_texts t;
    t.P_load = fixed(r.P_load, 10, 1);
    t.P_used = fixed(r.P_used, 10, 1);
    t.P_overall = fixed(r.P_overall, 10, 0);
    t.efficiency_pct = fixed(r.efficiency_pct, 6, 1);
    t.U1 = fixed(r.U1, 4, 1);
    t.I1_max = fixed(r.I1_max, 10, 2);
    t.I1_rect = fixed(r.I1_rect, 10, 2);
    t.I1_tri = fixed(r.I1_tri, 10, 2);
    t.w1 = fixed(r.w1, 7, 0);

    // Below 10 µH (the double 0.00001 H) the inductance is shown in µH.
    if (r.L1 < Dbl_0_00001) {
        t.L1 = fixed(Store(static_cast<ext>(r.L1_mH) * 1000), 12, 3);
        t.L1_caption = Calc_text(TCalc_text::L1_caption_uH);
    } else {
        t.L1 = fixed(r.L1_mH, 12, 3);
        t.L1_caption = Calc_text(TCalc_text::L1_caption_mH);
    }

    t.d1 = fixed(r.d1, 7, 2);
    for (int k = 0; k < Output_count; ++k) {
        t.w2[k] = r.w2[k] < 1 ? std::string(Calc_text(TCalc_text::Turns_below_one)) : fixed(r.w2[k], 15, 0);
        t.d2[k] = fixed(r.d2[k], 8, 2);
    }
    t.S_window = fixed(r.S_window, 9, 3);
    t.S_core = fixed(r.S_core, 9, 3);
    t.l_mean = fixed(r.l_mean, 9, 3);
    return t;
}

}  // namespace ostrelta
