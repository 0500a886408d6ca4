// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the dialog launchers run a modal dialog: exec() in the application; a
// test installs a driver that receives the dialog, fills it in and answers
// Accepted or Rejected without a nested event loop.

#include <QDialog>
#include <functional>

namespace quillix {

using TDialogDriver = std::function<int(QDialog& dialog)>;

// Runs the dialog modal and returns its result (QDialog::Accepted or Rejected).
int ExecDialog(QDialog& dialog);

// Installs a driver for every following ExecDialog; an empty one restores exec().
void SetDialogDriver(TDialogDriver driver);

}  // namespace quillix
