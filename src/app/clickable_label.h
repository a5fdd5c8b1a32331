#pragma once

#include <QLabel>

#include <functional>

namespace ostrelta {

// A label that acts when clicked: a link or a picture that closes its window.
class TClickable_label final : public QLabel {
public:
    TClickable_label(std::function<void()> action, QWidget* parent);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> action_;
};

}  // namespace ostrelta
