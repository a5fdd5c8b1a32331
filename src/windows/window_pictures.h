#pragma once

namespace ostrelta {

// Makes the pictures compiled into this library available under ":/windows/";
// the windows call it before they load a picture.
void Load_window_pictures();

}  // namespace ostrelta
