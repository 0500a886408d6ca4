// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "lastdata.ini" in the home folder: the last arguments typed for each function,
// kept by the function parameter dialog. Each helper opens the file, does one
// thing and, when it changed something, writes the file again atomically.

#include <string>
#include <string_view>

namespace quillix {

inline constexpr const char* kLastDataFileName = "lastdata.ini";

std::string LastDataFilePath(const std::string& homeFolder);

// False when the key is absent (or the file cannot be read: nothing is
// remembered then). Otherwise the stored text becomes the number; a text that is
// not a number throws EConvertError ("'abc' is not a valid floating point value").
bool ReadLastNumber(const std::string& homeFolder, std::string_view section, std::string_view key,
                    long double& number);
// False when the key is absent.
bool ReadLastText(const std::string& homeFolder, std::string_view section, std::string_view key,
                  std::string& text);

// The number in the shortest general form with up to 15 significant digits and
// "." as decimal point. A file that cannot be read or written throws
// EConfigFileError and leaves the file as it was; a name or text the file cannot
// hold throws std::invalid_argument.
void WriteLastNumber(const std::string& homeFolder, std::string_view section, std::string_view key,
                     long double number);
void WriteLastText(const std::string& homeFolder, std::string_view section, std::string_view key,
                   std::string_view text);

}  // namespace quillix
