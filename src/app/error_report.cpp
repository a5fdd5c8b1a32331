#include "error_report.h"

#include "app_texts.h"
#include "classic_window.h"

#include <QMessageBox>

namespace ostrelta {

QString Error_box_text(std::string_view message)
{
    QString text = Qt_text(message);
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        text += QLatin1Char('.');
    }
    return text;
}

void TError_box_reporter::Report(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, App_text(TApp_text::Application_title), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace ostrelta
