#include "app_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

static void Register_app_resources()
{
    Q_INIT_RESOURCE(app);
}

namespace ostrelta {

QPixmap App_picture(const char* name)
{
    static const bool registered = (Register_app_resources(), true);
    (void)registered;
    QSvgRenderer drawing(QStringLiteral(":/app/%1.svg").arg(QLatin1String(name)));
    QPixmap picture(drawing.defaultSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawing.render(&painter);
    return picture;
}

QIcon App_icon(const char* name)
{
    return QIcon(App_picture(name));
}

}  // namespace ostrelta
