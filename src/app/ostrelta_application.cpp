#include "ostrelta_application.h"

#include "error_report.h"

#include <exception>

namespace ostrelta {

TOstrelta_application::TOstrelta_application(int& argc, char** argv, TError_reporter& errors)
    : QApplication(argc, argv), errors_(errors)
{}

bool TOstrelta_application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        errors_.Report(Error_box_text(error.what()));
    } catch (...) {
        // An exception of no known kind is reported with an empty message.
        errors_.Report(Error_box_text({}));
    }
    return false;
}

}  // namespace ostrelta
