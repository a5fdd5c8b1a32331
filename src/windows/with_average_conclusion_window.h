#pragma once

#include "calculation_window.h"

namespace ostrelta {

class TMessage_sink;

// The calculation window of the converter with a centre-tapped primary.
class TWith_average_conclusion final : public TCalculation_window {
    Q_OBJECT

public:
    explicit TWith_average_conclusion(TMessage_sink& messages, QWidget* parent = nullptr);
};

}  // namespace ostrelta
