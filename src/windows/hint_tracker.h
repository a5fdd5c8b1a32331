#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;
class QWidget;

namespace ostrelta {

// Keeps a status bar showing the hint of the control under the pointer, or
// of the nearest enclosing control that has one (the window's hint last),
// nothing while the pointer is outside the watched windows, and the hint of a
// highlighted menu item while one is highlighted. A control's hint is its
// status tip.
class THint_tracker final : public QObject {
public:
    THint_tracker(QWidget* window, QStatusBar* status_bar);

    // Follows the pointer over `widget` and every control inside it.
    void Watch(QWidget* widget);
    // Shows the hints of the menu bar's items and of the menus' entries.
    void Watch_menu_bar(QMenuBar* menu_bar);
    void Watch_menu(QMenu* menu);

    // The hint shown while the pointer is over `widget`.
    QString Hint_over(const QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(const QString& hint);
    void Show_action(QAction* action);

    QWidget* window_;
    QStatusBar* status_bar_;
    QString pointer_hint_;
};

}  // namespace ostrelta
