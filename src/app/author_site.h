#pragma once

#include <QUrl>

namespace ostrelta {

// The one address of the authors' web site: the main menu's command, the
// About window's link caption and the link's target.
QUrl Author_site();

// Asks the desktop to open an address in the user's browser.
class TUrl_opener {
public:
    virtual ~TUrl_opener() = default;
    virtual void Open(const QUrl& url) = 0;
};

// The desktop's own handler; whether a browser opened is not reported.
class TDesktop_url_opener final : public TUrl_opener {
public:
    void Open(const QUrl& url) override;
};

}  // namespace ostrelta
