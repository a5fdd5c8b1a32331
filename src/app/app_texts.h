#pragma once

#include <QString>

namespace ostrelta {

// Identifiers of the texts of the main window and the information windows
// (their long texts apart).
enum class TApp_text {
    Application_title,
    Label_1,
    Label_2,
    Label_3,
    Label_4,
    Label_5,
    Label_6,
    Button_hint_1,
    Button_hint_2,
    Button_hint_3,
    Menu_N1_1_caption,
    Menu_N1_1_hint,
    Menu_N1_2_caption,
    Menu_N1_2_hint,
    Menu_N1_3_caption,
    Menu_N1_3_hint,
    Menu_N1_4_caption,
    Menu_N1_4_hint,
    Menu_N1_5_caption,
    Menu_N1_5_hint,
    Menu_N1_6_caption,
    Menu_N1_6_hint,
    Menu_N1_7_caption,
    Menu_N1_7_hint,
    Menu_N1_8_caption,
    Menu_N1_8_hint,
    Menu_N1_9_caption,
    Menu_N1_9_hint,
    Menu_N1_10_caption,
    Menu_N1_10_hint,
    Menu_N1_11_caption,
    Menu_N1_11_hint,
    Caption_About_program,
    Caption_License,
    Caption_Support_materially,
    Caption_FAQ,
    Clock_initial,
    Clock_hint,
    Close_picture_hint,
    Link_hint,
};

QString App_text(TApp_text id);

}  // namespace ostrelta
