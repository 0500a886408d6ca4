// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the shipped read-only files (skins, help pages) are found: the home
// folder first (the user's own), then the installed share folder, then the
// source tree's resources (a build that was never installed).

#include <QString>
#include <QStringList>

namespace quillix {

// The folders that may hold "*.skn" files, in the order of precedence.
QStringList SkinFolders();
// The path of a skin file of that name, or empty when no folder has it.
QString FindSkinFile(const QString& fileName);
// The folder of the shipped help pages.
QString HelpFolder();

}  // namespace quillix
