#pragma once

#include <QString>

namespace ostrelta {

// Identifiers of the texts of the calculation windows that the calculation
// does not give (its messages, result captions and output names are its own).
enum class TWindow_text {
    Caption_Bridge_floor,
    Caption_Bridge,
    Caption_With_average_conclusion,
    Group_input,
    Group_results,
    Input_row_1,
    Input_row_2,
    Input_row_3,
    Input_row_4,
    Input_row_5,
    Input_row_6,
    Input_row_7,
    Input_row_8,
    Edit_hint_1,
    Edit_hint_2,
    Edit_hint_3,
    Edit_hint_4,
    Edit_hint_5,
    Edit_hint_6,
    Edit_hint_7,
    Edit_hint_8,
    Edit_hint_9,
    Edit_hint_10,
    Edit_hint_11,
    Edit_hint_12,
    Edit_hint_13,
    Edit_hint_14,
    Edit_hint_15,
    Edit_hint_16,
    Edit_hint_17,
    Edit_hint_18,
    Edit_hint_19,
    Edit_hint_20,
    Edit_hint_21,
    Menu_calculate,
    Menu_core_kind_nontoroidal,
    Menu_core_kind_toroidal,
    Menu_manual_entry,
    Menu_cancel_manual_entry,
    Menu_clear,
    Menu_example,
    Menu_close,
    Message_caption,
};

QString Window_text(TWindow_text id);

// The caption of input row `row` (1 to 8) and the hint of edit box `field`
// (1 to 21, the number in the box's name).
QString Input_row_caption(int row);
QString Edit_hint(int field);

}  // namespace ostrelta
