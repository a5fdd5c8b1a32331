#pragma once

#include "design_report.h"

#include <ostream>

namespace ostrelta {

// Writes a report as the window would show it, one line per message or
// result row: the rejection; or the warnings in order, then the error; or the
// warnings, then "caption<TAB>value" rows, the secondary rows with the
// columns of active outputs only and the core rows only for a toroid. The end
// without a message writes nothing.
void Write_plain_report(std::ostream& out, const TDesign_report& report);

}  // namespace ostrelta
