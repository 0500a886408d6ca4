// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcVarsBase: an ordered set of named values (variables). The formula of an
// entry only refers to entries before it, so one pass front to back brings the
// whole set up to date. The same class serves as the program document's base,
// as the execution set of a stored program or function, and as the scratch copy
// from which a function file is made. Listeners hear of every change; a
// recorder (the program document's undo history) hears of each one before it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/calc_vars_intf.h"
#include "model/vars_document.h"
#include "vars/name_index.h"
#include "vars/vars_edit_recorder.h"

namespace quillix {

class TDocumentRestorer;
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
    void SetProperties(int index, std::uint8_t type, const std::string& description) override;
    bool Rename(int index, const std::string& name) override;
    void BeginEditGroup(const std::string& caption) override;
    void EndEditGroup() override;

    // The recorder that hears of every change before it is made; none by default.
    void SetEditRecorder(IVarsEditRecorder* recorder) { recorder_ = recorder; }
    IVarsEditRecorder* EditRecorder() const { return recorder_; }

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
    // Loads a Vars document text as unsaved work: the set stays modified.
    bool LoadUnsavedText(std::string_view text, std::string* error);
    // Tells the recorder, unless recording is paused.
    void Record(TVarsEdit edit, int index, const std::string& name = {});
    // While one lives, changes are not recorded: whoever pauses reports what
    // became of the document (a load or New replaces it).
    class TRecordingPause {
      public:
        explicit TRecordingPause(TCalcVarsBase& set) : set_(set) { ++set_.recordingPaused_; }
        ~TRecordingPause() { --set_.recordingPaused_; }
        TRecordingPause(const TRecordingPause&) = delete;
        TRecordingPause& operator=(const TRecordingPause&) = delete;

      private:
        TCalcVarsBase& set_;
    };
    // The recorder, unless recording is paused.
    IVarsEditRecorder* ActiveRecorder() const { return recordingPaused_ ? nullptr : recorder_; }

  private:
    friend class TDocumentRestorer;
    // IVarsDocumentSink: loading clears the set and sets the description through
    // the ordinary operations, and appends each entry as it is read.
    ICalcVarsBase& VarsForNames() override { return *this; }
    bool Append(std::unique_ptr<TCalcValueWarper> entry) override;
    // False when the set has an entry of that name already.
    bool IndexEntry(TCalcValueWarper* entry);
    // unsaved: the loaded set is modified (unsaved work brought back).
    template <class Read>
    bool Load(Read read, std::string* error, bool unsaved = false);

    void RemoveEntryAt(int index);
    void InsertEntryAt(int index, std::unique_ptr<TCalcValueWarper> entry);
    // The swap of MoveUp and its events.
    void SwapWithPrevious(int index);
    // The new name and its events (the entry, then every entry showing the name).
    void RenameEntry(int index, const std::string& name);
    // Clears this set (raising vaCleared), then moves the entries and the
    // description of other, a set nobody listens to, into it.
    void TakeEntriesOf(TCalcVarsBase& other);

    TCalcValueWarperList items_;
    // The entries by name key: names are given by Add and by loading, and
    // change only through RenameEntry, which keeps the index with them.
    TNameIndex byName_;
    std::vector<TCalcVarsEventsObject*> listeners_;
    std::string description_;
    bool modified_ = false;
    int notifying_ = 0;  // nesting depth of Notify; removals wait until it ends
    unsigned clearCount_ = 0;
    IVarsEditRecorder* recorder_ = nullptr;
    int recordingPaused_ = 0;
};

}  // namespace quillix
