#pragma once

#include <QIcon>
#include <QPixmap>

namespace ostrelta {

// A picture of the application's artwork, drawn at its own pixel size from
// its vector form (":/app/<name>.svg").
QPixmap App_picture(const char* name);
QIcon App_icon(const char* name);

}  // namespace ostrelta
