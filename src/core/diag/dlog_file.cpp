// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/dlog_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "common/atomic_file.h"
#include "common/date_format.h"
#include "common/home_folder.h"

namespace quillix {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string DateTimeNow() {
    const std::tm now = LocalTimeNow();
    const CivilDate today{now.tm_year + 1900, now.tm_mon + 1, now.tm_mday};
    return FormatShortDate(today) + " " + FormatLongTime(now);
}

}  // namespace

bool DebugSwitchOn(const std::string& moduleFolder, const std::vector<std::string>& commandLine) {
    struct stat info {};
    if (::stat(JoinPath(moduleFolder, kDebugMarkerFileName).c_str(), &info) == 0) return true;
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        if (EqualsIgnoringCase(commandLine[i], "/debug") ||
            EqualsIgnoringCase(commandLine[i], "-debug")) {
            return true;
        }
    }
    return false;
}

std::string TemporaryFolder() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    if (fromEnvironment != nullptr && IsFolder(fromEnvironment)) {
        std::string folder = fromEnvironment;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    return "/tmp";
}

bool FolderIsWritable(const std::string& folder) {
    if (!IsFolder(folder)) return false;
    const std::string probe = JoinPath(folder, kWritableTestFileName);
    const int fd =
        ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string ChooseLogPath(const std::string& moduleFolder) {
    const std::string folder = FolderIsWritable(moduleFolder) ? moduleFolder : TemporaryFolder();
    return JoinPath(folder, kLogFileName);
}

TDLogFile::TDLogFile(const TDLogStartup& startup)
    : path_(ChooseLogPath(startup.ModuleFolder)),
      enabled_(DebugSwitchOn(startup.ModuleFolder, startup.CommandLine)) {
    // Appending is off: an old log goes at start, whether or not the log is on.
    ::unlink(path_.c_str());
    if (!enabled_) return;
    TLogHeaderInfo header;
    header.LogPath = path_;
    header.DateTime = DateTimeNow();
    header.System = startup.System ? *startup.System : GatherSystemFacts();
    header.Version = startup.Version;
    header.CommandLine = startup.CommandLine;
    header.ModuleFolder = startup.ModuleFolder;
    header.HelpEngine = startup.HelpEngine;
    header.BrowserEngine = startup.BrowserEngine;
    for (const std::string& text : BuildLogHeader(header))
        WriteText(text);
}

void TDLogFile::LogLine(std::string_view pattern, std::initializer_list<TLogArg> values) {
    if (enabled_) WriteText(FormatLogPattern(pattern, values));
}

void TDLogFile::ReportError(std::string_view pattern, std::initializer_list<TLogArg> values) {
    const std::string message = FormatLogPattern(pattern, values);
    if (showError_) showError_(message);
    if (enabled_) WriteText(message);
}

// A line that cannot be written (a full disk, a read-only folder) is dropped;
// the first such failure of the run is shown once, so the user knows the log
// is incomplete.
void TDLogFile::WriteText(std::string_view text) {
    std::string line = FormatLogLine(text, FormatLongTime(LocalTimeNow()));
    line += "\r\n";
    std::string error;
    if (AppendToFile(path_, line, &error) || !writeFailure_.empty()) return;
    writeFailure_ = "The diagnostic log is incomplete. " + error;
    if (showError_) showError_(writeFailure_);
}

// A failure of the header lines, written before any window could show it, is
// shown as soon as one can.
void TDLogFile::SetShowErrorMessage(TShowErrorMessage show) {
    showError_ = std::move(show);
    if (showError_ && !writeFailure_.empty()) showError_(writeFailure_);
}

}  // namespace quillix
