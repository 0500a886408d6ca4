// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_vars_base.h"

#include <algorithm>
#include <exception>
#include <unordered_set>
#include <utility>

#include "common/untrusted_text.h"
#include "model/calc_operate.h"
#include "model/value_traversal.h"
#include "model/vars_document.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"
#include "vars/value_users.h"

namespace quillix {

namespace {
const std::string kNoName;
}  // namespace

// Entries just let go of their values: a clone's values belong to the set it was
// made from, and an execution set's values go with it.
TCalcVarsBase::~TCalcVarsBase() {
    if (recorder_) std::exchange(recorder_, nullptr)->DocumentGone();
}

// --- Lookup ---------------------------------------------------------------------

TCalcValueWarper* TCalcVarsBase::Find(const std::string& name) {
    return byName_.Find(NameKey(name));
}

bool TCalcVarsBase::IndexEntry(TCalcValueWarper* entry) {
    return byName_.Insert(NameKey(entry->GetName()), entry);
}

TCalcValue* TCalcVarsBase::GetValue(const std::string& name) {
    TCalcValueWarper* entry = Find(name);
    return entry ? entry->Value.get() : nullptr;
}

bool TCalcVarsBase::Exists(const std::string& name) {
    return Find(name) != nullptr;
}

int TCalcVarsBase::IndexOf(const TCalcValueWarper* entry) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == entry) return static_cast<int>(i);
    }
    return -1;
}

void TCalcVarsBase::GetNames(std::vector<std::string>& names) {
    for (const auto& entry : items_)
        names.push_back(entry->GetName());
}

// --- Changes --------------------------------------------------------------------

bool TCalcVarsBase::Add(const std::string& name, ValueRef value) {
    // The name check: a name must not carry what could break or forge a line
    // of output (control characters, invalid UTF-8).
    if (!value || !VariableNameProblem(name).empty()) return false;
    const std::string trimmed = TrimBlanks(name);
    if (Exists(trimmed) || value->IsNamed()) return false;
    Record(TVarsEdit::Add, Count(), trimmed);
    value->SetName(trimmed);
    items_.push_back(std::make_unique<TCalcValueWarper>(std::move(value)));
    IndexEntry(items_.back().get());
    modified_ = true;
    Notify(vaAdded, Count() - 1, items_.back().get(), trimmed);
    return true;
}

void TCalcVarsBase::RemoveEntryAt(int index) {
    std::unique_ptr<TCalcValueWarper> entry = std::move(items_[static_cast<std::size_t>(index)]);
    items_.erase(items_.begin() + index);
    byName_.Erase(NameKey(entry->GetName()));
    // Formulas that still use the value keep working on their own copy of it; a
    // holder that keeps the value (the calculation stack) sees a plain number.
    if (entry->Value && entry->Value->IsNamed()) entry->Value->ClearName();
}

int TCalcVarsBase::Delete(const std::string& name) {
    TCalcValueWarper* entry = Find(name);
    if (!entry) return -1;
    const int index = IndexOf(entry);
    // Taken first: name may be the entry's own name, which goes with it.
    const std::string trimmed = TrimBlanks(name);
    Record(TVarsEdit::Delete, index);
    RemoveEntryAt(index);
    modified_ = true;
    Notify(vaDeleted, index, nullptr, trimmed);
    return index;
}

int TCalcVarsBase::DeleteAt(int index) {
    if (index < 0 || index >= Count()) return -1;
    Record(TVarsEdit::Delete, index);
    RemoveEntryAt(index);
    modified_ = true;
    Notify(vaDeleted, index, nullptr, kNoName);
    return index;
}

void TCalcVarsBase::InsertEntryAt(int index, std::unique_ptr<TCalcValueWarper> entry) {
    IndexEntry(entry.get());
    items_.insert(items_.begin() + index, std::move(entry));
}

void TCalcVarsBase::RemoveAllEntries() {
    for (int i = Count() - 1; i >= 0; --i)
        RemoveEntryAt(i);
}

void TCalcVarsBase::Clear() {
    Record(TVarsEdit::Clear, -1);
    ++clearCount_;
    RemoveAllEntries();
    modified_ = true;
    Notify(vaCleared, -1, nullptr, kNoName);
}

TCalcValue* TCalcVarsBase::SetValue(const std::string& name, ValueRef value) {
    if (!value || value->IsNamed()) return nullptr;
    TCalcValueWarper* target = Find(name);
    if (!target) return nullptr;
    // The formula may use only entries before the target (so never the target).
    std::vector<std::string> used;
    value->CollectNames(used);
    std::unordered_set<std::string> usedKeys;
    for (const std::string& usedName : used)
        usedKeys.insert(NameKey(usedName));
    const int index = IndexOf(target);
    for (int i = index; i < Count(); ++i) {
        if (usedKeys.count(NameKey(items_[static_cast<std::size_t>(i)]->GetName()))) return nullptr;
    }
    Record(TVarsEdit::Value, index);
    target->Value->TakeOver(std::move(value), true);
    modified_ = true;
    Notify(vaValueChanged, index, target, TrimBlanks(name));
    return target->Value.get();
}

