#pragma once
// TCalcVars: the global variable set, which is at the same time the current
// program document. It is published as CalcVarsIntf while it lives, opens from
// and saves to the programs library, and keeps the registrations of the
// calculation stacks.

#include <string>
#include <vector>

#include "vars/calc_vars_base.h"

namespace quillix {

class TCalcVars final : public TCalcVarsBase, public ICalcVars {
  public:
    TCalcVars();
    ~TCalcVars() override;

    void AddStack(ICalcXStack* stack) override;
    void RemoveStack(ICalcXStack* stack) override;
    bool SaveToFile(const std::string& fileName, std::string* error) override;
    bool LoadFromFile(const std::string& fileName, std::string* error) override;
    // Opens the program of that name from the programs library. A name the
    // library does not have is refused and changes nothing.
    bool Open(const std::string& name, std::string* error) override;
    // Writes the document to its program's file; nothing for a new document.
    bool Save(std::string* error) override;
    // Save under a name: a program of that name anywhere in the library is
    // overwritten, otherwise a new one is made in folder.
    bool SaveNew(TUserFuncFolder& folder, const std::string& name, std::string* error) override;
    void New() override;
    bool SaveAs(TUserFuncFolder& folder, const std::string& name, std::string* error) override;
    TUserFuncObj* GetProgram() override { return program_; }
    bool GetIsNew() override { return isNew_; }
    // "New" for a new document, otherwise the program's name.
    std::string GetName() override;

    // The library object went away (deleted, or its library rescanned): the
    // document stops pointing at it and becomes new.
    void ForgetProgram(const TUserFuncObj* program);
    int StackCount() const { return static_cast<int>(stacks_.size()); }

  private:
    bool SaveUnderName(TUserFuncFolder& folder, const std::string& name, std::string* error);

    std::vector<ICalcXStack*> stacks_;
    bool isNew_ = true;
    TUserFuncObj* program_ = nullptr;
};

}  // namespace quillix
