#pragma once

#include <QLabel>

namespace ostrelta {

// A result value: its text on the light 3D colour, as wide as the text. A
// screen reader hears its hint as the name and its text as the value, but
// only while the results curtain does not cover it.
class TValue_label final : public QLabel {
    Q_OBJECT

public:
    TValue_label(const QWidget* curtain, QWidget* parent);

    void Set_value(const QString& text);
    bool Covered() const;

private:
    const QWidget* curtain_;
};

// Lets assistive technology read value labels as described above; installed
// once per process by the first window.
void Install_value_label_accessibility();

}  // namespace ostrelta
