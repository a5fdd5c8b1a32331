#pragma once

#include <QProxyStyle>

namespace ostrelta {

// Draws a menu bar item's picture to the left of its caption; a plain menu
// bar shows the picture alone.
class TMenu_bar_style final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

}  // namespace ostrelta
