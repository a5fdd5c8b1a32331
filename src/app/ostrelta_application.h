#pragma once

#include <QApplication>

namespace ostrelta {

class TError_reporter;

// The application object. Qt does not let an exception cross its event
// loop, so every event is delivered under a guard: an exception that escapes
// a command is reported in the standard error box and the application goes on.
class TOstrelta_application final : public QApplication {
public:
    TOstrelta_application(int& argc, char** argv, TError_reporter& errors);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    TError_reporter& errors_;
};

}  // namespace ostrelta
