#include "calculation_window.h"

#include "calc/design_calculation.h"
#include "classic_window.h"
#include "hint_tracker.h"
#include "input/design_fields_reader.h"
#include "input/field_texts.h"
#include "input/locale_separator.h"
#include "input_group.h"
#include "menu_bar_style.h"
#include "message_sink.h"
#include "result_group.h"
#include "window_pictures.h"
#include "window_texts.h"
#include "window_variant.h"

#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <variant>

namespace ostrelta {

namespace {

constexpr int Status_bar_height = 19;

// A menu picture at its own pixel size, drawn from its vector form.
QIcon Picture(const char* name, int size)
{
    const QIcon drawing(QStringLiteral(":/windows/%1.svg").arg(QLatin1String(name)));
    return QIcon(drawing.pixmap(QSize(size, size)));
}

QAction* Menu_action(QObject* parent, const char* name, TWindow_text caption, const QIcon& picture)
{
    auto* action = new QAction(picture, Window_text(caption), parent);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(action->text());
    return action;
}

}  // namespace

TCalculation_window::TCalculation_window(const TWindow_variant& variant, TMessage_sink& messages, QWidget* parent)
    : QDialog(parent), variant_(variant), messages_(messages), separator_(Locale_decimal_separator())
{
    Load_window_pictures();
    setObjectName(QLatin1String(variant.window_name));
    setWindowTitle(Window_text(variant.caption));
    setStatusTip(windowTitle());
    setWindowIcon(QIcon(QStringLiteral(":/windows/window_icon.svg")));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Classic_font());

    Create_menu();
    Create_client_area();
    Create_hints();
    Connect_fields();
    setFixedSize(Client_width, client_->y() + variant.client_height);
    inputs_->Edit(1)->setFocus();
}

TCalculation_window::~TCalculation_window() = default;

void TCalculation_window::Create_menu()
{
    menu_bar_ = new QMenuBar(this);
    menu_bar_->setObjectName(variant_.Name("MainMenu", 1));
    auto* style = new TMenu_bar_style;
    style->setParent(menu_bar_);
    menu_bar_->setStyle(style);

    QAction* calculate =
        Menu_action(this, variant_.calculate_item, TWindow_text::Menu_calculate, Picture("arrow_green", 16));
    connect(calculate, &QAction::triggered, this, &TCalculation_window::Calculate);
    menu_bar_->addAction(calculate);

    core_kind_menu_ = new QMenu(Window_text(TWindow_text::Menu_core_kind_nontoroidal), menu_bar_);
    QAction* core_kind = core_kind_menu_->menuAction();
    core_kind->setObjectName(QLatin1String(variant_.core_kind_item));
    core_kind->setIcon(Picture("arrow_blue", 16));
    core_kind->setStatusTip(core_kind->text());
    QAction* manual = Menu_action(this, variant_.manual_item, TWindow_text::Menu_manual_entry, Picture("hammer", 16));
    connect(manual, &QAction::triggered, this, &TCalculation_window::Enter_core_parameters);
    QAction* cancel =
        Menu_action(this, variant_.cancel_item, TWindow_text::Menu_cancel_manual_entry, Picture("hammer", 16));
    connect(cancel, &QAction::triggered, this, &TCalculation_window::Cancel_core_parameters);
    core_kind_menu_->addAction(manual);
    core_kind_menu_->addAction(cancel);
    menu_bar_->addMenu(core_kind_menu_);

    QAction* clear = Menu_action(this, variant_.clear_item, TWindow_text::Menu_clear, Picture("arrow_red", 16));
    connect(clear, &QAction::triggered, this, &TCalculation_window::Clear_data);
    menu_bar_->addAction(clear);

    QAction* example =
        Menu_action(this, variant_.example_item, TWindow_text::Menu_example, Picture("arrow_yellow", 16));
    connect(example, &QAction::triggered, this, &TCalculation_window::Fill_example);
    menu_bar_->addAction(example);

    QAction* close_window = Menu_action(this, variant_.close_item, TWindow_text::Menu_close, Picture("close", 19));
    connect(close_window, &QAction::triggered, this, &QDialog::close);
    menu_bar_->addAction(close_window);

    menu_bar_->setGeometry(0, 0, Client_width, menu_bar_->sizeHint().height());
}

