#pragma once

namespace ostrelta {

// The core is described both ways at once (values in both core sets, but not
// all six): the input is not calculated, and no message is given for it.
struct TInput_silent_end {};

}  // namespace ostrelta
