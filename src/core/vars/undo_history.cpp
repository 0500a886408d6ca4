// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/undo_history.h"

#include <utility>

#include "vars/document_restorer.h"

namespace quillix {

TUndoHistory::TUndoHistory(TCalcVarsBase& document, TUndoLimits limits)
    : document_(&document), limits_(limits) {
    savedAt_ = document.GetModified() ? std::nullopt : std::optional<std::size_t>(0);
    document.SetEditRecorder(this);
}

TUndoHistory::~TUndoHistory() {
    if (document_ && document_->EditRecorder() == this) document_->SetEditRecorder(nullptr);
}

// --- Undo and redo --------------------------------------------------------------

bool TUndoHistory::CanUndo() const {
    return document_ && groupDepth_ == 0 && position_ > 0;
}

bool TUndoHistory::CanRedo() const {
    return document_ && groupDepth_ == 0 && position_ < steps_.size();
}

std::string TUndoHistory::UndoCaption() const {
    return CanUndo() ? steps_[position_ - 1]->Caption : std::string();
}

std::string TUndoHistory::RedoCaption() const {
    return CanRedo() ? steps_[position_]->Caption : std::string();
}

bool TUndoHistory::Undo() {
    if (!CanUndo()) return false;
    --position_;
    Apply(*steps_[position_], false);
    return true;
}

bool TUndoHistory::Redo() {
    if (!CanRedo()) return false;
    ++position_;
    Apply(*steps_[position_ - 1], true);
    return true;
}

void TUndoHistory::Apply(TStep& step, bool forward) {
    TDocumentRestorer restorer(*document_);
    applying_ = true;
    if (forward) {
        for (auto& record : step.Records)
            record->Swap(restorer);
    } else {
        for (auto it = step.Records.rbegin(); it != step.Records.rend(); ++it)
            (*it)->Swap(restorer);
    }
    applying_ = false;
    bytes_ -= step.Bytes;
    step.Bytes = BytesOf(step);
    bytes_ += step.Bytes;
    restorer.SetModified(savedAt_ != position_);
    // A listener changed the document while it was being put back: the steps
    // no longer fit it.
    if (std::exchange(spoiled_, false)) {
        Clear();
        savedAt_.reset();
        restorer.SetModified(true);
    }
    Changed();
}

void TUndoHistory::Clear() {
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
    savedAt_ =
        document_ && !document_->GetModified() ? std::optional<std::size_t>(0) : std::nullopt;
    if (open_) {
        open_->Records.clear();
        open_->Labels.clear();
    }
    Changed();
}

// --- Recording ------------------------------------------------------------------

TEditLabel TUndoHistory::LabelOf(TVarsEdit edit, int index, const std::string& name) const {
    TEditLabel label{edit, {}, name};
    if (index >= 0 && index < document_->Count())
        label.Name = document_->Items()[static_cast<std::size_t>(index)]->GetName();
    return label;
}

void TUndoHistory::BeforeEdit(TVarsEdit edit, int index, const std::string& name) {
    if (applying_) {
        spoiled_ = true;
        return;
    }
    TDocumentRestorer restorer(*document_);
    auto single = open_ ? nullptr : std::make_unique<TStep>();
    TStep& step = open_ ? *open_ : *single;
    step.Labels.push_back(LabelOf(edit, index, name));
    RecordEdit(edit, index, restorer, step.Records);
    if (single) Commit(std::move(single));
}

void TUndoHistory::BeginGroup(const std::string& caption) {
    if (groupDepth_++ == 0) {
        open_ = std::make_unique<TStep>();
        open_->Caption = caption;
    }
}

void TUndoHistory::EndGroup() {
    if (groupDepth_ == 0 || --groupDepth_ > 0) return;
    std::unique_ptr<TStep> step = std::move(open_);
    if (!step->Records.empty()) Commit(std::move(step));
}

void TUndoHistory::Commit(std::unique_ptr<TStep> step) {
    if (step->Caption.empty()) step->Caption = StepCaption(step->Labels);
    step->Labels.clear();
    step->Labels.shrink_to_fit();
    // A new change: the steps that could be redone go.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back()->Bytes;
        steps_.pop_back();
    }
    if (savedAt_ && *savedAt_ > position_) savedAt_.reset();
    step->Bytes = BytesOf(*step);
    bytes_ += step->Bytes;
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    // The newest step stays even above the budget: the last action can always
    // be undone.
    while (steps_.size() > limits_.Steps || (bytes_ > limits_.Bytes && steps_.size() > 1))
        DropOldest();
    Changed();
}

void TUndoHistory::DropOldest() {
    bytes_ -= steps_.front()->Bytes;
    steps_.pop_front();
    --position_;
    if (savedAt_) savedAt_ = *savedAt_ == 0 ? std::nullopt : std::optional(*savedAt_ - 1);
}

std::size_t TUndoHistory::BytesOf(const TStep& step) {
    std::size_t bytes =
        sizeof(TStep) + step.Caption.capacity() + step.Records.capacity() * sizeof(step.Records[0]);
    for (const auto& record : step.Records)
        bytes += record->Bytes();
    return bytes;
}

// --- What the document tells --------------------------------------------------------

void TUndoHistory::EditNotRecorded() {
    // What the entry was is gone: no step before this one can be undone.
    Clear();
    savedAt_.reset();
}

void TUndoHistory::DocumentReplaced(bool saved) {
    Clear();
    savedAt_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
}

void TUndoHistory::DocumentSaved() {
    // Saved inside an open group, the saved state lies within a step: out of reach.
    if (open_ && !open_->Records.empty()) {
        savedAt_.reset();
    } else {
        savedAt_ = position_;
    }
    Changed();
}

void TUndoHistory::DocumentGone() {
    document_ = nullptr;
    open_.reset();
    groupDepth_ = 0;
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
}

}  // namespace quillix
