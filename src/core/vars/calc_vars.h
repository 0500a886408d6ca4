// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcVars: the global variable set, which is at the same time the current
// program document. It is published as CalcVarsIntf while it lives, opens from
// and saves to the programs library, and keeps the registrations of the
// calculation stacks.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vars/calc_vars_base.h"
#include "vars/user_func_folder.h"

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
    // Brings back unsaved work (a recovery copy): the document text becomes the
    // document, which stays modified and belongs to the library's program of
    // that name (a new document when there is none), so Save writes it there.
    bool LoadRecovered(const std::string& programName, std::string_view documentText,
                       std::string* error);
    // Writes the document to its program's file; nothing for a new document.
    bool Save(std::string* error) override;
    // Save under a name: a program of that name anywhere in the library is
    // overwritten, otherwise a new one is made in folder.
    bool SaveNew(TUserFuncFolder& folder, const std::string& name, std::string* error) override;
    void New() override;
    bool SaveAs(TUserFuncFolder& folder, const std::string& name, std::string* error) override;
    // The program's library object; none for a new document and once that object
    // was deleted from the library (a rescan or a rename keeps it).
    TUserFuncObj* GetProgram() override { return program_ ? program_->Object() : nullptr; }
    // A document whose program was deleted from the library is new again: it has
    // no file to save to.
    bool GetIsNew() override { return isNew_ || !GetProgram(); }
    // "New" for a new document, otherwise the program's name.
    std::string GetName() override;

    int StackCount() const { return static_cast<int>(stacks_.size()); }

  private:
    bool SaveUnderName(TUserFuncFolder& folder, const std::string& name, std::string* error);
    // Makes the document program's (none: a new one), then load(); when the
    // load fails, the document is as before if it was not touched, else new.
    bool LoadAsProgram(TUserFuncObj* program, const std::function<bool()>& load);
    // Holds the program's link and hears of its renames, moves and removal.
    void HoldProgram(std::shared_ptr<const TUserFuncObjLink> link);

    std::vector<ICalcXStack*> stacks_;
    bool isNew_ = true;
    // Held through the library's link, never as a plain pointer: the library may
    // free the object (delete, rescan, its own end) while the document lives.
    std::shared_ptr<const TUserFuncObjLink> program_;
};

}  // namespace quillix
