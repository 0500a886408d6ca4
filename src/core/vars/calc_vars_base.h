// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcVarsBase: an ordered set of named values (variables). The formula of an
// entry only refers to entries before it, so one pass front to back brings the
// whole set up to date. The same class serves as the program document's base,
// as the execution set of a stored program or function, and as the scratch copy
// from which a function file is made. Listeners hear of every change.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/calc_vars_intf.h"
#include "model/vars_document.h"
#include "vars/name_index.h"

namespace quillix {

class TUserFuncFolder;

class TCalcVarsBase : public virtual ICalcVarsBase, private IVarsDocumentSink {
  public:
    TCalcVarsBase() = default;
    ~TCalcVarsBase() override;
    TCalcVarsBase(const TCalcVarsBase&) = delete;
    TCalcVarsBase& operator=(const TCalcVarsBase&) = delete;

    // ICalcVarsBase.
    void Clear() override;
    TCalcValue* GetValue(const std::string& name) override;
    bool Exists(const std::string& name) override;
    bool Add(const std::string& name, ValueRef value) override;
    int Delete(const std::string& name) override;
    int DeleteAt(int index) override;
    const TCalcValueWarperList& GetItems() override { return items_; }
    const TCalcValueWarperList& Items() const { return items_; }
    void GetNames(std::vector<std::string>& names) override;
    TCalcValue* SetValue(const std::string& name, ValueRef value) override;
    TCalcValueWarper* Find(const std::string& name) override;
    void SetValueType(const std::string& name, std::uint8_t type) override;
    void SetValueTypeAt(int index, std::uint8_t type) override;
    bool MoveUp(int index) override;
    bool GetModified() override { return modified_; }
    void Changed(TCalcValueWarper* entry) override;
    std::string GetDescription() override { return description_; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& text) override;
    std::unique_ptr<TCalcVarsBase> Clone() override;
    void AddListener(TCalcVarsEventsObject* listener) override;
    void RemoveListener(TCalcVarsEventsObject* listener) override;

    // Re-evaluates every entry that is not an input, each value of the set and of
    // its formulas at most once, operands before their users.
    void RecalcAll();
    // Building a function file from a clone of the program document.
    void ResetTypes();
    void MarkInput(const std::string& name, const std::string& description);
    void MarkOutput(const std::string& name, const std::string& description);
    // Writes the set as a new function of that name in folder (replacing a file
    // of that name there); false with *error set on failure.
    bool SaveAsFunction(const std::string& name, TUserFuncFolder& folder, std::string* error);

    // The Vars document. Loading clears the set first (raising vaCleared) and
    // raises vaLoaded at the end; a file that cannot be read or parsed fails
    // before the set is touched. False with *error set on failure.
    virtual bool LoadFromFile(const std::string& fileName, std::string* error);
    bool SaveToFile(const std::string& fileName, std::string* error);

    int IndexOf(const TCalcValueWarper* entry) const;
    int Count() const { return static_cast<int>(items_.size()); }
    // How often the set has been cleared (loading clears it first).
    unsigned ClearCount() const { return clearCount_; }

  protected:
    void Notify(std::uint8_t action, int index, TCalcValueWarper* entry, const std::string& name);
    void SetModified(bool modified) { modified_ = modified; }
    // Removes every entry without raising events.
    void RemoveAllEntries();
    // Called at the end of every load, whether it succeeded or not.
    virtual void AfterLoad() {}

  private:
    // IVarsDocumentSink: loading clears the set and sets the description through
    // the ordinary operations, and appends each entry as it is read.
    ICalcVarsBase& VarsForNames() override { return *this; }
    bool Append(std::unique_ptr<TCalcValueWarper> entry) override;
    // False when the set has an entry of that name already.
    bool IndexEntry(TCalcValueWarper* entry);
    template <class Read>
    bool Load(Read read, std::string* error);

    void RemoveEntryAt(int index);
    // Clears this set (raising vaCleared), then moves the entries and the
    // description of other, a set nobody listens to, into it.
    void TakeEntriesOf(TCalcVarsBase& other);

    TCalcValueWarperList items_;
    // The entries by name key: names are given only by Add and by loading, and
    // never change while the entry is in the set.
    TNameIndex byName_;
    std::vector<TCalcVarsEventsObject*> listeners_;
    std::string description_;
    bool modified_ = false;
    int notifying_ = 0;
    unsigned clearCount_ = 0;  // nesting depth of Notify; removals wait until it ends
};

}  // namespace quillix