void TCalcVarsBase::SetValueType(const std::string& name, std::uint8_t type) {
    TCalcValueWarper* entry = Find(name);
    if (!entry) return;
    const int index = IndexOf(entry);
    Record(TVarsEdit::Type, index);
    entry->SetType(type);
    modified_ = true;
    Notify(vaTypeChanged, index, entry, name);
}

void TCalcVarsBase::SetValueTypeAt(int index, std::uint8_t type) {
    if (index < 0 || index >= Count()) return;
    TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    Record(TVarsEdit::Type, index);
    entry->SetType(type);
    modified_ = true;
    Notify(vaTypeChanged, index, entry, entry->GetName());
}

void TCalcVarsBase::SetProperties(int index, std::uint8_t type, const std::string& description) {
    if (index < 0 || index >= Count()) return;
    TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    Record(TVarsEdit::Properties, index);
    entry->Type = type;
    entry->Description = description;
    modified_ = true;
    Notify(vaItemChanged, index, entry, entry->GetName());
}

bool TCalcVarsBase::MoveUp(int index) {
    if (index <= 0 || index >= Count()) return false;
    TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    TCalcValueWarper* previous = items_[static_cast<std::size_t>(index - 1)].get();
    std::vector<std::string> used;
    entry->Value->CollectNames(used);
    const std::string previousKey = NameKey(previous->GetName());
    for (const std::string& usedName : used) {
        if (NameKey(usedName) == previousKey) return false;
    }
    Record(TVarsEdit::Move, index);
    modified_ = true;
    SwapWithPrevious(index);
    return true;
}

void TCalcVarsBase::SwapWithPrevious(int index) {
    auto& later = items_[static_cast<std::size_t>(index)];
    auto& earlier = items_[static_cast<std::size_t>(index - 1)];
    std::swap(later, earlier);
    Notify(vaItemChanged, index, later.get(), later->GetName());
    Notify(vaItemChanged, index - 1, earlier.get(), earlier->GetName());
}

bool TCalcVarsBase::Rename(int index, const std::string& name) {
    if (index < 0 || index >= Count() || !VariableNameProblem(name).empty()) return false;
    const std::string trimmed = TrimBlanks(name);
    const TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    const TCalcValueWarper* holder = Find(trimmed);
    if (holder && holder != entry) return false;
    if (entry->GetName() == trimmed) return true;
    Record(TVarsEdit::Rename, index, trimmed);
    modified_ = true;
    RenameEntry(index, trimmed);
    return true;
}

void TCalcVarsBase::RenameEntry(int index, const std::string& name) {
    TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    byName_.Erase(NameKey(entry->GetName()));
    entry->Value->SetName(name);
    IndexEntry(entry);
    Notify(vaItemChanged, index, entry, name);
    // The formulas that use the variable show its new name.
    for (const TCalcValue* user : NamedUsersOf(*entry->Value)) {
        TCalcValueWarper* userEntry = Find(user->Name());
        if (userEntry && userEntry->Value.get() == user)
            Notify(vaItemChanged, IndexOf(userEntry), userEntry, userEntry->GetName());
    }
}

void TCalcVarsBase::Changed(TCalcValueWarper* entry) {
    if (IVarsEditRecorder* recorder = ActiveRecorder()) recorder->EditNotRecorded();
    modified_ = true;
    Notify(vaItemChanged, IndexOf(entry), entry, entry ? entry->GetName() : kNoName);
}

void TCalcVarsBase::SetDescription(const std::string& text) {
    Record(TVarsEdit::Description, -1);
    description_ = text;
    modified_ = true;
}

// --- Evaluation and copies --------------------------------------------------------

void TCalcVarsBase::RecalcAll() {
    std::vector<TCalcValue*> roots;
    roots.reserve(items_.size());
    for (const auto& entry : items_) {
        if (entry->Type != wtInput) roots.push_back(entry->Value.get());
    }
    ValueTraversal::RecalculateTrees(roots);
}

std::unique_ptr<TCalcVarsBase> TCalcVarsBase::Clone() {
    auto copy = std::make_unique<TCalcVarsBase>();
    copy->description_ = description_;
    for (const auto& entry : items_) {
        copy->items_.push_back(entry->Clone());
        copy->IndexEntry(copy->items_.back().get());
    }
    return copy;
}

void TCalcVarsBase::ResetTypes() {
    for (const auto& entry : items_)
        entry->Type = wtNormal;
}

