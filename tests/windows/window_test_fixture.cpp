#include "window_test_fixture.h"

#include "bridge_floor_window.h"
#include "bridge_window.h"
#include "result_group.h"
#include "with_average_conclusion_window.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace ostrelta::testing {

void TRecorded_messages::Show_message(QWidget* parent, const QString& text)
{
    const auto* window = qobject_cast<TCalculation_window*>(parent);
    messages.push_back({text, window != nullptr && window->Results()->Curtain_down()});
}

TModal_guard::TModal_guard()
{
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            saw_modal_ = true;
            modal->close();
            QFAIL("a modal box opened unexpectedly");
        }
    });
    timer_.start();
}

TWindow_under_test::TWindow_under_test(TConverter_topology topology) : messages_(std::make_unique<TRecorded_messages>())
{
    switch (topology) {
    case TConverter_topology::Bridge_floor: window_ = std::make_unique<TBridge_floor>(*messages_); break;
    case TConverter_topology::Bridge: window_ = std::make_unique<TBridge>(*messages_); break;
    case TConverter_topology::With_average_conclusion:
        window_ = std::make_unique<TWith_average_conclusion>(*messages_);
        break;
    }
    window_->show();
    QApplication::processEvents();
}

int TWindow_under_test::Digit() const
{
    return window_->objectName() == QLatin1String("Bridge_floor") ? 2
           : window_->objectName() == QLatin1String("Bridge")     ? 3
                                                                  : 4;
}

QString TWindow_under_test::Name(const char* kind, const QString& suffix) const
{
    return QStringLiteral("%1%2_%3").arg(QLatin1String(kind)).arg(Digit()).arg(suffix);
}

QLineEdit* TWindow_under_test::Edit(int field) const
{
    return window_->findChild<QLineEdit*>(Name("Edit", QString::number(field)));
}

QLabel* TWindow_under_test::Label(const QString& suffix) const
{
    return window_->findChild<QLabel*>(Name("Label", suffix));
}

QWidget* TWindow_under_test::Curtain() const
{
    return window_->findChild<QWidget*>(Name("Panel", QStringLiteral("1")));
}

bool TWindow_under_test::Curtain_down() const
{
    return !Curtain()->isHidden();
}

QAction* TWindow_under_test::Item(const char* name) const
{
    return window_->findChild<QAction*>(QLatin1String(name));
}

void TWindow_under_test::Set_texts(const QStringList& texts)
{
    for (int field = 1; field <= texts.size(); ++field) {
        Edit(field)->setText(texts[field - 1]);
    }
}

QStringList TWindow_under_test::Texts() const
{
    QStringList texts;
    for (int field = 1; field <= 21; ++field) {
        texts << Edit(field)->text();
    }
    return texts;
}

}  // namespace ostrelta::testing
