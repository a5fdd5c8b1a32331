#pragma once

#include "information_window.h"

namespace ostrelta {

// The window of the appeal for material support.
class TSupport_materially final : public TInformation_window {
    Q_OBJECT

public:
    explicit TSupport_materially(QWidget* parent = nullptr);
};

}  // namespace ostrelta
