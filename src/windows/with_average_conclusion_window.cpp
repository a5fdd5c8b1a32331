#include "with_average_conclusion_window.h"

#include "window_variant.h"

namespace ostrelta {

TWith_average_conclusion::TWith_average_conclusion(TMessage_sink& messages, QWidget* parent)
    : TCalculation_window(Window_variant(TConverter_topology::With_average_conclusion), messages, parent)
{}

}  // namespace ostrelta
