#pragma once

#include "calculation_window.h"

namespace ostrelta {

class TMessage_sink;

// The calculation window of the half-bridge converter.
class TBridge_floor final : public TCalculation_window {
    Q_OBJECT

public:
    explicit TBridge_floor(TMessage_sink& messages, QWidget* parent = nullptr);
};

}  // namespace ostrelta
