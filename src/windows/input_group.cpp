#include "input_group.h"

#include "up_down.h"
#include "window_grid.h"
#include "window_texts.h"
#include "window_variant.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ostrelta {

namespace {

constexpr int Rows = 8;
constexpr int Edit_width = 56;
constexpr int First_toroid_field = 16;
constexpr int First_parameter_field = 19;

// Where edit box `field` (1 to 21) stands: x, top and height.
QRect Edit_geometry(int field)
{
    if (field <= 5) {
        return {Value_x, Row_top(field), Edit_width, field <= 2 ? 18 : 17};
    }
    if (field <= 15) {
        const int output = (field - 6) % 5 + 1;
        return {Output_column_x(output), Row_top(field <= 10 ? 6 : 7), Edit_width, 17};
    }
    const int place = (field - First_toroid_field) % 3 + 1;
    const int top = field < First_parameter_field ? Row_top(8) : Row_top(8) + 1;
    return {Output_column_x(place), top, Edit_width, 17};
}

}  // namespace

TInput_group::TInput_group(const TWindow_variant& variant, QWidget* parent)
    : TFramed_group(Window_text(TWindow_text::Group_input), parent)
{
    setObjectName(variant.Name("GroupBox", 1));
    setStatusTip(title());
    setGeometry(5, 5, 666, 146);
    Create_rows(variant);
    Create_edits(variant);
    Create_spinner(variant);
}

void TInput_group::Create_rows(const TWindow_variant& variant)
{
    for (int row = 1; row <= Rows; ++row) {
        auto* label = new QLabel(Input_row_caption(row), this);
        label->setObjectName(variant.Name("Label", row));
        label->setStatusTip(label->text());
        label->setGeometry(Caption_x, Row_top(row), label->sizeHint().width(), Caption_height);
    }
}

void TInput_group::Create_edits(const TWindow_variant& variant)
{
    const TField_texts initial = Initial_field_texts();
    for (int field = 1; field <= Field_count; ++field) {
        auto* edit = new QLineEdit(QString::fromStdString(initial[static_cast<std::size_t>(field - 1)]), this);
        edit->setObjectName(variant.Name("Edit", field));
        edit->setStatusTip(Edit_hint(field));
        edit->setToolTip(edit->statusTip());
        edit->setAccessibleName(edit->statusTip());
        edit->setGeometry(Edit_geometry(field));
        edit->setVisible(field < First_parameter_field);
        edits_[static_cast<std::size_t>(field - 1)] = edit;
    }
    // Tab goes through the boxes in field order; hidden boxes are skipped.
    for (int field = 1; field < Field_count; ++field) {
        setTabOrder(Edit(field), Edit(field + 1));
    }
}

void TInput_group::Create_spinner(const TWindow_variant& variant)
{
    spinner_ = new TUp_down(Edit(2), 15, this);
    spinner_->setObjectName(variant.Name("UpDown", 1));
    spinner_->setGeometry(416, 30, 16, 18);
    spinner_->setStatusTip(Edit(2)->statusTip());
    spinner_->setToolTip(Edit(2)->statusTip());
    spinner_->setAccessibleName(Edit(2)->statusTip());
    for (QToolButton* button : {spinner_->Up_button(), spinner_->Down_button()}) {
        button->setToolTip(Edit(2)->statusTip());
        button->setAccessibleName(Edit(2)->statusTip());
    }
}

TField_texts TInput_group::Texts() const
{
    TField_texts texts;
    for (int field = 1; field <= Field_count; ++field) {
        texts[static_cast<std::size_t>(field - 1)] = Edit(field)->text().toStdString();
    }
    return texts;
}

void TInput_group::Write_texts(const TField_texts& texts)
{
    for (int field = 1; field <= Field_count; ++field) {
        Edit(field)->setText(QString::fromStdString(texts[static_cast<std::size_t>(field - 1)]));
    }
}

void TInput_group::Show_toroid_set(bool toroid)
{
    for (int field = First_toroid_field; field < First_parameter_field; ++field) {
        Edit(field)->setVisible(toroid);
    }
    for (int field = First_parameter_field; field <= Field_count; ++field) {
        Edit(field)->setVisible(!toroid);
    }
}

}  // namespace ostrelta
