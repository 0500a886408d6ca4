// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/remembered_arguments.h"

#include "common/number_text.h"
#include "config/comma_text.h"
#include "config/config_errors.h"
#include "config/last_data.h"

namespace quillix {

std::string RememberedSection(std::string_view functionName) {
    return "Func_" + std::string(functionName);
}

std::optional<long double> RememberedNumber(const std::string& homeFolder,
                                            std::string_view functionName, std::string_view param) {
    long double number = 0;
    try {
        if (!ReadLastNumber(homeFolder, RememberedSection(functionName), param, number))
            return std::nullopt;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    return number;
}

std::optional<TRememberedList> RememberedList(const std::string& homeFolder,
                                              std::string_view functionName,
                                              std::string_view param) {
    TRememberedList list;
    if (!ReadLastText(homeFolder, RememberedSection(functionName), param, list.Text))
        return std::nullopt;
    for (const std::string& item : ParseCommaText(list.Text)) {
        if (const std::optional<long double> number = ParseDecimal(item))
            list.Numbers.push_back(*number);
        else
            list.Complete = false;
    }
    return list;
}

void RememberNumber(const std::string& homeFolder, std::string_view functionName,
                    std::string_view param, long double number) {
    WriteLastNumber(homeFolder, RememberedSection(functionName), param, number);
}

void RememberList(const std::string& homeFolder, std::string_view functionName,
                  std::string_view param, const std::vector<std::string>& shownItems) {
    WriteLastText(homeFolder, RememberedSection(functionName), param, ToCommaText(shownItems));
}

}  // namespace quillix
