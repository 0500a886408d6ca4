#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillix {

bool IsWebAddress(const QString& address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool OpenInBrowser(const QString& address) {
    if (IsWebAddress(address)) QDesktopServices::openUrl(QUrl(address.trimmed()));
    return true;
}

}  // namespace quillix
