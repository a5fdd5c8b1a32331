#include "hint_tracker.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

namespace ostrelta {

THint_tracker::THint_tracker(QWidget* window, QStatusBar* status_bar)
    : QObject(window), window_(window), status_bar_(status_bar)
{}

void THint_tracker::Watch(QWidget* widget)
{
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void THint_tracker::Watch_menu_bar(QMenuBar* menu_bar)
{
    connect(menu_bar, &QMenuBar::hovered, this, &THint_tracker::Show_action);
}

void THint_tracker::Watch_menu(QMenu* menu)
{
    connect(menu, &QMenu::hovered, this, &THint_tracker::Show_action);
    connect(menu, &QMenu::aboutToHide, this, [this] { Show(pointer_hint_); });
}

QString THint_tracker::Hint_over(const QWidget* widget) const
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty()) {
            return w->statusTip();
        }
        if (w == window_) {
            break;
        }
    }
    return window_->statusTip();
}

bool THint_tracker::eventFilter(QObject* watched, QEvent* event)
{
    // Leave events run from the innermost control outwards and enter events
    // from the outermost inwards, so the last one names the control under
    // the pointer.
    // The pointer over no window of the application shows no hint.
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const auto* widget = static_cast<const QWidget*>(watched);
        if (event->type() == QEvent::Leave) {
            widget = widget->isWindow() ? nullptr : widget->parentWidget();
        }
        pointer_hint_ = widget == nullptr ? QString() : Hint_over(widget);
        Show(pointer_hint_);
    }
    return QObject::eventFilter(watched, event);
}

void THint_tracker::Show(const QString& hint)
{
    status_bar_->showMessage(hint);
}

void THint_tracker::Show_action(QAction* action)
{
    Show(action->statusTip());
}

}  // namespace ostrelta
