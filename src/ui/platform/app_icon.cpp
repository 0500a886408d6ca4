// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_icon.h"

// The icons are resources of a static library, registered on first use.
static void RegisterIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(quillix);
        return true;
    }();
    (void)registered;
}

namespace quillix {

QIcon ApplicationIcon() {
    RegisterIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillix-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace quillix
