// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/log_header.h"

#include <filesystem>

#include "diag/log_text.h"

namespace quillix {

namespace {

std::string Tabbed(const std::string& value) {
    return "\t" + value;
}

std::string YesNo(bool yes) {
    return yes ? "YES" : "NO";
}

}  // namespace

std::string JoinedArguments(const std::vector<std::string>& commandLine) {
    std::string text;
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        if (i > 1) text += " | ";
        text += commandLine[i];
    }
    return text;
}

std::string RawCommandLine(const std::vector<std::string>& commandLine) {
    std::string text;
    for (const std::string& argument : commandLine) {
        if (!text.empty()) text += ' ';
        const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        text += quote ? "\"" + argument + "\"" : argument;
    }
    return text;
}

std::vector<std::string> BuildLogHeader(const TLogHeaderInfo& info) {
    const TSystemFacts& system = info.System;
    const std::filesystem::path exe(system.ExePath);
    const std::string language = LocaleLanguage(system.LocaleName);
    const std::string territory = LocaleTerritory(system.LocaleName);
    return {
        "=",
        FormatLogPattern("!Log File:             %s", {Tabbed(info.LogPath)}),
        FormatLogPattern("!Date:                 %s", {Tabbed(info.DateTime)}),
        FormatLogPattern("!Operating System:      %s %d.%d (Build %d) %s",
                         {Tabbed(system.OsName), system.OsMajor, system.OsMinor, system.OsBuild,
                          system.OsDetails}),
        FormatLogPattern("!SysLocale.DefaultLCID: %s (%s)",
                         {Tabbed(system.LocaleName), system.LocaleSource}),
        FormatLogPattern("!SysLocale.PriLangID:   %s (%s)", {Tabbed(language), system.LocaleName}),
        FormatLogPattern("!SysLocale.SubLangID:   %s (%s)", {Tabbed(territory), system.LocaleName}),
        // The core reads and writes numbers with "." whatever the locale says.
        FormatLogPattern("!DecimalSeparator:      %s", {Tabbed(".")}),
        "-",
        FormatLogPattern("!EXE Path =          %s", {Tabbed(system.ExePath)}),
        FormatLogPattern("!EXE Version =       %s", {Tabbed(info.Version)}),
        FormatLogPattern("!Cmdline Param(s) =  %s", {Tabbed(JoinedArguments(info.CommandLine))}),
        FormatLogPattern("!Actual CmdLine =  %s", {Tabbed(RawCommandLine(info.CommandLine))}),
        FormatLogPattern("!_RunDir =           %s", {Tabbed(exe.parent_path().string())}),
        FormatLogPattern("!_ModuleName =       %s", {Tabbed(exe.filename().string())}),
        FormatLogPattern("!_ModuleDir =        %s", {Tabbed(info.ModuleFolder)}),
        FormatLogPattern("!_ModulePath =        %s", {Tabbed(system.ExePath)}),
        FormatLogPattern("!Module Version =       %s", {Tabbed(info.Version)}),
        "-",
        FormatLogPattern("!_hhInstalled =      %s", {Tabbed(YesNo(info.HelpEngine.Installed))}),
        FormatLogPattern("!_hhVerStr =         %s", {Tabbed(info.HelpEngine.Version)}),
        FormatLogPattern("!_hhFriendlyVerStr = %s", {Tabbed(info.HelpEngine.FriendlyName)}),
        "-",
        FormatLogPattern("!_ieInstalled =      %s", {Tabbed(YesNo(info.BrowserEngine.Installed))}),
        FormatLogPattern("!_ieVerStr =         %s", {Tabbed(info.BrowserEngine.Version)}),
        FormatLogPattern("!_ieFriendlyVerStr = %s", {Tabbed(info.BrowserEngine.FriendlyName)}),
        "=",
    };
}

}  // namespace quillix
