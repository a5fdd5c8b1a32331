#pragma once

#include "information_window.h"

namespace ostrelta {

// The window of the remarks and explanations, a short user guide.
class TFAQ final : public TInformation_window {
    Q_OBJECT

public:
    explicit TFAQ(QWidget* parent = nullptr);
};

}  // namespace ostrelta
