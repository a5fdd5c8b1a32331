#pragma once

#include "input/field_texts.h"
#include "input/input_field.h"

#include "framed_group.h"

#include <array>

class QLineEdit;

namespace ostrelta {

struct TWindow_variant;
class TUp_down;

// The group "Исходные данные": eight captioned rows holding the 21 edit
// boxes, in the order of the input fields, and the spinner of the supply rise.
class TInput_group final : public TFramed_group {
public:
    TInput_group(const TWindow_variant& variant, QWidget* parent);

    // The edit box of field number `field`, 1 to 21.
    QLineEdit* Edit(int field) const { return edits_.at(static_cast<std::size_t>(field) - 1); }
    TUp_down* Spinner() const { return spinner_; }

    TField_texts Texts() const;
    void Write_texts(const TField_texts& texts);

    // Which core set of row 8 is shown: the ring dimensions or the core parameters.
    void Show_toroid_set(bool toroid);

private:
    void Create_rows(const TWindow_variant& variant);
    void Create_edits(const TWindow_variant& variant);
    void Create_spinner(const TWindow_variant& variant);

    std::array<QLineEdit*, Field_count> edits_{};
    TUp_down* spinner_ = nullptr;
};

}  // namespace ostrelta
