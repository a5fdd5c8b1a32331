#pragma once

#include "calc/converter_topology.h"
#include "calculation_window.h"
#include "message_sink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

namespace ostrelta::testing {

// Records every message a window shows, and whether the results curtain was
// down at that moment, instead of opening a box.
class TRecorded_messages final : public TMessage_sink {
public:
    struct TMessage {
        QString text;
        bool curtain_down;
    };

    void Show_message(QWidget* parent, const QString& text) override;

    std::vector<TMessage> messages;
};

// Fails the running test at once when a real modal box opens, and closes it,
// so that a test never waits for a click that does not come.
class TModal_guard final : public QObject {
public:
    TModal_guard();
    bool Saw_modal() const { return saw_modal_; }

private:
    QTimer timer_;
    bool saw_modal_ = false;
};

// One calculation window of a converter, with named access to its controls.
class TWindow_under_test {
public:
    explicit TWindow_under_test(TConverter_topology topology);

    TCalculation_window& Window() const { return *window_; }
    int Digit() const;
    QLineEdit* Edit(int field) const;
    QLabel* Label(const QString& suffix) const;
    QLabel* Label(int number) const { return Label(QString::number(number)); }
    QWidget* Curtain() const;
    bool Curtain_down() const;
    QAction* Item(const char* name) const;
    void Set_texts(const QStringList& texts);
    QStringList Texts() const;
    const std::vector<TRecorded_messages::TMessage>& Messages() const { return messages_->messages; }
    void Forget_messages() { messages_->messages.clear(); }

private:
    QString Name(const char* kind, const QString& suffix) const;

    std::unique_ptr<TRecorded_messages> messages_;
    std::unique_ptr<TCalculation_window> window_;
};

}  // namespace ostrelta::testing
