#include "author_site.h"

#include "author_site_address.h"
#include "classic_window.h"

#include <QDesktopServices>

namespace ostrelta {

QUrl Author_site()
{
    return QUrl(Qt_text(Author_site_address));
}

void TDesktop_url_opener::Open(const QUrl& url)
{
    // A missing browser is not the user's concern here: the result is ignored.
    (void)QDesktopServices::openUrl(url);
}

}  // namespace ostrelta
