// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the diagnostic log's header tells about the machine, in the closest
// Linux terms: the kernel (uname) for the operating system, the locale named by
// LC_ALL, LC_MESSAGES or LANG, and the running executable.

#include <cstdlib>
#include <string>
#include <string_view>

namespace quillix {

struct TSystemFacts {
    std::string OsName;  // uname's system name, "Linux"
    int OsMajor = 0;     // the release "6.1.0-18-amd64" gives 6, 1 and 0
    int OsMinor = 0;
    int OsBuild = 0;
    std::string OsDetails;     // uname's version text; "No Service Pack" when empty
    std::string LocaleName;    // "en_US.UTF-8"; "C" when no variable names one
    std::string LocaleSource;  // "LC_ALL", "LC_MESSAGES", "LANG" or "default"
    std::string ExePath;       // /proc/self/exe
};

TSystemFacts GatherSystemFacts();

// Splits a kernel release into its first three numbers (missing ones are 0).
void ParseKernelRelease(std::string_view release, int& major, int& minor, int& build);

// The locale that messages use: the first of LC_ALL, LC_MESSAGES and LANG that
// is set and not empty. lookup stands for getenv.
void LocaleFromEnvironment(const char* (*lookup)(const char*), std::string& name,
                           std::string& source);

// The parts of a locale name "language_TERRITORY.codeset@modifier".
std::string LocaleLanguage(std::string_view localeName);
std::string LocaleTerritory(std::string_view localeName);

}  // namespace quillix
