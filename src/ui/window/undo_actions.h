// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TUndoActions: the Undo and Redo commands of the program document, shared by
// the Edit menu and the variables view's pop-up menu. Their captions name the
// step ("&Undo Delete 'Rate'"), they are enabled only when there is a step,
// and after each the view selects the rows the step changed.

#include <QObject>
#include <memory>

class QAction;

namespace quillix {

class TCalcVars;
class TUndoHistory;
class Tfra_VarsView;

class TUndoActions final : public QObject {
    Q_OBJECT
  public:
    // Records the document's changes from now on; the view shows the result.
    TUndoActions(TCalcVars& document, Tfra_VarsView& view, QObject* parent = nullptr);
    ~TUndoActions() override;

    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    TUndoHistory& History() const { return *history_; }

    void Undo();
    void Redo();

  signals:
    // What can be undone or redone changed, or the modified flag may have.
    void changed();

  private:
    void UpdateActions();

    Tfra_VarsView& view_;
    std::unique_ptr<TUndoHistory> history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace quillix
