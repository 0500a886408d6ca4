// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_driver.h"

namespace quillix {

namespace {
TDialogDriver& InstalledDriver() {
    static TDialogDriver driver;
    return driver;
}
}  // namespace

int ExecDialog(QDialog& dialog) {
    if (const TDialogDriver& driver = InstalledDriver()) return driver(dialog);
    return dialog.exec();
}

void SetDialogDriver(TDialogDriver driver) {
    InstalledDriver() = std::move(driver);
}

}  // namespace quillix
