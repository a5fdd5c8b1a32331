#pragma once

#include "calc/core_entry_mode.h"

#include <QDialog>

#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace ostrelta {

struct TWindow_variant;
class THint_tracker;
class TInput_group;
class TMessage_sink;
class TResult_group;

// A calculation window: the input fields of one transformer design, the
// results with their curtain, a status bar and the five menu commands. The
// three converters share this window; the variant names the converter.
class TCalculation_window : public QDialog {
    Q_OBJECT

public:
    TCalculation_window(const TWindow_variant& variant, TMessage_sink& messages, QWidget* parent = nullptr);
    ~TCalculation_window() override;

    // The commands of the menu.
    void Calculate();
    void Enter_core_parameters();
    void Cancel_core_parameters();
    void Clear_data();
    void Fill_example();

    TCore_entry_mode Core_entry_mode() const { return mode_; }
    TInput_group* Inputs() const { return inputs_; }
    TResult_group* Results() const { return results_; }
    QStatusBar* Status_bar() const { return status_bar_; }
    THint_tracker* Hints() const { return hints_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Create_menu();
    void Create_client_area();
    void Create_hints();
    void Connect_fields();
    void Set_core_entry_mode(TCore_entry_mode mode);

    const TWindow_variant& variant_;
    TMessage_sink& messages_;
    const std::string separator_;
    TCore_entry_mode mode_ = TCore_entry_mode::Toroidal;

    QMenuBar* menu_bar_ = nullptr;
    QMenu* core_kind_menu_ = nullptr;
    QWidget* client_ = nullptr;
    TInput_group* inputs_ = nullptr;
    TResult_group* results_ = nullptr;
    QStatusBar* status_bar_ = nullptr;
    THint_tracker* hints_ = nullptr;
};

}  // namespace ostrelta
