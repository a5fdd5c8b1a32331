#include "support_window.h"

namespace ostrelta {

namespace {

const TInformation_kind Kind{"Support_materially",       7,   TApp_text::Caption_Support_materially,
                             TInformation_text::Support, 281, "support_icon"};

}  // namespace

TSupport_materially::TSupport_materially(QWidget* parent) : TInformation_window(Kind, parent) {}

}  // namespace ostrelta