void TCalcVarsBase::MarkInput(const std::string& name, const std::string& description) {
    if (TCalcValueWarper* entry = Find(name)) {
        entry->Type = wtInput;
        if (!TrimBlanks(description).empty()) entry->Description = description;
    }
}

void TCalcVarsBase::MarkOutput(const std::string& name, const std::string& description) {
    if (TCalcValueWarper* entry = Find(name)) {
        entry->Type = wtOutput;
        if (!TrimBlanks(description).empty()) entry->Description = description;
    }
}

bool TCalcVarsBase::SaveAsFunction(const std::string& name, TUserFuncFolder& folder,
                                   std::string* error) {
    const TUserFuncObj* object = folder.SaveObject(
        name,
        [this](const std::string& path, std::string* reason) { return SaveToFile(path, reason); },
        error);
    return object != nullptr;
}

// --- Files --------------------------------------------------------------------

bool TCalcVarsBase::Append(std::unique_ptr<TCalcValueWarper> entry) {
    if (!IndexEntry(entry.get())) return false;
    items_.push_back(std::move(entry));
    return true;
}

template <class Read>
bool TCalcVarsBase::Load(Read read, std::string* error, bool unsaved) {
    bool loaded = true;
    const unsigned clearsBefore = clearCount_;
    {
        // A load replaces the document as a whole: not a change to undo.
        const TRecordingPause pause(*this);
        try {
            read();
        } catch (const std::exception& failure) {
            if (error) *error = failure.what();
            loaded = false;
        }
    }
    AfterLoad();
    if (IVarsEditRecorder* recorder = ActiveRecorder(); recorder && clearsBefore != clearCount_)
        recorder->DocumentReplaced(loaded && !unsaved);
    if (!loaded) return false;
    modified_ = unsaved;
    Notify(vaLoaded, -1, nullptr, kNoName);
    return true;
}

// The file is read in one pass into a fresh set, which this set then takes
// over: a file that cannot be read or is not XML leaves this set untouched
// (the reader may find that out late); one with a fault inside leaves it
// cleared with the entries read before the fault, as a direct read would.
bool TCalcVarsBase::LoadFromFile(const std::string& fileName, std::string* error) {
    return Load(
        [&] {
            const std::string text = ReadVarsDocumentFile(fileName);
            TCalcVarsBase staging;
            try {
                ReadVarsDocumentTextOnce(text, staging);
            } catch (const EXmlSyntaxError&) {
                throw;
            } catch (const EXmlLoadError&) {
                TakeEntriesOf(staging);
                throw;
            }
            TakeEntriesOf(staging);
        },
        error);
}

bool TCalcVarsBase::LoadUnsavedText(std::string_view text, std::string* error) {
    return Load([&] { ReadVarsDocumentText(text, *this); }, error, true);
}

void TCalcVarsBase::TakeEntriesOf(TCalcVarsBase& other) {
    Clear();
    items_.swap(other.items_);
    std::swap(byName_, other.byName_);
    description_ = std::move(other.description_);
}

bool TCalcVarsBase::SaveToFile(const std::string& fileName, std::string* error) {
    if (!SaveVarsDocumentFile(fileName, description_, items_, error)) return false;
    if (IVarsEditRecorder* recorder = ActiveRecorder()) recorder->DocumentSaved();
    Notify(vaSaved, -1, nullptr, kNoName);
    modified_ = false;
    return true;
}

// --- Recording ------------------------------------------------------------------

void TCalcVarsBase::Record(TVarsEdit edit, int index, const std::string& name) {
    if (IVarsEditRecorder* recorder = ActiveRecorder()) recorder->BeforeEdit(edit, index, name);
}

void TCalcVarsBase::BeginEditGroup(const std::string& caption) {
    if (recorder_) recorder_->BeginGroup(caption);
}

void TCalcVarsBase::EndEditGroup() {
    if (recorder_) recorder_->EndGroup();
}

// --- Listeners ------------------------------------------------------------------

void TCalcVarsBase::AddListener(TCalcVarsEventsObject* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
        listeners_.push_back(listener);
    }
}

void TCalcVarsBase::RemoveListener(TCalcVarsEventsObject* listener) {
    auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end()) return;
    if (notifying_ > 0) {
        *it = nullptr;  // compacted when the notification ends
    } else {
        listeners_.erase(it);
    }
}

void TCalcVarsBase::Notify(std::uint8_t action, int index, TCalcValueWarper* entry,
                           const std::string& name) {
    ++notifying_;
    // Listeners added during the notification hear only later changes.
    const std::size_t count = listeners_.size();
    for (std::size_t i = 0; i < count; ++i) {
        TCalcVarsEventsObject* listener = listeners_[i];
        if (listener && listener->OnChange) listener->OnChange(action, index, entry, name);
    }
    if (--notifying_ == 0) {
        listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), nullptr),
                         listeners_.end());
    }
}

}  // namespace quillix
