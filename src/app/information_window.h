#pragma once

#include "app_texts.h"
#include "information_texts.h"

#include <QDialog>

class QPlainTextEdit;

namespace ostrelta {

// What sets an information window apart: its names, caption, text, the
// height of its text box and its icon.
struct TInformation_kind {
    const char* object_name;
    int digit;  // in its component names: Memo5_1, Bevel5_1
    TApp_text caption;
    TInformation_text text;
    int text_box_height;
    const char* icon;
};

// A window that shows a fixed text in a read-only box that the user can
// scroll, select and copy, inside a sunken frame.
class TInformation_window : public QDialog {
    Q_OBJECT

public:
    TInformation_window(const TInformation_kind& kind, QWidget* parent);

    QPlainTextEdit* Text_box() const { return text_box_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* text_box_;
};

}  // namespace ostrelta
