// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_vars_base.h"

#include <algorithm>
#include <exception>
#include <unordered_set>

#include "common/untrusted_text.h"
#include "model/calc_operate.h"
#include "model/value_traversal.h"
#include "model/vars_document.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {
const std::string kNoName;
}  // namespace

// Entries just let go of their values: a clone's values belong to the set it was
// made from, and an execution set's values go with it.
TCalcVarsBase::~TCalcVarsBase() = default;

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
    RemoveEntryAt(index);
    modified_ = true;
    Notify(vaDeleted, index, nullptr, TrimBlanks(name));
    return index;
}

int TCalcVarsBase::DeleteAt(int index) {
    if (index < 0 || index >= Count()) return -1;
    RemoveEntryAt(index);
    modified_ = true;
    Notify(vaDeleted, index, nullptr, kNoName);
    return index;
}

void TCalcVarsBase::RemoveAllEntries() {
    for (int i = Count() - 1; i >= 0; --i)
        RemoveEntryAt(i);
}

void TCalcVarsBase::Clear() {
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
    target->Value->TakeOver(std::move(value), true);
    modified_ = true;
    Notify(vaValueChanged, index, target, TrimBlanks(name));
    return target->Value.get();
}

void TCalcVarsBase::SetValueType(const std::string& name, std::uint8_t type) {
    TCalcValueWarper* entry = Find(name);
    if (!entry) return;
    entry->SetType(type);
    modified_ = true;
    Notify(vaTypeChanged, IndexOf(entry), entry, name);
}

void TCalcVarsBase::SetValueTypeAt(int index, std::uint8_t type) {
    if (index < 0 || index >= Count()) return;
    TCalcValueWarper* entry = items_[static_cast<std::size_t>(index)].get();
    entry->SetType(type);
    modified_ = true;
    Notify(vaTypeChanged, index, entry, entry->GetName());
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
    std::swap(items_[static_cast<std::size_t>(index)], items_[static_cast<std::size_t>(index - 1)]);
    modified_ = true;
    Notify(vaItemChanged, index, previous, previous->GetName());
    Notify(vaItemChanged, index - 1, entry, entry->GetName());
    return true;
}

void TCalcVarsBase::Changed(TCalcValueWarper* entry) {
    modified_ = true;
    Notify(vaItemChanged, IndexOf(entry), entry, entry ? entry->GetName() : kNoName);
}

void TCalcVarsBase::SetDescription(const std::string& text) {
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
bool TCalcVarsBase::Load(Read read, std::string* error) {
    bool loaded = true;
    try {
        read();
    } catch (const std::exception& failure) {
        if (error) *error = failure.what();
        loaded = false;
    }
    AfterLoad();
    if (!loaded) return false;
    modified_ = false;
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

void TCalcVarsBase::TakeEntriesOf(TCalcVarsBase& other) {
    Clear();
    items_.swap(other.items_);
    std::swap(byName_, other.byName_);
    description_ = std::move(other.description_);
}

bool TCalcVarsBase::SaveToFile(const std::string& fileName, std::string* error) {
    if (!SaveVarsDocumentFile(fileName, description_, items_, error)) return false;
    Notify(vaSaved, -1, nullptr, kNoName);
    modified_ = false;
    return true;
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
