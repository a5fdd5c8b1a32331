// ostrelta: the topology chooser, from which every calculation and
// information window opens. Command-line arguments are not used; the process
// always ends with exit code 0.

#include "app_pictures.h"
#include "author_site.h"
#include "error_report.h"
#include "message_sink.h"
#include "ostrelta_application.h"
#include "variants_calculation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

int main(int argc, char** argv)
{
    ostrelta::TError_box_reporter errors;
    ostrelta::TOstrelta_application application(argc, argv, errors);
    QApplication::setApplicationName(QStringLiteral("ostrelta"));
    QApplication::setWindowIcon(ostrelta::App_icon("application_icon"));
    // Qt's own texts (the text boxes' context menus, the OK button) in the user's language.
    QTranslator qt_texts;
    if (qt_texts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_texts);
    }
    try {
        ostrelta::TMessage_box_sink messages;
        ostrelta::TDesktop_url_opener browser;
        ostrelta::TVariants_calculation window(messages, browser);
        window.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        errors.Report(ostrelta::Error_box_text(error.what()));
    } catch (...) {
        errors.Report(ostrelta::Error_box_text({}));
    }
    return 0;
}
