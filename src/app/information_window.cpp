#include "information_window.h"

#include "app_pictures.h"
#include "classic_window.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace ostrelta {

namespace {

constexpr int Client_width = 601;
constexpr int Client_height = 298;

}  // namespace

TInformation_window::TInformation_window(const TInformation_kind& kind, QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(kind.object_name));
    setWindowTitle(App_text(kind.caption));
    setStatusTip(windowTitle());
    setWindowIcon(App_icon(kind.icon));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Classic_font());
    setFixedSize(Client_width, Client_height);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel%1_1").arg(kind.digit));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(0, 0, Client_width, Client_height);

    text_box_ = new QPlainTextEdit(this);
    text_box_->setObjectName(QStringLiteral("Memo%1_1").arg(kind.digit));
    text_box_->setReadOnly(true);
    text_box_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_box_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_box_->setPlainText(QString::fromStdString(Information_text(kind.text)));
    text_box_->setGeometry(8, 8, 585, kind.text_box_height);
    // The lines are broken by hand to fit the box; a 10-pixel face keeps the
    // longest of them within it, where the window's 11 pixels would wrap some.
    QFont text_font = Classic_font();
    text_font.setPixelSize(10);
    text_box_->setFont(text_font);
    text_box_->setFocus();
}

void TInformation_window::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Centre_on_desktop(*this);
}

}  // namespace ostrelta
