#include "bridge_window.h"

#include "window_variant.h"

namespace ostrelta {

TBridge::TBridge(TMessage_sink& messages, QWidget* parent)
    : TCalculation_window(Window_variant(TConverter_topology::Bridge), messages, parent)
{}

}  // namespace ostrelta
