#include "variants_calculation.h"

#include "about_program.h"
#include "app_pictures.h"
#include "app_texts.h"
#include "author_site.h"
#include "bridge_floor_window.h"
#include "bridge_window.h"
#include "classic_window.h"
#include "faq_window.h"
#include "hint_tracker.h"
#include "license_window.h"
#include "menu_bar_style.h"
#include "support_window.h"
#include "with_average_conclusion_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace ostrelta {

namespace {

constexpr int Client_width = 786;
constexpr int Client_height = 236;
constexpr int Status_bar_height = 19;

QAction* Menu_item(QObject* parent, const char* name, TApp_text caption, TApp_text hint, const char* picture)
{
    auto* item = new QAction(App_icon(picture), App_text(caption), parent);
    item->setObjectName(QLatin1String(name));
    item->setStatusTip(App_text(hint));
    return item;
}

QMenu* Sub_menu(QMenuBar* bar, const char* name, TApp_text caption, TApp_text hint, const char* picture)
{
    auto* menu = new QMenu(App_text(caption), bar);
    menu->menuAction()->setObjectName(QLatin1String(name));
    menu->menuAction()->setIcon(App_icon(picture));
    menu->menuAction()->setStatusTip(App_text(hint));
    menu->setToolTipsVisible(false);
    return menu;
}

// One choice panel: a sunken frame, the schematic as a picture button and two caption lines.
struct TPanel {
    int frame_x;
    const char* frame;
    const char* button;
    const char* picture;
    TApp_text hint;
    const char* first_label;
    int first_x;
    TApp_text first_line;
    const char* second_label;
    int second_x;
    TApp_text second_line;
};

const TPanel Panels[] = {
    {5, "Bevel1_1", "BitBtn1_1", "half_bridge", TApp_text::Button_hint_1, "Label1_1", 31, TApp_text::Label_1,
     "Label1_2", 20, TApp_text::Label_2},
    {265, "Bevel1_2", "BitBtn1_2", "full_bridge", TApp_text::Button_hint_2, "Label1_3", 303, TApp_text::Label_3,
     "Label1_4", 282, TApp_text::Label_4},
    {525, "Bevel1_3", "BitBtn1_3", "centre_tapped", TApp_text::Button_hint_3, "Label1_5", 536, TApp_text::Label_5,
     "Label1_6", 530, TApp_text::Label_6},
};

}  // namespace

