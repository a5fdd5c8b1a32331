#pragma once

#include "information_window.h"

class QLabel;
class QTimer;

namespace ostrelta {

class TClickable_label;
class TUrl_opener;

// The About window: its text, a clock that shows the time every second, the
// link to the authors' site and two pictures that close the window.
class TAbout_program final : public TInformation_window {
    Q_OBJECT

public:
    explicit TAbout_program(TUrl_opener& browser, QWidget* parent = nullptr);

    // Shows the current time in the user's long time format, without the time zone.
    void Show_time();

    QLabel* Clock() const { return clock_; }
    QTimer* Timer() const { return timer_; }

private:
    void Create_link(TUrl_opener& browser);
    void Create_clock();
    void Create_close_pictures();

    QLabel* clock_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace ostrelta