void TCalculation_window::Create_client_area()
{
    client_ = new QWidget(this);
    client_->setGeometry(0, menu_bar_->height(), Client_width, variant_.client_height);
    inputs_ = new TInput_group(variant_, client_);
    results_ = new TResult_group(variant_, client_);
    status_bar_ = new QStatusBar(client_);
    status_bar_->setObjectName(variant_.Name("StatusBar", 1));
    status_bar_->setSizeGripEnabled(false);
    status_bar_->setGeometry(0, variant_.client_height - Status_bar_height, Client_width, Status_bar_height);
}

void TCalculation_window::Create_hints()
{
    hints_ = new THint_tracker(this, status_bar_);
    hints_->Watch(this);
    hints_->Watch_menu_bar(menu_bar_);
    hints_->Watch_menu(core_kind_menu_);
}

void TCalculation_window::Connect_fields()
{
    for (int field = 1; field <= Field_count; ++field) {
        connect(inputs_->Edit(field), &QLineEdit::textChanged, results_, &TResult_group::Lower_curtain);
    }
}

void TCalculation_window::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Centre_on_desktop(*this);
}

void TCalculation_window::Calculate()
{
    results_->Raise_curtain();
    const TInput_outcome input = Read_design_fields(inputs_->Texts(), separator_);
    if (const auto* rejection = std::get_if<TInput_rejection>(&input)) {
        results_->Lower_curtain();
        messages_.Show_message(this, QString::fromStdString(rejection->message));
        return;
    }
    const auto* design = std::get_if<TValidated_design>(&input);
    if (design == nullptr) {
        // Both core descriptions hold values: nothing to calculate. The
        // window's commands keep the hidden set at "0", so this does not arise here.
        return;
    }
    const TCalculation_outcome outcome = Run_design_calculation(design->input, variant_.topology, design->mode);
    if (outcome.results.P_load != 0) {
        results_->Show_outputs(outcome.results.output_active);
    }
    for (TCalculation_message warning : outcome.warnings) {
        messages_.Show_message(this, Qt_text(Message_text(warning)));
    }
    if (outcome.error) {
        results_->Lower_curtain();
        messages_.Show_message(this, Qt_text(Message_text(*outcome.error)));
        return;
    }
    results_->Write(Result_texts(outcome.results, separator_));
}

void TCalculation_window::Enter_core_parameters()
{
    for (int field = 16; field <= 18; ++field) {
        inputs_->Edit(field)->hide();
    }
    for (int field = 16; field <= 18; ++field) {
        inputs_->Edit(field)->setText(QStringLiteral("0"));
    }
    for (int field = 19; field <= 21; ++field) {
        inputs_->Edit(field)->show();
    }
    Set_core_entry_mode(TCore_entry_mode::Manual);
    results_->Lower_curtain();
}

void TCalculation_window::Cancel_core_parameters()
{
    inputs_->Show_toroid_set(true);
    for (int field = 16; field <= 21; ++field) {
        inputs_->Edit(field)->setText(QStringLiteral("0"));
    }
    Set_core_entry_mode(TCore_entry_mode::Toroidal);
    results_->Lower_curtain();
}

void TCalculation_window::Clear_data()
{
    inputs_->Write_texts(Initial_field_texts());
    results_->Lower_curtain();
}

void TCalculation_window::Fill_example()
{
    inputs_->Write_texts(Example_field_texts(separator_));
    inputs_->Show_toroid_set(true);
    Set_core_entry_mode(TCore_entry_mode::Toroidal);
    results_->Lower_curtain();
}

// The core rows of the results and the caption of the drop-down follow the
// mode; the caption names the kind of core the drop-down switches to.
void TCalculation_window::Set_core_entry_mode(TCore_entry_mode mode)
{
    mode_ = mode;
    const bool toroidal = mode == TCore_entry_mode::Toroidal;
    results_->Show_core_rows(toroidal);
    core_kind_menu_->setTitle(
        Window_text(toroidal ? TWindow_text::Menu_core_kind_nontoroidal : TWindow_text::Menu_core_kind_toroidal));
}

}  // namespace ostrelta
