#pragma once

#include <QMainWindow>

class QDialog;
class QMenu;
class QPushButton;

namespace ostrelta {

class THint_tracker;
class TMessage_sink;
class TUrl_opener;

// The main window: chooses the converter by its schematic or from the menu,
// opens the calculation and information windows modally, visits the authors'
// site and ends the application.
class TVariants_calculation final : public QMainWindow {
    Q_OBJECT

public:
    TVariants_calculation(TMessage_sink& messages, TUrl_opener& browser, QWidget* parent = nullptr);

    // The open commands: each builds a fresh window, shows it modally over
    // this one and destroys it when it closes.
    void Open_half_bridge();
    void Open_full_bridge();
    void Open_centre_tapped();
    void Open_about();
    void Open_license();
    void Open_support();
    void Open_faq();
    void Visit_author_site();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Create_menu();
    void Create_panels();
    void Create_status_bar();
    void Create_hints();
    void Show_modal(QDialog& window);

    TMessage_sink& messages_;
    TUrl_opener& browser_;
    QMenu* calculation_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;
    THint_tracker* hints_ = nullptr;
};

}  // namespace ostrelta
