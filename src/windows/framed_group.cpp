#include "framed_group.h"

#include <QPainter>

namespace ostrelta {

namespace {

constexpr int Title_left = 8;
constexpr int Title_padding = 2;

}  // namespace

TFramed_group::TFramed_group(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void TFramed_group::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));

    const QRect title_area(Title_left, 0, metrics.horizontalAdvance(title()) + 2 * Title_padding, metrics.height());
    painter.fillRect(title_area, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(title_area, Qt::AlignCenter, title());
}

}  // namespace ostrelta
