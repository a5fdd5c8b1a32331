#pragma once

#include "information_window.h"

namespace ostrelta {

// The window of the licence agreement.
class TLicense final : public TInformation_window {
    Q_OBJECT

public:
    explicit TLicense(QWidget* parent = nullptr);
};

}  // namespace ostrelta
