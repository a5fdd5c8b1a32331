#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ostrelta {

// A vertical pair of arrows bound to an edit box: each step writes the new
// position, 0 to 100 and wrapping round, into the box as plain digits. The Up
// and Down keys in the box step it as well. A step starts from the box's text
// when that is a whole number in range, so the arrows go on from what the user
// sees, and otherwise from the last position.
class TUp_down final : public QWidget {
public:
    TUp_down(QLineEdit* buddy, int position, QWidget* parent);

    void Step(int delta);
    int Position() const { return position_; }
    QToolButton* Up_button() const { return up_; }
    QToolButton* Down_button() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int Minimum = 0;
    static constexpr int Maximum = 100;

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int position_;
};

}  // namespace ostrelta
