#pragma once

#include <string_view>

namespace ostrelta {

// The address of the authors' web site, the one place it is written: the main
// menu's command, the About window's link and the About text use it.
inline constexpr std::string_view Author_site_address = "https://ostrelta.example.org/";

}  // namespace ostrelta
