// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interfaces through which the rest of the system reaches a variable set:
// ICalcVarsBase (every set: the program document, execution sets, scratch
// copies) and ICalcVars (the one global program document, published as
// CalcVarsIntf). The classes behind them live with the variable sets; the model
// needs only these declarations (named operands in files resolve through
// ICalcVarsBase, the calculation stack registers with CalcVarsIntf).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/calc_value.h"
#include "model/calc_value_warper.h"

namespace quillix {

class TCalcVarsBase;
class TUserFuncFolder;
class TUserFuncObj;

// The actions of the change events (TCalcVarsAction).
inline constexpr std::uint8_t vaAdded = 0;
inline constexpr std::uint8_t vaDeleted = 1;
inline constexpr std::uint8_t vaValueChanged = 2;
inline constexpr std::uint8_t vaCleared = 3;
inline constexpr std::uint8_t vaLoaded = 4;
inline constexpr std::uint8_t vaSaved = 5;
inline constexpr std::uint8_t vaTypeChanged = 6;
inline constexpr std::uint8_t vaItemChanged = 7;
inline constexpr std::uint8_t vaNewDocument = 8;
inline constexpr std::uint8_t vaSavedNew = 9;
inline constexpr std::uint8_t vaSavedAs = 10;
// The program document's own program was renamed or moved in the library, went
// away from it, or could not be opened after all: its name may have changed.
inline constexpr std::uint8_t vaProgramChanged = 11;

using TCalcValueWarperList = std::vector<std::unique_ptr<TCalcValueWarper>>;

class ICalcVarsBase {
  public:
    virtual ~ICalcVarsBase() = default;

    virtual void Clear() = 0;
    // The value of the entry Find gives, or null.
    virtual TCalcValue* GetValue(const std::string& name) = 0;
    virtual bool Exists(const std::string& name) = 0;
    // Appends a new entry holding value under the trimmed name; false (and nothing
    // changes) for no value, a name VariableNameProblem refuses (empty, control
    // characters, invalid UTF-8) or a name already in the set.
    virtual bool Add(const std::string& name, ValueRef value) = 0;
    // The index the entry had, or -1.
    virtual int Delete(const std::string& name) = 0;
    virtual int DeleteAt(int index) = 0;
    virtual const TCalcValueWarperList& GetItems() = 0;
    virtual void GetNames(std::vector<std::string>& names) = 0;
    // Gives an existing entry a new value (consumed on success); the entry's value
    // object, or null when refused (then nothing changes).
    virtual TCalcValue* SetValue(const std::string& name, ValueRef value) = 0;
    virtual TCalcValueWarper* Find(const std::string& name) = 0;
    virtual void SetValueType(const std::string& name, std::uint8_t type) = 0;
    virtual void SetValueTypeAt(int index, std::uint8_t type) = 0;
    virtual bool MoveUp(int index) = 0;
    virtual bool GetModified() = 0;
    virtual void Changed(TCalcValueWarper* entry) = 0;
    virtual std::string GetDescription() = 0;
    virtual void SetDescription(const std::string& text) = 0;
    virtual std::unique_ptr<TCalcVarsBase> Clone() = 0;
    virtual void AddListener(TCalcVarsEventsObject* listener) = 0;
    virtual void RemoveListener(TCalcVarsEventsObject* listener) = 0;
    // Gives the entry at index a role and a description at once (what the
    // properties dialog edits), raising vaItemChanged.
    virtual void SetProperties(int index, std::uint8_t type, const std::string& description) = 0;
    // Gives the entry at index a new name; formulas that use it show the new
    // name. False (nothing changes) for a name VariableNameProblem refuses or
    // another entry has. Raises vaItemChanged for the entry, then for each entry
    // whose formula shows the name.
    virtual bool Rename(int index, const std::string& name) = 0;
    // The changes between Begin and End are one user action (one undo step,
    // named by caption); groups nest. See TEditGroup.
    virtual void BeginEditGroup(const std::string& caption) = 0;
    virtual void EndEditGroup() = 0;
};

// What a calculation stack registers with the program document: nothing beyond
// its identity.
class ICalcXStack {
  public:
    virtual ~ICalcXStack() = default;
};

class ICalcVars : public virtual ICalcVarsBase {
  public:
    virtual void AddStack(ICalcXStack* stack) = 0;
    virtual void RemoveStack(ICalcXStack* stack) = 0;
    // Writes the Vars document; false with *error set when the file cannot be written.
    virtual bool SaveToFile(const std::string& fileName, std::string* error) = 0;
    // Reads a Vars document; false with *error set when it cannot be read.
    virtual bool LoadFromFile(const std::string& fileName, std::string* error) = 0;
    virtual bool Open(const std::string& name, std::string* error) = 0;
    virtual bool Save(std::string* error) = 0;
    virtual bool SaveNew(TUserFuncFolder& folder, const std::string& name, std::string* error) = 0;
    virtual void New() = 0;
    virtual bool SaveAs(TUserFuncFolder& folder, const std::string& name, std::string* error) = 0;
    virtual TUserFuncObj* GetProgram() = 0;
    virtual bool GetIsNew() = 0;
    virtual std::string GetName() = 0;
};

// The program document, published by its constructor and cleared by its
// destructor; null while there is none.
ICalcVars* CalcVarsIntf();
void SetCalcVarsIntf(ICalcVars* vars);

}  // namespace quillix
