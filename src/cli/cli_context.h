// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every subcommand of quillix-cli receives: the resolved global options and
// the output streams, plus the exit statuses of the command-line contract.

#include <algorithm>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillix::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the command failed: message on stderr
inline constexpr int kExitUsage = 2;   // usage error: message on stderr

// Bad usage (unknown option, wrong argument count, a text that is no number).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The command ran but failed (a missing program, an unreadable file).
class CommandFailed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct CliContext {
    std::string home;             // the home folder, resolved
    bool json = false;            // --json
    std::optional<int> fixed;     // --fixed N
    std::ostream* out = nullptr;  // standard output
    std::ostream* err = nullptr;  // standard error
};

using Arguments = std::vector<std::string>;

// A file the command had to write and could not (the custom units' file, which
// reading normalises): the message goes to stderr, and the command fails even
// though its result was printed.
inline int StatusAfterFileWrite(CliContext& context, const std::string& fileError, int status) {
    if (fileError.empty()) return status;
    *context.err << fileError << "\n";
    return kExitFailed;
}

// "--" ends the options (so that "-1" is a value); a subcommand without options
// only drops the first one.
inline Arguments WithoutOptionsEnd(Arguments args) {
    if (const auto end = std::find(args.begin(), args.end(), "--"); end != args.end())
        args.erase(end);
    return args;
}

}  // namespace quillix::cli
