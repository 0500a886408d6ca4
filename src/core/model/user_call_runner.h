// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the user-function and program nodes reach the library without the model
// knowing it: the library side installs a runner; until one is installed (and
// whenever the runner does not find the function or program) a call yields 0.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillix {

class TCalcValue;

struct UserCallResult {
    long double number = 0;
    std::uint8_t kind = 0;
    std::string errorText;  // the message of an error result (kind 2)
};

class IUserCallRunner {
  public:
    virtual ~IUserCallRunner() = default;
    // Runs the stored function with the arguments bound to its inputs by
    // position; nothing when no function of that name exists. Failures raise.
    virtual std::optional<UserCallResult> RunUserFunction(
        const std::string& name, const std::vector<const TCalcValue*>& args) = 0;
    // Runs the stored program and reads its entry resultName.
    virtual std::optional<UserCallResult> RunUserProgram(
        const std::string& name, const std::string& resultName,
        const std::vector<const TCalcValue*>& args) = 0;
};

// The installed runner, or null: the runner of the newest living scope, else
// the one set with SetUserCallRunner (null removes that one).
IUserCallRunner* UserCallRunner();
void SetUserCallRunner(IUserCallRunner* runner);

// Installs a runner for as long as the scope lives. Several calculators may
// each hold one: when a scope ends, the runner of the newest scope still
// living takes over (or the one outside every scope), whatever the order in
// which the scopes end, so no scope can leave a dead or missing runner behind.
class TUserCallRunnerScope {
  public:
    explicit TUserCallRunnerScope(IUserCallRunner& runner);
    ~TUserCallRunnerScope();
    TUserCallRunnerScope(const TUserCallRunnerScope&) = delete;
    TUserCallRunnerScope& operator=(const TUserCallRunnerScope&) = delete;

    IUserCallRunner& Runner() const { return runner_; }

  private:
    IUserCallRunner& runner_;
};

}  // namespace quillix
