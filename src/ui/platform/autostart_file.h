// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up entry on this desktop: the autostart file of the user's
// configuration folder ($XDG_CONFIG_HOME/autostart/quillix.desktop), naming
// this executable with the argument "Auto".

#include <QString>

namespace quillix {

// The file's path for the current environment.
QString AutostartFilePath();

// Writes the entry for the running executable atomically (creating the
// folder); false with *error set when it cannot be written.
bool WriteAutostartEntry(QString* error = nullptr);

// Removes the entry; a missing file is fine and a refused removal is ignored.
void RemoveAutostartEntry();

}  // namespace quillix
