#pragma once

#include "calculation_window.h"

namespace ostrelta {

class TMessage_sink;

// The calculation window of the full-bridge converter.
class TBridge final : public TCalculation_window {
    Q_OBJECT

public:
    explicit TBridge(TMessage_sink& messages, QWidget* parent = nullptr);
};

}  // namespace ostrelta
