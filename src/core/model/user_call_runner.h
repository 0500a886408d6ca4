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

// The installed runner, or null. Installing null removes it.
IUserCallRunner* UserCallRunner();
void SetUserCallRunner(IUserCallRunner* runner);

}  // namespace quillix
