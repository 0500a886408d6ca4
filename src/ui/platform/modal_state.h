// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal flag: true while any modal dialog of the application is open. Qt
// knows it already (the active modal widget), so there is nothing to keep.

#include <QApplication>

namespace quillix {

inline bool ModalFlag() {
    return QApplication::activeModalWidget() != nullptr;
}

}  // namespace quillix
