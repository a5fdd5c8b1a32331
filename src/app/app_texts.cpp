#include "app_texts.h"

#include "classic_window.h"

#include <array>
#include <string_view>
#include <utility>

namespace ostrelta {

namespace {

// Every short text of the main window and the information windows, keyed by its identifier.
constexpr std::array<std::pair<TApp_text, std::string_view>, 40> Texts{{
    {TApp_text::Application_title, "Ostrelta"},
    {TApp_text::Label_1, "Расчёт трансформатора полумостового"},
    {TApp_text::Label_2, "преобразователя с задающим генератором"},
    {TApp_text::Label_3, "Расчёт трансформатора мостового"},
    {TApp_text::Label_4, "преобразователя с задающим генератором"},
    {TApp_text::Label_5, "Расчёт трансформатора с отводом от середи-"},
    {TApp_text::Label_6, "ны, преобразователь с задающим генератором"},
    {TApp_text::Button_hint_1, "Расчёт трансформатора полумостового преобразователя с задающим генератором"},
    {TApp_text::Button_hint_2, "Расчёт трансформатора мостового преобразователя с задающим генератором"},
    {TApp_text::Button_hint_3, "Расчёт трансформатора с отводом от середины, преобразователь с задающим генератором"},
    {TApp_text::Menu_N1_1_caption, "Расчёт трансформатора"},
    {TApp_text::Menu_N1_1_hint, "Расчёт трансформатора"},
    {TApp_text::Menu_N1_2_caption, "Полумостового преобразователя с задающим генератором"},
    {TApp_text::Menu_N1_2_hint, "Расчёт трансформатора полумостового преобразователя с задающим генератором"},
    {TApp_text::Menu_N1_3_caption, "Мостового преобразователя с задающим генератором"},
    {TApp_text::Menu_N1_3_hint, "Расчёт трансформатора мостового преобразователя с задающим генератором"},
    {TApp_text::Menu_N1_4_caption, "С отводом от середины, преобразователь с задающим генератором"},
    {TApp_text::Menu_N1_4_hint, "Расчёт трансформатора с отводом от середины, преобразователь с задающим генератором"},
    {TApp_text::Menu_N1_5_caption, "Выход"},
    {TApp_text::Menu_N1_5_hint, "Выход"},
    {TApp_text::Menu_N1_6_caption, "Справка"},
    {TApp_text::Menu_N1_6_hint, "Справка"},
    {TApp_text::Menu_N1_7_caption, "О программе"},
    {TApp_text::Menu_N1_7_hint, "О программе"},
    {TApp_text::Menu_N1_8_caption, "Посетить сайт автора"},
    {TApp_text::Menu_N1_8_hint, "Посетить сайт автора"},
    {TApp_text::Menu_N1_9_caption, "Лицензионное соглашение"},
    {TApp_text::Menu_N1_9_hint, "Лицензионное соглашение"},
    {TApp_text::Menu_N1_10_caption, "Поддержать материально"},
    {TApp_text::Menu_N1_10_hint, "Поддержать материально"},
    {TApp_text::Menu_N1_11_caption, "Замечания и разъяснения (FAQ)"},
    {TApp_text::Menu_N1_11_hint, "Замечания и разъяснения (FAQ)"},
    {TApp_text::Caption_About_program, "О программе"},
    {TApp_text::Caption_License, "Лицензионное соглашение"},
    {TApp_text::Caption_Support_materially, "Поддержать материально"},
    {TApp_text::Caption_FAQ, "Замечания и разъяснения (FAQ)"},
    {TApp_text::Clock_initial, "Время"},
    {TApp_text::Clock_hint, "Текущее время"},
    {TApp_text::Close_picture_hint, "Закрыть окно"},
    {TApp_text::Link_hint, "Посетить сайт автора"},
}};

}  // namespace

QString App_text(TApp_text id)
{
    for (const auto& [key, text] : Texts) {
        if (key == id) {
            return Qt_text(text);
        }
    }
    return {};
}

}  // namespace ostrelta
