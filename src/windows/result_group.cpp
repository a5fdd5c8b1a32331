#include "result_group.h"

#include "calc/calc_texts.h"
#include "classic_window.h"
#include "value_label.h"
#include "window_grid.h"
#include "window_texts.h"
#include "window_variant.h"

#include <QLabel>

namespace ostrelta {

namespace {

constexpr int Rows = 16;
constexpr int First_value_label = 22;
constexpr int Inductance_row = 10;
constexpr int Turns_row = 12;
constexpr int Wire_row = 13;
constexpr int First_core_row = 14;

// The caption of each row; the inductance row starts in millihenries.
QString Row_caption(int row)
{
    static constexpr std::array<TCalc_text, Rows> Captions{
        TCalc_text::Row_P_load, TCalc_text::Row_P_used,    TCalc_text::Row_P_overall, TCalc_text::Row_efficiency_pct,
        TCalc_text::Row_U1,     TCalc_text::Row_I1_max,    TCalc_text::Row_I1_rect,   TCalc_text::Row_I1_tri,
        TCalc_text::Row_w1,     TCalc_text::L1_caption_mH, TCalc_text::Row_d1,        TCalc_text::Row_w2,
        TCalc_text::Row_d2,     TCalc_text::Row_S_window,  TCalc_text::Row_S_core,    TCalc_text::Row_l_mean};
    return Qt_text(Calc_text(Captions[static_cast<std::size_t>(row - 1)]));
}

// The row of value label number `number` (22 to 45) and its output column (0 for a single value).
std::pair<int, int> Place_of_value(int number)
{
    if (number <= 32) {
        return {number - First_value_label + 1, 0};
    }
    if (number <= 37) {
        return {Turns_row, number - 32};
    }
    if (number <= 42) {
        return {Wire_row, number - 37};
    }
    return {number - 43 + First_core_row, 0};
}

QString Value_hint(int row, int output)
{
    if (row == Turns_row) {
        return Qt_text(Calc_text(static_cast<TCalc_text>(static_cast<int>(TCalc_text::Output_turns_1) + output - 1)));
    }
    if (row == Wire_row) {
        return Qt_text(Calc_text(static_cast<TCalc_text>(static_cast<int>(TCalc_text::Output_wire_1) + output - 1)));
    }
    return Row_caption(row);
}

}  // namespace

TResult_group::TResult_group(const TWindow_variant& variant, QWidget* parent)
    : TFramed_group(Window_text(TWindow_text::Group_results), parent)
{
    setObjectName(variant.Name("GroupBox", 2));
    setStatusTip(title());
    setGeometry(5, 156, 666, 261);

    curtain_ = new QWidget(this);
    curtain_->setObjectName(variant.Name("Panel", 1));
    curtain_->setGeometry(355, 8, 308, 250);
    curtain_->setAutoFillBackground(true);

    Create_rows(variant);
    Create_values(variant);
    curtain_->raise();
}

void TResult_group::Create_rows(const TWindow_variant& variant)
{
    static constexpr std::array<const char*, 3> Core_row_names{"So", "Sc", "Lsr_L"};
    for (int row = 1; row <= Rows; ++row) {
        auto* label = new QLabel(Row_caption(row), this);
        label->setObjectName(row < First_core_row ? variant.Name("Label", row + 8)
                                                  : variant.Name("Label", Core_row_names[row - First_core_row]));
        label->setStatusTip(label->text());
        label->setGeometry(Caption_x, Row_top(row), label->sizeHint().width(), Caption_height);
        captions_[static_cast<std::size_t>(row - 1)] = label;
    }
}

void TResult_group::Create_values(const TWindow_variant& variant)
{
    Install_value_label_accessibility();
    for (int number = First_value_label; number < First_value_label + 24; ++number) {
        const auto [row, output] = Place_of_value(number);
        auto* value = new TValue_label(curtain_, this);
        value->setObjectName(variant.Name("Label", number));
        value->setStatusTip(Value_hint(row, output));
        value->setGeometry(output == 0 ? Value_x : Output_column_x(output), Row_top(row), 0, Caption_height);
        values_[static_cast<std::size_t>(number - First_value_label)] = value;
    }
}

TValue_label* TResult_group::Value(int number) const
{
    return values_.at(static_cast<std::size_t>(number - First_value_label));
}

void TResult_group::Raise_curtain()
{
    curtain_->hide();
}

void TResult_group::Lower_curtain()
{
    curtain_->show();
}

bool TResult_group::Curtain_down() const
{
    return !curtain_->isHidden();
}

void TResult_group::Show_outputs(const std::array<bool, Output_count>& active)
{
    for (int k = 0; k < Output_count; ++k) {
        Value(33 + k)->setVisible(active[static_cast<std::size_t>(k)]);
        Value(38 + k)->setVisible(active[static_cast<std::size_t>(k)]);
    }
}

void TResult_group::Show_core_rows(bool visible)
{
    for (int row = First_core_row; row <= Rows; ++row) {
        captions_[static_cast<std::size_t>(row - 1)]->setVisible(visible);
    }
    for (int number = 43; number <= 45; ++number) {
        Value(number)->setVisible(visible);
    }
}

void TResult_group::Write(const TResult_texts& t)
{
    const auto set = [this](int number, const std::string& text) {
        Value(number)->Set_value(QString::fromStdString(text));
    };
    set(22, t.P_load);
    set(23, t.P_used);
    set(24, t.P_overall);
    set(25, t.efficiency_pct);
    set(26, t.U1);
    set(27, t.I1_max);
    set(28, t.I1_rect);
    set(29, t.I1_tri);
    set(30, t.w1);
    set(31, t.L1);
    set(32, t.d1);
    for (int k = 0; k < Output_count; ++k) {
        set(33 + k, t.w2[static_cast<std::size_t>(k)]);
        set(38 + k, t.d2[static_cast<std::size_t>(k)]);
    }
    set(43, t.S_window);
    set(44, t.S_core);
    set(45, t.l_mean);

    // The inductance row names its unit in its caption and both hints.
    const QString caption = QString::fromStdString(t.L1_caption);
    QLabel* title = captions_[Inductance_row - 1];
    title->setText(caption);
    title->setStatusTip(caption);
    title->resize(title->sizeHint().width(), Caption_height);
    Value(31)->setStatusTip(caption);
}

}  // namespace ostrelta
