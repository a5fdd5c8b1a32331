#include "author_site.h"

#include "author_site_address.h"

#include <QDesktopServices>

namespace ostrelta {

QUrl Author_site()
{
    return QUrl(QString::fromUtf8(Author_site_address.data(), static_cast<qsizetype>(Author_site_address.size())));
}

void TDesktop_url_opener::Open(const QUrl& url)
{
    // A missing browser is not the user's concern here: the result is ignored.
    (void)QDesktopServices::openUrl(url);
}

}  // namespace ostrelta
