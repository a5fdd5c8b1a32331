#include "window_pictures.h"

#include <QtGlobal>

// Resources compiled into a static library must be registered by hand, from
// the global namespace.
static void Register_window_resources()
{
    Q_INIT_RESOURCE(windows);
}

namespace ostrelta {

void Load_window_pictures()
{
    static const bool registered = (Register_window_resources(), true);
    (void)registered;
}

}  // namespace ostrelta
