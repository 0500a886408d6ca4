// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/user_call_runner.h"

#include <algorithm>
#include <vector>

namespace quillix {

namespace {

IUserCallRunner*& RunnerOutsideScopes() {
    static IUserCallRunner* runner = nullptr;
    return runner;
}

// The living scopes, oldest first.
std::vector<const TUserCallRunnerScope*>& LivingScopes() {
    static std::vector<const TUserCallRunnerScope*> scopes;
    return scopes;
}

}  // namespace

IUserCallRunner* UserCallRunner() {
    const std::vector<const TUserCallRunnerScope*>& scopes = LivingScopes();
    return scopes.empty() ? RunnerOutsideScopes() : &scopes.back()->Runner();
}

void SetUserCallRunner(IUserCallRunner* runner) {
    RunnerOutsideScopes() = runner;
}

TUserCallRunnerScope::TUserCallRunnerScope(IUserCallRunner& runner) : runner_(runner) {
    LivingScopes().push_back(this);
}

TUserCallRunnerScope::~TUserCallRunnerScope() {
    std::vector<const TUserCallRunnerScope*>& scopes = LivingScopes();
    scopes.erase(std::remove(scopes.begin(), scopes.end(), this), scopes.end());
}

}  // namespace quillix
