// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/system_facts.h"

#include <sys/utsname.h>

#include <cctype>
#include <filesystem>
#include <system_error>

namespace quillix {

namespace {

const char* GetEnvironment(const char* name) {
    return std::getenv(name);
}

int ReadNumber(std::string_view& text) {
    while (!text.empty() && !std::isdigit(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    long long value = 0;
    while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
        if (value < 100000000) value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    return static_cast<int>(value);
}

}  // namespace

void ParseKernelRelease(std::string_view release, int& major, int& minor, int& build) {
    // Only the leading "a.b.c" counts; "-18-amd64" and the like are not numbers of it.
    const std::size_t end = release.find_first_not_of("0123456789.");
    std::string_view numbers = release.substr(0, end);
    major = ReadNumber(numbers);
    minor = ReadNumber(numbers);
    build = ReadNumber(numbers);
}

void LocaleFromEnvironment(const char* (*lookup)(const char*), std::string& name,
                           std::string& source) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = lookup(variable);
        if (value != nullptr && *value != '\0') {
            name = value;
            source = variable;
            return;
        }
    }
    name = "C";
    source = "default";
}

std::string LocaleLanguage(std::string_view localeName) {
    return std::string(localeName.substr(0, localeName.find_first_of("_.@")));
}

std::string LocaleTerritory(std::string_view localeName) {
    const std::size_t start = localeName.find('_');
    if (start == std::string_view::npos) return {};
    const std::string_view rest = localeName.substr(start + 1);
    return std::string(rest.substr(0, rest.find_first_of(".@")));
}

TSystemFacts GatherSystemFacts() {
    TSystemFacts facts;
    struct utsname names {};
    if (::uname(&names) == 0) {
        facts.OsName = names.sysname;
        ParseKernelRelease(names.release, facts.OsMajor, facts.OsMinor, facts.OsBuild);
        facts.OsDetails = names.version;
    }
    if (facts.OsDetails.empty()) facts.OsDetails = "No Service Pack";
    LocaleFromEnvironment(&GetEnvironment, facts.LocaleName, facts.LocaleSource);
    std::error_code error;
    facts.ExePath = std::filesystem::read_symlink("/proc/self/exe", error).string();
    return facts;
}

}  // namespace quillix
