#pragma once

#include "calc/converter_topology.h"
#include "window_texts.h"

#include <QString>

namespace ostrelta {

// What sets the three calculation windows apart: the converter they
// calculate, their names, caption and height, and their menu items' names.
struct TWindow_variant {
    TConverter_topology topology;
    int digit;                // in every component name: Edit2_5, Edit3_5, Edit4_5
    const char* window_name;  // the window's object name
    TWindow_text caption;
    int client_height;
    const char* calculate_item;  // "Рассчитать!"
    const char* core_kind_item;  // the drop-down of the core description
    const char* manual_item;     // "Ручной ввод параметров магнитопровода"
    const char* cancel_item;     // "Отменить ручной ввод параметров"
    const char* clear_item;      // "Очистка данных"
    const char* example_item;    // "Пример"
    const char* close_item;      // "Закрыть"

    // A component's name in this window: Name("Edit", 5) is "Edit2_5" in the half-bridge window.
    QString Name(const char* kind, int ordinal) const;
    QString Name(const char* kind, const char* suffix) const;
};

const TWindow_variant& Window_variant(TConverter_topology topology);

inline constexpr int Client_width = 676;

}  // namespace ostrelta
