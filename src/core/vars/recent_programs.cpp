// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recent_programs.h"

#include <algorithm>

#include "config/comma_text.h"
#include "config/configor.h"
#include "config/ini_file.h"
#include "config/settings_table.h"
#include "vars/library_names.h"

namespace quillix {

namespace {

std::vector<std::string> Cleaned(const std::vector<std::string>& entries) {
    std::vector<std::string> list;
    for (const std::string& entry : entries) {
        if (list.size() == kRecentProgramsLimit) break;
        if (TrimBlanks(entry).empty()) continue;
        const bool repeated = std::any_of(list.begin(), list.end(), [&](const std::string& listed) {
            return SameName(listed, entry);
        });
        if (!repeated) list.push_back(entry);
    }
    return list;
}

void Write(IConfigor& settings, const std::vector<std::string>& list) {
    const TSettingDef& def = SettingDef(TSetting::MainRecentPrograms);
    settings.WriteString(def.Section, def.Key, ToCommaText(list));
}

std::vector<std::string> Without(std::vector<std::string> list, std::string_view name) {
    std::erase_if(list, [&](const std::string& listed) { return SameName(listed, name); });
    return list;
}

}  // namespace

std::vector<std::string> RecentPrograms(const IConfigor& settings) {
    const std::string text = ReadTextSetting(settings, TSetting::MainRecentPrograms);
    if (text.empty()) return {};
    return Cleaned(ParseCommaText(text));
}

void RememberRecentProgram(IConfigor& settings, std::string_view name) {
    const std::string trimmed = TrimBlanks(name);
    if (trimmed.empty() || !TIniFile::IsValidValue(trimmed)) return;
    std::vector<std::string> list = Without(RecentPrograms(settings), trimmed);
    list.insert(list.begin(), trimmed);
    if (list.size() > kRecentProgramsLimit) list.resize(kRecentProgramsLimit);
    Write(settings, list);
}

bool ForgetRecentProgram(IConfigor& settings, std::string_view name) {
    const std::vector<std::string> list = RecentPrograms(settings);
    std::vector<std::string> rest = Without(list, name);
    if (rest.size() == list.size()) return false;
    Write(settings, rest);
    return true;
}

std::string RecentProgramCaption(std::size_t index, std::string_view name) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

std::string MissingRecentProgramMessage(std::string_view name) {
    return "The program '" + std::string(name) +
           "' is no longer in the library. It was removed from the recent programs.";
}

}  // namespace quillix
