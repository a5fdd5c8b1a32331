#pragma once

#include <QFont>
#include <QString>

#include <string_view>

class QWidget;

namespace ostrelta {

// The face of every window: Liberation Sans at 11 pixels, which keeps the
// longest caption of a row clear of the value column.
QFont Classic_font();

// Moves a window that is being shown to the centre of the desktop.
void Centre_on_desktop(QWidget& window);

// A UTF-8 text of the lower layers as a Qt string.
QString Qt_text(std::string_view text);

}  // namespace ostrelta
