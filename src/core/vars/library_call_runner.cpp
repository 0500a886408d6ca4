// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/library_call_runner.h"

#include <pugixml.hpp>

#include "common/calc_error.h"
#include "vars/calc_exec.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix {

// One level of nested calls, refused beyond the limit.
class TLibraryCallRunner::Nesting {
  public:
    Nesting(TLibraryCallRunner& runner, const std::string& name) : runner_(runner) {
        if (runner_.depth_ >= kMaxNesting) {
            RaiseCalcError("'" + TrimBlanks(name) + "' calls itself too deeply (more than " +
                           std::to_string(kMaxNesting) + " nested calls)");
        }
        ++runner_.depth_;
    }
    ~Nesting() { --runner_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

  private:
    TLibraryCallRunner& runner_;
};

namespace {

std::string FileOf(IUserFuncFolder* library, const std::string& name) {
    if (!library) return {};
    const TUserFuncObj* object = library->FindByName(name);
    return object ? object->GetFileName() : std::string();
}

UserCallResult ResultOf(const TCalcValue& value) {
    UserCallResult result;
    result.number = value.GetNumber();
    result.kind = value.CVType();
    if (result.kind == cvError) result.errorText = value.ErrorText();
    return result;
}

}  // namespace

void TLibraryCallRunner::SetCacheEnabled(bool enabled) {
    cacheEnabled_ = enabled;
    if (!enabled) cache_.Clear();
}

void TLibraryCallRunner::Load(TCalcVarsBase& set, const std::string& file) {
    std::string error;
    bool loaded = false;
    if (cacheEnabled_) {
        std::shared_ptr<const pugi::xml_document> document;
        try {
            document = cache_.Parsed(file);
        } catch (const std::exception& failure) {
            RaiseCalcError(failure.what());
        }
        loaded = set.LoadFromDocument(*document, &error);
    } else {
        loaded = set.LoadFromFile(file, &error);
    }
    if (!loaded) RaiseCalcError(error);
}

std::optional<UserCallResult> TLibraryCallRunner::RunUserFunction(
    const std::string& name, const std::vector<const TCalcValue*>& args) {
    const std::string file = FileOf(UserFunctionsIntf(), name);
    if (file.empty()) return std::nullopt;
    Nesting nesting(*this, name);
    TCalcUserFuncExec set;
    Load(set, file);
    // Arguments beyond the inputs are dropped; inputs without one keep the
    // number stored in the file, which is the parameter's default.
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i]) set.SetInput(static_cast<int>(i), args[i]->CopyNumber());
    }
    set.RecalcAll();
    const TCalcValue* result = set.GetResult();
    if (!result) RaiseCalcError("The user function '" + TrimBlanks(name) + "' has no result");
    return ResultOf(*result);
}

std::optional<UserCallResult> TLibraryCallRunner::RunUserProgram(
    const std::string& name, const std::string& resultName,
    const std::vector<const TCalcValue*>& args) {
    const std::string file = FileOf(UserProgramsIntf(), name);
    if (file.empty()) return std::nullopt;
    Nesting nesting(*this, name);
    TCalcProgramExec set;
    Load(set, file);
    const std::vector<TCalcValueWarper*> inputs = set.Inputs();
    for (std::size_t i = 0; i < args.size() && i < inputs.size(); ++i) {
        if (!args[i]) continue;
        set.SetInput(inputs[i]->GetName(),
                     TCalcValue::New(args[i]->GetNumber(), args[i]->CVType()));
    }
    set.RecalcAll();
    const TCalcValue* result = set.GetValue(resultName);
    if (!result) {
        RaiseCalcError("The program '" + TrimBlanks(name) + "' has no variable '" +
                       TrimBlanks(resultName) + "'");
    }
    return ResultOf(*result);
}

}  // namespace quillix
