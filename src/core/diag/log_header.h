// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header of the diagnostic log: what the machine, the program and the help
// and browser engines are, under the labels the log has always used. It is built
// as the texts given to the log, rules and marked ("!") lines.

#include <string>
#include <vector>

#include "diag/system_facts.h"

namespace quillix {

// An engine the header reports on; on Linux the help window of the user
// interface may fill the help engine's facts, and "NO" stands where none exists.
struct TEngineFacts {
    bool Installed = false;
    std::string Version;
    std::string FriendlyName;
};

struct TLogHeaderInfo {
    std::string LogPath;
    std::string DateTime;  // the short date, a blank and the long time
    TSystemFacts System;
    std::string Version;                   // the program's four-number version
    std::vector<std::string> CommandLine;  // the program, then its arguments
    std::string ModuleFolder;              // the home folder
    TEngineFacts HelpEngine;
    TEngineFacts BrowserEngine;
};

// The header's texts in order; each label's first value begins with a tab.
std::vector<std::string> BuildLogHeader(const TLogHeaderInfo& info);

// The arguments after the program joined by " | ".
std::string JoinedArguments(const std::vector<std::string>& commandLine);
// The whole command line as one text, arguments holding blanks in double quotes.
std::string RawCommandLine(const std::vector<std::string>& commandLine);

}  // namespace quillix