TVariants_calculation::TVariants_calculation(TMessage_sink& messages, TUrl_opener& browser, QWidget* parent)
    : QMainWindow(parent), messages_(messages), browser_(browser)
{
    setObjectName(QStringLiteral("Variants_calculation"));
    setWindowTitle(App_text(TApp_text::Application_title));
    setStatusTip(windowTitle());
    setWindowIcon(QIcon(QStringLiteral(":/windows/window_icon.svg")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(Classic_font());

    Create_menu();
    Create_panels();
    Create_status_bar();
    Create_hints();
    setFixedSize(Client_width, menuBar()->sizeHint().height() + Client_height);
}

void TVariants_calculation::Create_menu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1_1"));
    auto* style = new TMenu_bar_style;
    style->setParent(bar);
    bar->setStyle(style);

    calculation_menu_ =
        Sub_menu(bar, "N1_1", TApp_text::Menu_N1_1_caption, TApp_text::Menu_N1_1_hint, "menu_calculation");
    QAction* half = Menu_item(this, "N1_2", TApp_text::Menu_N1_2_caption, TApp_text::Menu_N1_2_hint, "menu_topology");
    QAction* full = Menu_item(this, "N1_3", TApp_text::Menu_N1_3_caption, TApp_text::Menu_N1_3_hint, "menu_topology");
    QAction* centre = Menu_item(this, "N1_4", TApp_text::Menu_N1_4_caption, TApp_text::Menu_N1_4_hint, "menu_topology");
    connect(half, &QAction::triggered, this, &TVariants_calculation::Open_half_bridge);
    connect(full, &QAction::triggered, this, &TVariants_calculation::Open_full_bridge);
    connect(centre, &QAction::triggered, this, &TVariants_calculation::Open_centre_tapped);
    calculation_menu_->addActions({half, full, centre});
    bar->addMenu(calculation_menu_);

    QAction* exit = Menu_item(this, "N1_5", TApp_text::Menu_N1_5_caption, TApp_text::Menu_N1_5_hint, "menu_exit");
    connect(exit, &QAction::triggered, this, [this] {
        close();
        QCoreApplication::quit();
    });
    bar->addAction(exit);

    help_menu_ = Sub_menu(bar, "N1_6", TApp_text::Menu_N1_6_caption, TApp_text::Menu_N1_6_hint, "menu_help");
    QAction* about = Menu_item(this, "N1_7", TApp_text::Menu_N1_7_caption, TApp_text::Menu_N1_7_hint, "menu_about");
    QAction* site = Menu_item(this, "N1_8", TApp_text::Menu_N1_8_caption, TApp_text::Menu_N1_8_hint, "menu_site");
    QAction* license = Menu_item(this, "N1_9", TApp_text::Menu_N1_9_caption, TApp_text::Menu_N1_9_hint, "menu_license");
    QAction* support =
        Menu_item(this, "N1_10", TApp_text::Menu_N1_10_caption, TApp_text::Menu_N1_10_hint, "menu_support");
    QAction* faq = Menu_item(this, "N1_11", TApp_text::Menu_N1_11_caption, TApp_text::Menu_N1_11_hint, "menu_faq");
    connect(about, &QAction::triggered, this, &TVariants_calculation::Open_about);
    connect(site, &QAction::triggered, this, &TVariants_calculation::Visit_author_site);
    connect(license, &QAction::triggered, this, &TVariants_calculation::Open_license);
    connect(support, &QAction::triggered, this, &TVariants_calculation::Open_support);
    connect(faq, &QAction::triggered, this, &TVariants_calculation::Open_faq);
    help_menu_->addActions({about, site, license, support, faq});
    bar->addMenu(help_menu_);
}

void TVariants_calculation::Create_panels()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The frames first, so that the buttons and labels lie above them.
    for (const TPanel& panel : Panels) {
        auto* frame = new QFrame(client);
        frame->setObjectName(QLatin1String(panel.frame));
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(panel.frame_x, 5, 256, 209);
    }
    const std::array<void (TVariants_calculation::*)(), 3> opens{&TVariants_calculation::Open_half_bridge,
                                                                 &TVariants_calculation::Open_full_bridge,
                                                                 &TVariants_calculation::Open_centre_tapped};
    QPushButton* previous = nullptr;
    for (std::size_t i = 0; i < std::size(Panels); ++i) {
        const TPanel& panel = Panels[i];
        for (const auto& [name, x, line, top] :
             {std::tuple{panel.first_label, panel.first_x, panel.first_line, 182},
              std::tuple{panel.second_label, panel.second_x, panel.second_line, 197}}) {
            auto* label = new QLabel(App_text(line), client);
            label->setObjectName(QLatin1String(name));
            label->setGeometry(x, top, label->sizeHint().width(), 13);
        }
        auto* button = new QPushButton(client);
        button->setObjectName(QLatin1String(panel.button));
        const QPixmap schematic = App_picture(panel.picture);
        button->setIcon(QIcon(schematic));
        button->setIconSize(schematic.size());
        button->setGeometry(panel.frame_x + 5, 9, 246, 169);
        button->setCursor(Qt::PointingHandCursor);
        button->setStatusTip(App_text(panel.hint));
        button->setAccessibleName(button->statusTip());
        connect(button, &QPushButton::clicked, this, opens[i]);
        if (previous != nullptr) {
            setTabOrder(previous, button);
        }
        previous = button;
    }
    findChild<QPushButton*>(QStringLiteral("BitBtn1_1"))->setFocus();
}

void TVariants_calculation::Create_status_bar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1_1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(Status_bar_height);
}

void TVariants_calculation::Create_hints()
{
    hints_ = new THint_tracker(this, statusBar());
    hints_->Watch(this);
    hints_->Watch_menu_bar(menuBar());
    hints_->Watch_menu(calculation_menu_);
    hints_->Watch_menu(help_menu_);
}

bool TVariants_calculation::event(QEvent* event)
{
    // The hint tracker keeps the status bar; the status tips that Qt sends
    // on its own (and clears on leaving a control) would undo its work.
    if (event->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(event);
}

void TVariants_calculation::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Centre_on_desktop(*this);
}

void TVariants_calculation::Show_modal(QDialog& window)
{
    window.exec();
}

void TVariants_calculation::Open_half_bridge()
{
    TBridge_floor window(messages_, this);
    Show_modal(window);
}

void TVariants_calculation::Open_full_bridge()
{
    TBridge window(messages_, this);
    Show_modal(window);
}

void TVariants_calculation::Open_centre_tapped()
{
    TWith_average_conclusion window(messages_, this);
    Show_modal(window);
}

void TVariants_calculation::Open_about()
{
    TAbout_program window(browser_, this);
    hints_->Watch(&window);
    Show_modal(window);
}

void TVariants_calculation::Open_license()
{
    TLicense window(this);
    hints_->Watch(&window);
    Show_modal(window);
}

void TVariants_calculation::Open_support()
{
    TSupport_materially window(this);
    hints_->Watch(&window);
    Show_modal(window);
}

void TVariants_calculation::Open_faq()
{
    TFAQ window(this);
    hints_->Watch(&window);
    Show_modal(window);
}

void TVariants_calculation::Visit_author_site()
{
    browser_.Open(Author_site());
}

}  // namespace ostrelta
