// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home folder of this run (settings, remembered parameters, custom units,
// the libraries, the user's skins), chosen once at start; tests set their own.

#include <QString>
#include <string>

namespace quillix {

const std::string& AppHomeFolder();
void SetAppHomeFolder(std::string folder);
// A file or folder in the home folder.
QString HomePath(const QString& name);

}  // namespace quillix
