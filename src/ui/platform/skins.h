// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Skins: "*.skn" files holding Qt style sheets, from the home's "Skins" folder
// and the shipped ones. Applying a skin sets the application's style sheet; a
// file that cannot be read or parsed leaves the previous look, and so does a
// skin that is no regular file, is larger than 1 MB, or names a file that is
// not a regular file in its own folder or an installed skins folder (each
// refusal writes a line in the diagnostic log).

#include <QList>
#include <QString>

namespace quillix {

struct TSkinEntry {
    QString Caption;   // the file name without ".skn"
    QString FileName;  // the file name alone
};

// One entry per skin file name, the home's own before the shipped ones, in
// file-name order.
QList<TSkinEntry> ListSkins();

enum class TSkinLoad { Applied, Missing, Broken };

// Applies the skin of that file name to the whole application.
TSkinLoad ApplySkinFile(const QString& fileName);

}  // namespace quillix
