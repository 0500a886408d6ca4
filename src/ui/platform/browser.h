// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web address in the user's browser: the about box's link, the
// update dialog's download page. Only http and https addresses are opened,
// since some of them come from the network.

#include <QString>
#include <QUrl>
#include <functional>

namespace quillix {

// The maker's web site, shown in the about box.
inline constexpr const char* kWebSiteAddress = "https://quillix.example.org";

// Asks the desktop to open the address when it is a web address
// (IsWebAddress); true when it was handed on. Whether a browser then opened it
// is not known here and is not reported.
bool OpenInBrowser(const QString& address);

// What hands an address to the desktop: QDesktopServices unless a test
// installed its own recorder; an empty one restores the desktop's.
void SetUrlOpener(std::function<void(const QUrl&)> opener);

}  // namespace quillix
