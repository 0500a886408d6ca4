// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TUndoHistory: the undo and redo of the program document. It records every
// change the document makes, as the document announces it beforehand, keeping
// only what the change replaces (never a copy of the whole document, except
// for Clear, which replaces all of it). One user action is one step: a change
// that raises many events (a rename shown in every formula, Clear) is one
// change, and the window wraps actions of several changes in a TEditGroup.
//
// Undo puts the document back exactly: the same entries in the same order with
// the same names, roles, descriptions, values and formulas, each formula using
// the same variables again. A new change drops the steps that could be redone.
// The modified flag follows: back at the state last saved or opened, the
// document is unmodified. New and Open clear the history. It is bounded by a
// number of steps and a memory budget, the oldest steps going first.

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vars/calc_vars_base.h"
#include "vars/undo_captions.h"
#include "vars/undo_records.h"

namespace quillix {

struct TUndoLimits {
    std::size_t Steps = 1000;
    std::size_t Bytes = std::size_t{64} << 20;  // 64 MiB
};

class TUndoHistory final : private IVarsEditRecorder {
  public:
    // Records the changes of document from now on, until either goes.
    explicit TUndoHistory(TCalcVarsBase& document, TUndoLimits limits = {});
    ~TUndoHistory() override;
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    bool CanUndo() const;
    bool CanRedo() const;
    // What the next undo or redo does ("Delete 'Rate'"); empty when nothing.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // False (nothing happens) when there is nothing to undo or redo, or while
    // an edit group is open.
    bool Undo();
    bool Redo();
    // Forgets every step.
    void Clear();
    // Called whenever what can be undone or redone may have changed: a step
    // recorded, undone or redone, the history cleared, the document saved. A
    // step is recorded before its change is made: look at the document later,
    // not inside the call.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    std::size_t StepCount() const { return steps_.size(); }
    // How many steps can be undone.
    std::size_t Position() const { return position_; }
    // The memory the steps hold.
    std::size_t Bytes() const { return bytes_; }

  private:
    struct TStep {
        std::string Caption;
        std::vector<TEditLabel> Labels;
        TUndoRecords Records;
        std::size_t Bytes = 0;
    };

    // IVarsEditRecorder.
    void BeforeEdit(TVarsEdit edit, int index, const std::string& name) override;
    void EditNotRecorded() override;
    void DocumentReplaced(bool saved) override;
    void DocumentSaved() override;
    void DocumentGone() override;
    void BeginGroup(const std::string& caption) override;
    void EndGroup() override;

    TEditLabel LabelOf(TVarsEdit edit, int index, const std::string& name) const;
    void Commit(std::unique_ptr<TStep> step);
    void DropOldest();
    void Apply(TStep& step, bool forward);
    static std::size_t BytesOf(const TStep& step);
    void Changed() const {
        if (onChange_) onChange_();
    }

    TCalcVarsBase* document_;
    TUndoLimits limits_;
    std::deque<std::unique_ptr<TStep>> steps_;
    std::size_t position_ = 0;
    // The position of the state last saved or opened; none once it is out of reach.
    std::optional<std::size_t> savedAt_ = 0;
    std::size_t bytes_ = 0;
    std::unique_ptr<TStep> open_;  // the step of the open edit group
    int groupDepth_ = 0;
    bool applying_ = false;
    bool spoiled_ = false;  // a change came in while a step was being applied
    std::function<void()> onChange_;
};

}  // namespace quillix
