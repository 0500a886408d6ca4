#pragma once
// Runs the stored user functions and programs that formulas call: finds them in
// the published libraries, loads a private execution set from the file, binds
// the arguments by position, re-evaluates the set and reads the result. A
// function or program that calls itself, directly or through others, stops at a
// fixed nesting depth with an error naming it.

#include <optional>
#include <string>
#include <vector>

#include "model/user_call_runner.h"

namespace quillix {

class TLibraryCallRunner final : public IUserCallRunner {
  public:
    static constexpr int kMaxNesting = 64;

    // Installs itself as the runner of the formula nodes; the destructor removes it.
    TLibraryCallRunner();
    ~TLibraryCallRunner() override;
    TLibraryCallRunner(const TLibraryCallRunner&) = delete;
    TLibraryCallRunner& operator=(const TLibraryCallRunner&) = delete;

    std::optional<UserCallResult> RunUserFunction(
        const std::string& name, const std::vector<const TCalcValue*>& args) override;
    std::optional<UserCallResult> RunUserProgram(
        const std::string& name, const std::string& resultName,
        const std::vector<const TCalcValue*>& args) override;

  private:
    class Nesting;
    int depth_ = 0;
};

}  // namespace quillix
