#pragma once

#include <QString>

#include <string_view>

namespace ostrelta {

// The text of the standard error box for an exception's message: a full
// stop is added when the message is not empty and its last character sorts
// after "." in byte order.
QString Error_box_text(std::string_view message);

// Where an exception that escaped a command is reported.
class TError_reporter {
public:
    virtual ~TError_reporter() = default;
    virtual void Report(const QString& text) = 0;
};

// The standard error box: modal, captioned with the application's title,
// with the error icon and one OK button.
class TError_box_reporter final : public TError_reporter {
public:
    void Report(const QString& text) override;
};

}  // namespace ostrelta
