// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/trash.h"

#include <QFile>

namespace quillix {

namespace {

TTrashMover& InstalledMover() {
    static TTrashMover mover;
    return mover;
}

}  // namespace

bool MoveToTrash(const QString& path) {
    if (const TTrashMover& mover = InstalledMover()) return mover(path);
    return QFile::moveToTrash(path);
}

void SetTrashMover(TTrashMover mover) {
    InstalledMover() = std::move(mover);
}

}  // namespace quillix
