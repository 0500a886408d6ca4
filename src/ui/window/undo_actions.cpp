// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/undo_actions.h"

#include <QAction>

#include "vars/calc_vars.h"
#include "vars/undo_captions.h"
#include "vars/undo_history.h"
#include "vars_view/vars_view.h"

namespace quillix {

TUndoActions::TUndoActions(TCalcVars& document, Tfra_VarsView& view, QObject* parent)
    : QObject(parent),
      view_(view),
      history_(std::make_unique<TUndoHistory>(document)),
      undo_(new QAction(this)),
      redo_(new QAction(this)) {
    undo_->setObjectName(QStringLiteral("actUndo"));
    redo_->setObjectName(QStringLiteral("actRedo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo_, &QAction::triggered, this, &TUndoActions::Undo);
    connect(redo_, &QAction::triggered, this, &TUndoActions::Redo);
    history_->SetOnChange([this] {
        UpdateActions();
        emit changed();
    });
    UpdateActions();
}

// The history goes first: it stops listening to the document.
TUndoActions::~TUndoActions() = default;

void TUndoActions::Undo() {
    view_.SelectChangedRows([this] { history_->Undo(); });
}

void TUndoActions::Redo() {
    view_.SelectChangedRows([this] { history_->Redo(); });
}

void TUndoActions::UpdateActions() {
    undo_->setText(QString::fromStdString(UndoMenuText(history_->UndoCaption())));
    redo_->setText(QString::fromStdString(RedoMenuText(history_->RedoCaption())));
    undo_->setEnabled(history_->CanUndo());
    redo_->setEnabled(history_->CanRedo());
}

}  // namespace quillix
