#pragma once

#include <string>

namespace ostrelta {

// The texts of the four information windows of the help menu: About, the
// licence agreement, the appeal for material support and the remarks and
// explanations.
enum class TInformation_text { About, License, Support, FAQ };

// The whole text of a window in UTF-8: its lines, each of at most 107
// characters, joined by "\n", with no line break after the last one.
std::string Information_text(TInformation_text id);

}  // namespace ostrelta
