#include "window_texts.h"

#include "classic_window.h"

#include <array>
#include <string_view>
#include <utility>

namespace ostrelta {

namespace {

// Every text of the calculation windows, keyed by its identifier.
constexpr std::array<std::pair<TWindow_text, std::string_view>, 43> Texts{{
    {TWindow_text::Caption_Bridge_floor, "Расчёт трансформатора полумостового преобразователя с ЗГ"},
    {TWindow_text::Caption_Bridge, "Расчёт трансформатора мостового преобразователя с ЗГ"},
    {TWindow_text::Caption_With_average_conclusion,
     "Расчёт трансформатора с отводом от середины, преобразователь с ЗГ"},
    {TWindow_text::Group_input, "Исходные данные"},
    {TWindow_text::Group_results, "Результаты расчёта"},
    {TWindow_text::Input_row_1, "Постоянное напряжение, питающее преобразователь Uпит, B"},
    {TWindow_text::Input_row_2, "Допустимое повышение напряжения Uпит, %"},
    {TWindow_text::Input_row_3, "Индукция насыщения магнитопровода Bнас, Тл"},
    {TWindow_text::Input_row_4, "Эффективная магнитная проницаемость сердечника µэфф"},
    {TWindow_text::Input_row_5, "Частота преобразования F, кГц"},
    {TWindow_text::Input_row_6, "Напряжение(я), подводимое(ые) к нагрузке Uн, B"},
    {TWindow_text::Input_row_7, "Ток(и), подводимый(ые) к нагрузке Iн, A"},
    {TWindow_text::Input_row_8, "Размеры магнитопровода, мм"},
    {TWindow_text::Edit_hint_1, "Постоянное напряжение, питающее преобразователь Uпит, B"},
    {TWindow_text::Edit_hint_2, "Допустимое повышение напряжения Uпит, %"},
    {TWindow_text::Edit_hint_3, "Индукция насыщения магнитопровода Bнас, Тл"},
    {TWindow_text::Edit_hint_4, "Эффективная магнитная проницаемость сердечника µэфф"},
    {TWindow_text::Edit_hint_5, "Частота преобразования F, кГц"},
    {TWindow_text::Edit_hint_6, "Напряжение, подводимое к нагрузке, на 1 выходе Uн1, В"},
    {TWindow_text::Edit_hint_7, "Напряжение, подводимое к нагрузке, на 2 выходе Uн2, В"},
    {TWindow_text::Edit_hint_8, "Напряжение, подводимое к нагрузке, на 3 выходе Uн3, В"},
    {TWindow_text::Edit_hint_9, "Напряжение, подводимое к нагрузке, на 4 выходе Uн4, В"},
    {TWindow_text::Edit_hint_10, "Напряжение, подводимое к нагрузке, на 5 выходе Uн5, В"},
    {TWindow_text::Edit_hint_11, "Ток, потребляемый нагрузкой, на 1 выходе Iн1, А"},
    {TWindow_text::Edit_hint_12, "Ток, потребляемый нагрузкой, на 2 выходе Iн2, А"},
    {TWindow_text::Edit_hint_13, "Ток, потребляемый нагрузкой, на 3 выходе Iн3, А"},
    {TWindow_text::Edit_hint_14, "Ток, потребляемый нагрузкой, на 4 выходе Iн4, А"},
    {TWindow_text::Edit_hint_15, "Ток, потребляемый нагрузкой, на 5 выходе Iн5, А"},
    {TWindow_text::Edit_hint_16, "Внешний диаметр тороидального магнитопровода D, мм"},
    {TWindow_text::Edit_hint_17, "Внутренний диаметр тороидального магнитопровода d, мм"},
    {TWindow_text::Edit_hint_18, "Высота тороидального магнитопровода h, мм"},
    {TWindow_text::Edit_hint_19, "Площадь окна выбранного магнитопровода So, см2"},
    {TWindow_text::Edit_hint_20, "Площадь сечения выбранного магнитопровода Sc, см2"},
    {TWindow_text::Edit_hint_21, "Длина средней линии магнитопровода lср.л, см"},
    {TWindow_text::Menu_calculate, "Рассчитать!"},
    {TWindow_text::Menu_core_kind_nontoroidal, "Для нетороидальных магнитопроводов"},
    {TWindow_text::Menu_core_kind_toroidal, "Для тороидальных магнитопроводов"},
    {TWindow_text::Menu_manual_entry, "Ручной ввод параметров магнитопровода"},
    {TWindow_text::Menu_cancel_manual_entry, "Отменить ручной ввод параметров"},
    {TWindow_text::Menu_clear, "Очистка данных"},
    {TWindow_text::Menu_example, "Пример"},
    {TWindow_text::Menu_close, "Закрыть"},
    {TWindow_text::Message_caption, "Ostrelta"},
}};

}  // namespace

QString Window_text(TWindow_text id)
{
    for (const auto& [key, text] : Texts) {
        if (key == id) {
            return Qt_text(text);
        }
    }
    return {};
}

QString Input_row_caption(int row)
{
    return Window_text(static_cast<TWindow_text>(static_cast<int>(TWindow_text::Input_row_1) + row - 1));
}

QString Edit_hint(int field)
{
    return Window_text(static_cast<TWindow_text>(static_cast<int>(TWindow_text::Edit_hint_1) + field - 1));
}

}  // namespace ostrelta
