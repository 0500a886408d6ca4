// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_vars.h"

#include <algorithm>

#include "vars/library_names.h"

namespace quillix {

TCalcVars::TCalcVars() {
    if (!CalcVarsIntf()) SetCalcVarsIntf(this);
}

TCalcVars::~TCalcVars() {
    // The recorder hears no more: the last Clear is no change to undo.
    if (IVarsEditRecorder* recorder = EditRecorder()) {
        SetEditRecorder(nullptr);
        recorder->DocumentGone();
    }
    HoldProgram(nullptr);
    Clear();
    if (CalcVarsIntf() == this) SetCalcVarsIntf(nullptr);
}

void TCalcVars::AddStack(ICalcXStack* stack) {
    if (stack) stacks_.push_back(stack);
}

void TCalcVars::RemoveStack(ICalcXStack* stack) {
    auto it = std::find(stacks_.begin(), stacks_.end(), stack);
    if (it != stacks_.end()) stacks_.erase(it);
}

bool TCalcVars::SaveToFile(const std::string& fileName, std::string* error) {
    return TCalcVarsBase::SaveToFile(fileName, error);
}

bool TCalcVars::LoadFromFile(const std::string& fileName, std::string* error) {
    return TCalcVarsBase::LoadFromFile(fileName, error);
}

bool TCalcVars::Open(const std::string& name, std::string* error) {
    IUserFuncFolder* programs = UserProgramsIntf();
    TUserFuncObj* program = programs ? programs->FindByName(name) : nullptr;
    if (!program) {
        if (error) *error = "There is no program named '" + TrimBlanks(name) + "'";
        return false;
    }
    const std::string fileName = program->GetFileName();
    return LoadAsProgram(program, [&] { return LoadFromFile(fileName, error); });
}

bool TCalcVars::LoadRecovered(const std::string& programName, std::string_view documentText,
                              std::string* error) {
    IUserFuncFolder* programs = UserProgramsIntf();
    TUserFuncObj* program =
        programName.empty() || !programs ? nullptr : programs->FindByName(programName);
    return LoadAsProgram(program, [&] { return LoadUnsavedText(documentText, error); });
}

bool TCalcVars::LoadAsProgram(TUserFuncObj* program, const std::function<bool()>& load) {
    // The document is the program's before the load, so that listeners of the
    // loaded event already see the program, and its name, they are shown.
    std::shared_ptr<const TUserFuncObjLink> previous = program_;
    const bool wasNew = isNew_;
    HoldProgram(program ? program->Link() : nullptr);
    isNew_ = program == nullptr;
    const unsigned clearsBefore = ClearCount();
    if (load()) return true;
    if (ClearCount() != clearsBefore) {
        // A half-read document must never be saved over a program file.
        HoldProgram(nullptr);
        isNew_ = true;
        Notify(vaProgramChanged, -1, nullptr, {});
    } else {
        // The set is untouched: so is the document.
        HoldProgram(std::move(previous));
        isNew_ = wasNew;
    }
    return false;
}

void TCalcVars::HoldProgram(std::shared_ptr<const TUserFuncObjLink> link) {
    if (program_ && program_ != link) program_->SetOnChange({});
    program_ = std::move(link);
    if (program_) program_->SetOnChange([this] { Notify(vaProgramChanged, -1, nullptr, {}); });
}

bool TCalcVars::Save(std::string* error) {
    const TUserFuncObj* program = GetIsNew() ? nullptr : GetProgram();
    if (!program) return true;
    return SaveToFile(program->GetFileName(), error);
}

bool TCalcVars::SaveUnderName(TUserFuncFolder& folder, const std::string& name,
                              std::string* error) {
    if (!CheckLibraryName(name, error)) return false;
    IUserFuncFolder* programs = UserProgramsIntf();
    TUserFuncObj* program = programs ? programs->FindByName(name) : nullptr;
    if (program) {
        if (!SaveToFile(program->GetFileName(), error)) return false;
    } else {
        program = folder.SaveObject(
            name,
            [this](const std::string& path, std::string* reason) {
                return SaveToFile(path, reason);
            },
            error);
        if (!program) return false;
    }
    HoldProgram(program->Link());
    isNew_ = false;
    return true;
}

bool TCalcVars::SaveNew(TUserFuncFolder& folder, const std::string& name, std::string* error) {
    if (!SaveUnderName(folder, name, error)) return false;
    Notify(vaSavedNew, -1, nullptr, {});
    return true;
}

bool TCalcVars::SaveAs(TUserFuncFolder& folder, const std::string& name, std::string* error) {
    if (!SaveUnderName(folder, name, error)) return false;
    Notify(vaSavedAs, -1, nullptr, {});
    return true;
}

void TCalcVars::New() {
    HoldProgram(nullptr);
    {
        const TRecordingPause pause(*this);
        Clear();
    }
    SetModified(false);
    if (IVarsEditRecorder* recorder = ActiveRecorder()) recorder->DocumentReplaced(true);
    isNew_ = true;
    Notify(vaNewDocument, -1, nullptr, {});
}

std::string TCalcVars::GetName() {
    return GetIsNew() ? "New" : GetProgram()->Name();
}

}  // namespace quillix
