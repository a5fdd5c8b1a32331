// Writes pictures of the main window, the information windows and the
// calculation windows (as they open and after the worked example has been
// calculated) into the folder given as argument; or,
// with --show half-bridge|full-bridge|centre-tapped, opens one window to be
// looked at and used by hand.

#include "about_program.h"
#include "author_site.h"
#include "bridge_floor_window.h"
#include "bridge_window.h"
#include "faq_window.h"
#include "license_window.h"
#include "message_sink.h"
#include "support_window.h"
#include "variants_calculation.h"
#include "with_average_conclusion_window.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <memory>

namespace {

// Messages are written to standard error instead of waiting in a box.
class TPrinted_messages final : public ostrelta::TMessage_sink {
public:
    void Show_message(QWidget*, const QString& text) override { QTextStream(stderr) << text << '\n'; }
};

bool Save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(folder.filePath(name));
    if (!saved) {
        QTextStream(stderr) << "cannot write " << folder.filePath(name) << '\n';
    }
    return saved;
}

template <class TWindow>
bool Picture_window(const QDir& folder, const QString& name)
{
    TPrinted_messages messages;
    TWindow window(messages);
    bool saved = Save(window, folder, name + QStringLiteral("-initial.png"));
    window.Fill_example();
    window.Calculate();
    saved = Save(window, folder, name + QStringLiteral("-example.png")) && saved;
    return saved;
}

template <class TWindow>
int Show_window()
{
    ostrelta::TMessage_box_sink messages;
    TWindow window(messages);
    window.exec();
    return 0;
}

int Show(const QString& name)
{
    if (name == QLatin1String("full-bridge")) {
        return Show_window<ostrelta::TBridge>();
    }
    if (name == QLatin1String("centre-tapped")) {
        return Show_window<ostrelta::TWith_average_conclusion>();
    }
    return Show_window<ostrelta::TBridge_floor>();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--show")) {
        return Show(argc > 2 ? QString::fromLatin1(argv[2]) : QString());
    }
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!QDir().mkpath(folder.path())) {
        return 1;
    }
    TPrinted_messages messages;
    ostrelta::TDesktop_url_opener browser;
    ostrelta::TVariants_calculation main_window(messages, browser);
    bool saved = Save(main_window, folder, QStringLiteral("main-window.png"));
    ostrelta::TAbout_program about(browser);
    about.Show_time();
    saved = Save(about, folder, QStringLiteral("about.png")) && saved;
    ostrelta::TLicense license;
    saved = Save(license, folder, QStringLiteral("license.png")) && saved;
    ostrelta::TSupport_materially support;
    saved = Save(support, folder, QStringLiteral("support.png")) && saved;
    ostrelta::TFAQ faq;
    saved = Save(faq, folder, QStringLiteral("faq.png")) && saved;
    saved = Picture_window<ostrelta::TBridge_floor>(folder, QStringLiteral("half-bridge")) && saved;
    saved = Picture_window<ostrelta::TBridge>(folder, QStringLiteral("full-bridge")) && saved;
    saved = Picture_window<ostrelta::TWith_average_conclusion>(folder, QStringLiteral("centre-tapped")) && saved;
    return saved ? 0 : 1;
}
