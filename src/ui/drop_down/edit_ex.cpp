// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down/edit_ex.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace quillix {

TEditEx::TEditEx(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    setDragEnabled(false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

void TEditEx::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEditEx::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &TEditEx::pasteRequested);
    }
    menu->popup(event->globalPos());
}

void TEditEx::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on some desktops.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace quillix
