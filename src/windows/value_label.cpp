#include "value_label.h"

#include <QAccessibleWidget>

namespace ostrelta {

namespace {

// The light 3D colour of the classic desktop palette.
const QColor Light_3d(227, 227, 227);

class TValue_label_accessible final : public QAccessibleWidget {
public:
    explicit TValue_label_accessible(TValue_label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const TValue_label*>(widget());
        switch (kind) {
        case QAccessible::Name: return label->statusTip();
        case QAccessible::Value: return label->Covered() ? QString() : label->text();
        default: return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (static_cast<const TValue_label*>(widget())->Covered()) {
            state.invisible = true;
        }
        return state;
    }
};

QAccessibleInterface* Value_label_interface(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<TValue_label*>(object)) {
        return new TValue_label_accessible(label);
    }
    return nullptr;
}

}  // namespace

TValue_label::TValue_label(const QWidget* curtain, QWidget* parent) : QLabel(parent), curtain_(curtain)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Light_3d);
    setPalette(colours);
}

void TValue_label::Set_value(const QString& text)
{
    setText(text);
    resize(sizeHint().width(), height());
}

bool TValue_label::Covered() const
{
    return curtain_->isVisible() || !isVisible();
}

void Install_value_label_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Value_label_interface);
        return true;
    }();
    (void)installed;
}

}  // namespace ostrelta
