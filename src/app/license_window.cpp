#include "license_window.h"

namespace ostrelta {

namespace {

const TInformation_kind Kind{"License", 6, TApp_text::Caption_License, TInformation_text::License, 281, "menu_license"};

}  // namespace

TLicense::TLicense(QWidget* parent) : TInformation_window(Kind, parent) {}

}  // namespace ostrelta
