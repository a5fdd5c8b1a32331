#pragma once

#include <QGroupBox>

namespace ostrelta {

// A group box drawn in the classic way: an etched frame whose top line runs
// through the middle of the title, so that the first row of the grid, 15
// pixels down, sits inside the frame.
class TFramed_group : public QGroupBox {
public:
    TFramed_group(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ostrelta
