#include "message_sink.h"

#include "window_texts.h"

#include <QMessageBox>

namespace ostrelta {

void TMessage_box_sink::Show_message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, Window_text(TWindow_text::Message_caption), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace ostrelta
