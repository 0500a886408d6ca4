#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "config/update_reply.h"

namespace quillix {

bool OpenInBrowser(const QString& address) {
    if (!IsWebAddress(address.toStdString())) return false;
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid()) return false;
    QDesktopServices::openUrl(url);
    return true;
}

}  // namespace quillix
