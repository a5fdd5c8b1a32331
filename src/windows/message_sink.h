#pragma once

#include <QString>

class QWidget;

namespace ostrelta {

// Where a window's messages go: a modal box for the user, or a record in a test.
class TMessage_sink {
public:
    virtual ~TMessage_sink() = default;
    // Shows the text and returns once the user has dismissed it.
    virtual void Show_message(QWidget* parent, const QString& text) = 0;
};

// A modal message box captioned with the application's title, without an
// icon, with one OK button.
class TMessage_box_sink final : public TMessage_sink {
public:
    void Show_message(QWidget* parent, const QString& text) override;
};

}  // namespace ostrelta
