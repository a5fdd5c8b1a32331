#include "clickable_label.h"

#include <QMouseEvent>

namespace ostrelta {

TClickable_label::TClickable_label(std::function<void()> action, QWidget* parent)
    : QLabel(parent), action_(std::move(action))
{
    setCursor(Qt::PointingHandCursor);
}

void TClickable_label::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        action_();
    }
}

}  // namespace ostrelta
