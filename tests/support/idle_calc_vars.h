// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Variable sets that do nothing: every call of the interfaces returns nothing,
// false or -1. Test doubles derive from them and override (or mock) only what
// the code under test uses.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/calc_vars_intf.h"

namespace quillix::test {

class IdleCalcVarsBase : public virtual ICalcVarsBase {
  public:
    void Clear() override {}
    TCalcValue* GetValue(const std::string&) override { return nullptr; }
    bool Exists(const std::string&) override { return false; }
    bool Add(const std::string&, ValueRef) override { return false; }
    int Delete(const std::string&) override { return -1; }
    int DeleteAt(int) override { return -1; }
    const TCalcValueWarperList& GetItems() override { return noItems_; }
    void GetNames(std::vector<std::string>&) override {}
    TCalcValue* SetValue(const std::string&, ValueRef) override { return nullptr; }
    TCalcValueWarper* Find(const std::string&) override { return nullptr; }
    void SetValueType(const std::string&, std::uint8_t) override {}
    void SetValueTypeAt(int, std::uint8_t) override {}
    bool MoveUp(int) override { return false; }
    bool GetModified() override { return false; }
    void Changed(TCalcValueWarper*) override {}
    std::string GetDescription() override { return {}; }
    void SetDescription(const std::string&) override {}
    std::unique_ptr<TCalcVarsBase> Clone() override {
        throw std::logic_error("the code under test never clones the set");
    }
    void AddListener(TCalcVarsEventsObject*) override {}
    void RemoveListener(TCalcVarsEventsObject*) override {}
    void SetProperties(int, std::uint8_t, const std::string&) override {}
    bool Rename(int, const std::string&) override { return false; }
    void BeginEditGroup(const std::string&) override {}
    void EndEditGroup() override {}

  private:
    TCalcValueWarperList noItems_;
};

// An idle program document: no stacks, no files, always new.
class IdleCalcVars : public ICalcVars, public IdleCalcVarsBase {
  public:
    void AddStack(ICalcXStack*) override {}
    void RemoveStack(ICalcXStack*) override {}
    bool SaveToFile(const std::string&, std::string*) override { return false; }
    bool LoadFromFile(const std::string&, std::string*) override { return false; }
    bool Open(const std::string&, std::string*) override { return false; }
    bool Save(std::string*) override { return false; }
    bool SaveNew(TUserFuncFolder&, const std::string&, std::string*) override { return false; }
    void New() override {}
    bool SaveAs(TUserFuncFolder&, const std::string&, std::string*) override { return false; }
    TUserFuncObj* GetProgram() override { return nullptr; }
    bool GetIsNew() override { return true; }
    std::string GetName() override { return {}; }
};

}  // namespace quillix::test
