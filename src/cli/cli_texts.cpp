#include "cli_texts.h"

#include <array>
#include <utility>

namespace ostrelta {

namespace {

// Every text of the command-line calculator, keyed by its identifier.
// clang-format off
constexpr std::array<std::pair<TCli_text, std::string_view>, 16> Texts{{
    {TCli_text::Help,
     R"(Использование: ostrelta-calc [ПАРАМЕТРЫ] [ИМЯ=ТЕКСТ ...]
Расчёт трансформатора T2 двухтактного преобразователя с задающим генератором.

Параметры:
  --topology ВИД     half-bridge — полумостовой преобразователь (по умолчанию),
                     full-bridge — мостовой, centre-tapped — с отводом от
                     середины первичной обмотки
  --separator ЗНАК   десятичный разделитель в текстах полей и результатов
                     (по умолчанию — разделитель локали пользователя)
  --example          начать с исходных данных примера, а не с начальных
                     текстов полей
  --json             вывести исход расчёта одним объектом JSON
  --batch            читать проекты из стандартного ввода, по одному объекту
                     JSON в строке, и на каждую строку выводить один объект JSON
  --help             вывести эту справку
  --version          вывести версию программы

ИМЯ=ТЕКСТ задаёт текст поля ввода. ИМЯ — одно из полей:
  U_supply U_rise_pct B_sat mu_eff F_kHz
  U_load1 U_load2 U_load3 U_load4 U_load5 I_load1 I_load2 I_load3 I_load4 I_load5
  D_outer d_inner h_height S_window S_core l_mean
Поле, которое не задано, получает начальный текст окна: "0", для U_rise_pct — "15"
(с --example — текст примера).

Строка пакетного режима (--batch):
  {"topology": "full-bridge", "separator": ",", "fields": {"U_supply": "310", ...}}
Ключи topology и separator необязательны; их значения и не заданные поля берутся
из командной строки.

Коды завершения: 0 — расчёт без ошибки, 1 — ошибка расчёта, 2 — исходные данные
отклонены или заполнены размеры магнитопровода обоих видов, 64 — неверная
командная строка, 74 — ошибка ввода-вывода.
)"},
    {TCli_text::Usage_hint, "Справка: ostrelta-calc --help"},
    {TCli_text::Unknown_option, "неизвестный параметр"},
    {TCli_text::Missing_option_value, "у параметра нет значения"},
    {TCli_text::Unknown_topology, "неизвестный вид преобразователя (допустимы half-bridge, full-bridge, centre-tapped)"},
    {TCli_text::Unsuitable_separator,
     "десятичным разделителем не может быть пустой текст, цифра, знак, пробел или буква E"},
    {TCli_text::Not_an_assignment, "ожидалось ИМЯ=ТЕКСТ"},
    {TCli_text::Unknown_field, "неизвестное поле ввода"},
    {TCli_text::Silent_end,
     "Заполнены размеры магнитопровода обоих видов, тороидального и нетороидального: расчёт не выполнен."},
    {TCli_text::Line_not_json, "строка не является текстом JSON"},
    {TCli_text::Line_not_object, "строка должна содержать объект JSON"},
    {TCli_text::Unknown_line_key, "неизвестный ключ"},
    {TCli_text::Topology_not_text, "значение topology должно быть строкой"},
    {TCli_text::Separator_not_text, "значение separator должно быть строкой"},
    {TCli_text::Fields_not_object, "значение fields должно быть объектом"},
    {TCli_text::Field_text_not_text, "текст поля должен быть строкой"},
}};
// clang-format on

}  // namespace

std::string_view Cli_text(TCli_text id)
{
    for (const auto& [key, text] : Texts) {
        if (key == id) {
            return text;
        }
    }
    return {};
}

}  // namespace ostrelta
