// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/library_call_runner.h"

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

namespace {

template <class Set>
std::unique_ptr<TCalcVarsBase> LoadSet(const std::string& file) {
    auto set = std::make_unique<Set>();
    std::string error;
    if (!set->LoadFromFile(file, &error)) RaiseCalcError(error);
    return set;
}

}  // namespace

TExecSetCache::Lease TLibraryCallRunner::SetOf(const std::string& file,
                                               TExecSetCache::Loader load) {
    if (!cacheEnabled_) return TExecSetCache::Lease::Own(load(file));
    return cache_.Acquire(file, load);
}

std::optional<UserCallResult> TLibraryCallRunner::RunUserFunction(
    const std::string& name, const std::vector<const TCalcValue*>& args) {
    const std::string file = FileOf(UserFunctionsIntf(), name);
    if (file.empty()) return std::nullopt;
    Nesting nesting(*this, name);
    const TExecSetCache::Lease lease = SetOf(file, LoadSet<TCalcUserFuncExec>);
    auto& set = static_cast<TCalcUserFuncExec&>(lease.Set());
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
    const TExecSetCache::Lease lease = SetOf(file, LoadSet<TCalcProgramExec>);
    auto& set = static_cast<TCalcProgramExec&>(lease.Set());
    const std::vector<TCalcValueWarper*>& inputs = set.Inputs();
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
