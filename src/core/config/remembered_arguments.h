// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments a function's parameter dialog remembers in "lastdata.ini"
// (last_data.h): a section per function, "Func_" followed by its name, and a
// key per parameter. A plain parameter keeps its number; a list parameter the
// comma text of its items as they were shown, which reads back as numbers
// where an item is one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

std::string RememberedSection(std::string_view functionName);

// The number remembered for a parameter; none when there is none, or when
// what is stored is no number (the parameter then keeps its default).
std::optional<long double> RememberedNumber(const std::string& homeFolder,
                                            std::string_view functionName, std::string_view param);

struct TRememberedList {
    std::vector<long double> Numbers;  // the items that read as numbers, in order
    bool Complete = true;              // every item did (a date's shown text does not)
    std::string Text;                  // the list as stored
};
// The list remembered for a list parameter; none when there is none.
std::optional<TRememberedList> RememberedList(const std::string& homeFolder,
                                              std::string_view functionName,
                                              std::string_view param);

// These throw as WriteLastNumber and WriteLastText do, and leave the file as
// it was then.
void RememberNumber(const std::string& homeFolder, std::string_view functionName,
                    std::string_view param, long double number);
void RememberList(const std::string& homeFolder, std::string_view functionName,
                  std::string_view param, const std::vector<std::string>& shownItems);

}  // namespace quillix
