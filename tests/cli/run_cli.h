#pragma once
// Test helpers that drive quillix-cli as a separate process: run it with given
// arguments and capture standard output, standard error and the exit status;
// and a fresh temporary folder (a home) that is removed again after the test.

#include <string>
#include <vector>

namespace quillix::test {

struct CliRun {
    int status = -1;  // the exit status; 128 + signal number when killed by a signal
    std::string out;
    std::string err;
};

// Runs program with args (no shell involved), standard input from /dev/null.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args);

// Runs the quillix-cli under test (QUILLIX_CLI_PATH).
CliRun RunCli(const std::vector<std::string>& args);

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const;

  private:
    std::string path_;
};

}  // namespace quillix::test
