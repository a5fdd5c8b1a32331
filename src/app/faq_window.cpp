#include "faq_window.h"

namespace ostrelta {

namespace {

const TInformation_kind Kind{"FAQ", 8, TApp_text::Caption_FAQ, TInformation_text::FAQ, 281, "faq_icon"};

}  // namespace

TFAQ::TFAQ(QWidget* parent) : TInformation_window(Kind, parent) {}

}  // namespace ostrelta
