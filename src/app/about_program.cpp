#include "about_program.h"

#include "app_pictures.h"
#include "author_site.h"
#include "clickable_label.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>

namespace ostrelta {

namespace {

const TInformation_kind Kind{"About_program",          5,   TApp_text::Caption_About_program,
                             TInformation_text::About, 198, "menu_about"};

void Set_hint(QWidget* widget, TApp_text hint)
{
    widget->setStatusTip(App_text(hint));
    widget->setToolTip(widget->statusTip());
    widget->setAccessibleName(widget->statusTip());
}

}  // namespace

TAbout_program::TAbout_program(TUrl_opener& browser, QWidget* parent) : TInformation_window(Kind, parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    Create_link(browser);
    Create_clock();
    Create_close_pictures();
}

void TAbout_program::Create_link(TUrl_opener& browser)
{
    auto* link = new TClickable_label([&browser] { browser.Open(Author_site()); }, this);
    link->setObjectName(QStringLiteral("StaticText5_2"));
    link->setText(Author_site().toString());
    link->setAlignment(Qt::AlignCenter);
    QFont bold = font();
    bold.setBold(true);
    link->setFont(bold);
    QPalette colours = link->palette();
    colours.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(colours);
    link->setGeometry(225, 215, 151, 17);
    Set_hint(link, TApp_text::Link_hint);
}

void TAbout_program::Create_clock()
{
    clock_ = new QLabel(App_text(TApp_text::Clock_initial), this);
    clock_->setObjectName(QStringLiteral("StaticText5_1"));
    clock_->setAlignment(Qt::AlignCenter);
    clock_->setAutoFillBackground(true);
    QFont face(QStringLiteral("Times New Roman"));
    face.setPixelSize(24);
    clock_->setFont(face);
    QPalette colours = clock_->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    clock_->setPalette(colours);
    clock_->setGeometry(248, 248, 105, 33);
    Set_hint(clock_, TApp_text::Clock_hint);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer5_1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TAbout_program::Show_time);
    timer_->start();
}

void TAbout_program::Create_close_pictures()
{
    const std::pair<const char*, int> pictures[] = {{"close_right", 184}, {"close_left", 368}};
    int ordinal = 1;
    for (const auto& [picture, x] : pictures) {
        auto* close_picture = new TClickable_label([this] { close(); }, this);
        close_picture->setObjectName(QStringLiteral("Image5_%1").arg(ordinal++));
        close_picture->setPixmap(App_picture(picture));
        close_picture->setAlignment(Qt::AlignCenter);
        close_picture->setGeometry(x, 240, 49, 49);
        Set_hint(close_picture, TApp_text::Close_picture_hint);
    }
}

void TAbout_program::Show_time()
{
    // The long format of some locales ends in the time zone; the clock shows
    // hours, minutes and seconds only.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")));
    clock_->setText(QLocale().toString(QTime::currentTime(), format));
}

}  // namespace ostrelta
