#include "calculation_message.h"

#include "calc_texts.h"

namespace ostrelta {

namespace {

TCalc_text Text_of(TCalculation_message message)
{
    switch (message) {
    case TCalculation_message::No_load: return TCalc_text::No_load;
    case TCalculation_message::Overall_below_used: return TCalc_text::Overall_below_used;
    case TCalculation_message::Overall_equals_used: return TCalc_text::Overall_equals_used;
    case TCalculation_message::Load_above_5kW: return TCalc_text::Load_above_5kW;
    case TCalculation_message::Load_below_25W: return TCalc_text::Load_below_25W;
    case TCalculation_message::Turns_w1_below_1: return TCalc_text::Turns_w1_below_1;
    case TCalculation_message::L1_below_1nH: return TCalc_text::L1_below_1nH;
    case TCalculation_message::Overall_margin_low: return TCalc_text::Overall_margin_low;
    case TCalculation_message::Triangular_current_high: return TCalc_text::Triangular_current_high;
    }
    return TCalc_text::No_load;
}

}  // namespace

bool Is_warning(TCalculation_message message)
{
    return message == TCalculation_message::Overall_margin_low ||
           message == TCalculation_message::Triangular_current_high;
}

std::string_view Message_identifier(TCalculation_message message)
{
    switch (message) {
    case TCalculation_message::No_load: return "No_load";
    case TCalculation_message::Overall_below_used: return "Overall_below_used";
    case TCalculation_message::Overall_equals_used: return "Overall_equals_used";
    case TCalculation_message::Load_above_5kW: return "Load_above_5kW";
    case TCalculation_message::Load_below_25W: return "Load_below_25W";
    case TCalculation_message::Turns_w1_below_1: return "Turns_w1_below_1";
    case TCalculation_message::L1_below_1nH: return "L1_below_1nH";
    case TCalculation_message::Overall_margin_low: return "Overall_margin_low";
    case TCalculation_message::Triangular_current_high: return "Triangular_current_high";
    }
    return {};
}

std::string_view Message_text(TCalculation_message message)
{
    return Calc_text(Text_of(message));
}

}  // namespace ostrelta
