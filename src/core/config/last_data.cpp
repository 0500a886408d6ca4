// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/last_data.h"

#include <optional>

#include "common/home_folder.h"
#include "common/number_text.h"
#include "config/config_errors.h"
#include "config/ini_file.h"
#include "config/ini_values.h"

namespace quillix {

namespace {

std::optional<std::string> ReadStored(const std::string& homeFolder, std::string_view section,
                                      std::string_view key) {
    TIniFile file(LastDataFilePath(homeFolder));
    if (!file.Load()) return std::nullopt;
    return file.Get(section, key);
}

void WriteStored(const std::string& homeFolder, std::string_view section, std::string_view key,
                 std::string_view text) {
    TIniFile file(LastDataFilePath(homeFolder));
    if (!file.Load()) {
        // Writing now would replace a file we could not read with one key.
        throw EConfigFileError("Cannot read \"" + file.Path() + "\"");
    }
    const std::optional<std::string> old = file.Get(section, key);
    if (old && *old == text) return;
    file.WriteString(section, key, text);
    std::string error;
    if (!file.Save(&error)) throw EConfigFileError(error);
}

}  // namespace

std::string LastDataFilePath(const std::string& homeFolder) {
    return JoinPath(homeFolder, kLastDataFileName);
}

bool ReadLastNumber(const std::string& homeFolder, std::string_view section, std::string_view key,
                    long double& number) {
    const std::optional<std::string> text = ReadStored(homeFolder, section, key);
    if (!text) return false;
    const std::optional<long double> value = ParseDecimal(TrimIniBlanks(*text), true);
    if (!value) throw EConvertError("'" + *text + "' is not a valid floating point value");
    number = *value;
    return true;
}

bool ReadLastText(const std::string& homeFolder, std::string_view section, std::string_view key,
                  std::string& text) {
    std::optional<std::string> stored = ReadStored(homeFolder, section, key);
    if (!stored) return false;
    text = std::move(*stored);
    return true;
}

void WriteLastNumber(const std::string& homeFolder, std::string_view section, std::string_view key,
                     long double number) {
    WriteStored(homeFolder, section, key, FormatFloatStored(number));
}

void WriteLastText(const std::string& homeFolder, std::string_view section, std::string_view key,
                   std::string_view text) {
    WriteStored(homeFolder, section, key, text);
}

}  // namespace quillix
