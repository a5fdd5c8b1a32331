#include "up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace ostrelta {

namespace {

QToolButton* Arrow_button(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

TUp_down::TUp_down(QLineEdit* buddy, int position, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(Arrow_button(Qt::UpArrow, this)), down_(Arrow_button(Qt::DownArrow, this)),
      position_(position)
{
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    buddy_->installEventFilter(this);
}

void TUp_down::Step(int delta)
{
    bool whole = false;
    const int typed = buddy_->text().toInt(&whole);
    const int from = whole && typed >= Minimum && typed <= Maximum ? typed : position_;
    const int span = Maximum - Minimum + 1;
    position_ = Minimum + ((from - Minimum + delta) % span + span) % span;
    buddy_->setText(QString::number(position_));
}

void TUp_down::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

bool TUp_down::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ostrelta
