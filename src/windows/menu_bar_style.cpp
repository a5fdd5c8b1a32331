#include "menu_bar_style.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace ostrelta {

namespace {

constexpr int Picture_gap = 4;
constexpr int Side_margin = 5;

QSize Picture_size(const QIcon& icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    return sizes.isEmpty() ? QSize(16, 16) : sizes.front();
}

}  // namespace

void TMenu_bar_style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuBarItem || item == nullptr || item->icon.isNull()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The highlight of the item, then the picture and the caption over it.
    QStyleOptionMenuItem background = *item;
    background.icon = QIcon();
    background.text.clear();
    QProxyStyle::drawControl(element, &background, painter, widget);

    const QSize picture = Picture_size(item->icon);
    const QRect area = item->rect.adjusted(Side_margin, 0, -Side_margin, 0);
    const QRect picture_rect(area.left(), area.top() + (area.height() - picture.height()) / 2, picture.width(),
                             picture.height());
    const bool enabled = (item->state & State_Enabled) != 0;
    painter->drawPixmap(picture_rect, item->icon.pixmap(picture, enabled ? QIcon::Normal : QIcon::Disabled));
    const QRect text_rect = area.adjusted(picture.width() + Picture_gap, 0, 0, 0);
    drawItemText(painter, text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                 item->palette, enabled, item->text, QPalette::ButtonText);
}

QSize TMenu_bar_style::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                        const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuBarItem || item == nullptr || item->icon.isNull()) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    const QSize picture = Picture_size(item->icon);
    const int text_width = item->fontMetrics.horizontalAdvance(item->text);
    const int height = std::max(picture.height(), item->fontMetrics.height()) + 6;
    return {Side_margin + picture.width() + Picture_gap + text_width + Side_margin, height};
}

}  // namespace ostrelta
