#pragma once

#include "calc/design_input.h"
#include "calc/result_texts.h"

#include "framed_group.h"

#include <array>

class QLabel;

namespace ostrelta {

struct TWindow_variant;
class TValue_label;

// The group "Результаты расчёта": sixteen captioned rows of value labels
// (five output columns in rows 12 and 13) and the curtain that covers the
// values while they do not belong to the data in the fields.
class TResult_group final : public TFramed_group {
public:
    TResult_group(const TWindow_variant& variant, QWidget* parent);

    void Raise_curtain();
    void Lower_curtain();
    bool Curtain_down() const;

    // Shows or hides the turns and wire values of each output.
    void Show_outputs(const std::array<bool, Output_count>& active);
    // Shows or hides rows 14 to 16, the core values derived from a toroid.
    void Show_core_rows(bool visible);
    void Write(const TResult_texts& texts);

private:
    void Create_rows(const TWindow_variant& variant);
    void Create_values(const TWindow_variant& variant);
    // Value label number `number`, 22 to 45.
    TValue_label* Value(int number) const;

    QWidget* curtain_ = nullptr;
    std::array<QLabel*, 16> captions_{};      // rows 1 to 16
    std::array<TValue_label*, 24> values_{};  // Label2_22 to Label2_45
};

}  // namespace ostrelta
