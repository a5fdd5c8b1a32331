#include "bridge_floor_window.h"

#include "window_variant.h"

namespace ostrelta {

TBridge_floor::TBridge_floor(TMessage_sink& messages, QWidget* parent)
    : TCalculation_window(Window_variant(TConverter_topology::Bridge_floor), messages, parent)
{}

}  // namespace ostrelta
