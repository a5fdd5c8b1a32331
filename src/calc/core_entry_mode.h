#pragma once

namespace ostrelta {

// How the core is described: by the ring dimensions of a toroid (the window
// area, cross-section and path length are derived) or by those three values typed.
enum class TCore_entry_mode {
    Toroidal,
    Manual,
};

}  // namespace ostrelta
