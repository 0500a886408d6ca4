// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the stored user functions and programs that formulas call: finds them in
// the published libraries, takes an execution set of the file (kept from an
// earlier call while the file stays the same, else loaded), binds the
// arguments by position, re-evaluates the set and reads the result. A
// function or program that calls itself, directly or through others, stops at a
// fixed nesting depth with an error naming it.

#include <optional>
#include <string>
#include <vector>

#include "model/user_call_runner.h"
#include "vars/exec_set_cache.h"

namespace quillix {

class TCalcVarsBase;

class TLibraryCallRunner final : public IUserCallRunner {
  public:
    static constexpr int kMaxNesting = 64;

    // Installs itself as the runner of the formula nodes for its lifetime;
    // when it goes, the runner installed before it (still living) is back.
    TLibraryCallRunner() = default;
    TLibraryCallRunner(const TLibraryCallRunner&) = delete;
    TLibraryCallRunner& operator=(const TLibraryCallRunner&) = delete;

    std::optional<UserCallResult> RunUserFunction(
        const std::string& name, const std::vector<const TCalcValue*>& args) override;
    std::optional<UserCallResult> RunUserProgram(
        const std::string& name, const std::string& resultName,
        const std::vector<const TCalcValue*>& args) override;

    // Execution sets are kept (and checked against the file at every use)
    // unless this is switched off; results are the same either way.
    void SetCacheEnabled(bool enabled);

  private:
    class Nesting;
    TExecSetCache::Lease SetOf(const std::string& file, TExecSetCache::Loader load);

    int depth_ = 0;
    bool cacheEnabled_ = true;
    TExecSetCache cache_;
    // Last, so that the runner is uninstalled before anything else of it goes.
    TUserCallRunnerScope installation_{*this};
};

}  // namespace quillix
