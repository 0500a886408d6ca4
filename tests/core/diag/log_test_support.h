// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the diagnostic log share: fixed date and time formatters,
// fixed machine facts, and the log file read back as its lines.

#include <string>
#include <vector>

#include "common/date_format.h"
#include "diag/dlog_file.h"
#include "support/temp_folder.h"

namespace quillix::test {

// Installs "12:34:56" as every time and "05/01/2024" as every date while it lives.
class FixedClockText {
  public:
    FixedClockText() {
        SetLongTimeFormatter([](const std::tm&) { return std::string("12:34:56"); });
        SetShortDateFormatter([](const CivilDate&) { return std::string("05/01/2024"); });
    }
    ~FixedClockText() {
        SetLongTimeFormatter({});
        SetShortDateFormatter({});
    }
};

inline TSystemFacts FixedSystemFacts() {
    TSystemFacts facts;
    facts.OsName = "Linux";
    facts.OsMajor = 6;
    facts.OsMinor = 1;
    facts.OsBuild = 76;
    facts.OsDetails = "#1 SMP Debian";
    facts.LocaleName = "de_CH.UTF-8";
    facts.LocaleSource = "LANG";
    facts.ExePath = "/opt/quillix/bin/quillix";
    return facts;
}

inline TDLogStartup StartupIn(const std::string& folder, std::vector<std::string> commandLine) {
    TDLogStartup startup;
    startup.ModuleFolder = folder;
    startup.CommandLine = std::move(commandLine);
    startup.Version = "0.1.0.0";
    startup.System = FixedSystemFacts();
    return startup;
}

// The file's lines without their CR LF ends; a last line without its end is
// returned with "<no line end>" appended, so that tests see it.
inline std::vector<std::string> LogLines(const std::string& path) {
    const std::string text = ReadFile(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace quillix::test
