// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "config/update_reply.h"

namespace quillix {

namespace {
std::function<void(const QUrl&)>& InstalledOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}
}  // namespace

void SetUrlOpener(std::function<void(const QUrl&)> opener) {
    InstalledOpener() = std::move(opener);
}

bool OpenInBrowser(const QString& address) {
    if (!IsWebAddress(address.toStdString())) return false;
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid()) return false;
    if (const auto& opener = InstalledOpener()) {
        opener(url);
    } else {
        QDesktopServices::openUrl(url);
    }
    return true;
}

}  // namespace quillix
