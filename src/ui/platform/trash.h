// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving a file or folder to the desktop's trash (the freedesktop.org rules
// that QFile::moveToTrash follows), so that a deletion can be undone from the
// file manager. A test installs its own mover to play a desktop without a trash.

#include <QString>
#include <functional>

namespace quillix {

// True when the path went to the trash; false when no trash took it.
using TTrashMover = std::function<bool(const QString& path)>;

bool MoveToTrash(const QString& path);

// Installs a mover for every following MoveToTrash; an empty one restores the
// desktop's trash.
void SetTrashMover(TTrashMover mover);

}  // namespace quillix
