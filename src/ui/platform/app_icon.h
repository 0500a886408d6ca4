// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon for its windows, the about box and the tray: the pictures
// at every size the program ships, so that it shows even where Qt's SVG
// support is not installed.

#include <QIcon>

namespace quillix {

QIcon ApplicationIcon();

}  // namespace quillix
