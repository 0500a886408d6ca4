// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDLogFile: the diagnostic log "HHDebug.txt". It is on only when "debug.debug"
// exists in the module's folder (the home folder) or an argument is "/debug" or
// "-debug" in any letter case. An old log is deleted at start either way. Each
// line is opened, appended and closed on its own, so the file is complete up to
// the last line even if the program stops; a line that cannot be written is
// dropped, and the first such failure of a run is shown in a message box.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diag/log_header.h"
#include "diag/log_text.h"
#include "diag/system_facts.h"

namespace quillix {

inline constexpr const char* kDebugMarkerFileName = "debug.debug";
inline constexpr const char* kLogFileName = "HHDebug.txt";
inline constexpr const char* kWritableTestFileName = "$_Temp_$.$$$";

// Shows a message to the user, captioned with the application's title and with
// the exclamation icon; the user interface supplies it (the core has no windows).
using TShowErrorMessage = std::function<void(const std::string& message)>;

struct TDLogStartup {
    std::string ModuleFolder;              // the home folder
    std::vector<std::string> CommandLine;  // the program, then its arguments
    std::string Version;                   // the program's four-number version
    TEngineFacts HelpEngine;
    TEngineFacts BrowserEngine;
    std::optional<TSystemFacts> System;  // gathered from the machine when none
};

// The debug switch.
bool DebugSwitchOn(const std::string& moduleFolder, const std::vector<std::string>& commandLine);
// $TMPDIR when it names a folder, else "/tmp".
std::string TemporaryFolder();
// True when a test file can be created in the folder (it is deleted at once).
bool FolderIsWritable(const std::string& folder);
// The module's folder when it is writable, else the temporary folder, with the
// log's file name.
std::string ChooseLogPath(const std::string& moduleFolder);

class TDLogFile {
  public:
    explicit TDLogFile(const TDLogStartup& startup);
    TDLogFile(const TDLogFile&) = delete;
    TDLogFile& operator=(const TDLogFile&) = delete;

    bool Enabled() const { return enabled_; }
    const std::string& LogPath() const { return path_; }

    // When the log is on: fills the pattern with the values and writes the line.
    void LogLine(std::string_view pattern, std::initializer_list<TLogArg> values = {});
    // Shows the filled pattern in a message box (when one is installed) and, when
    // the log is on, writes it as a line.
    void ReportError(std::string_view pattern, std::initializer_list<TLogArg> values = {});
    void SetShowErrorMessage(TShowErrorMessage show);

  private:
    void WriteText(std::string_view text);

    std::string path_;
    bool enabled_ = false;
    std::string writeFailure_;  // the message of the first line that could not be written
    TShowErrorMessage showError_;
};

}  // namespace quillix
