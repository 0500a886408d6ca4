// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a step of the undo history is called in the Edit menu ("Undo Delete
// 'Rate'"): the caption of the user action that made it when it has one, else a
// name built from its changes.

#include <string>
#include <vector>

#include "vars/vars_edit_recorder.h"

namespace quillix {

// One change of a step: its kind, the entry's name before it and, for Add and
// Rename, the name it gives.
struct TEditLabel {
    TVarsEdit Edit;
    std::string Name;
    std::string NewName;
};

// "Delete 'Rate'" for one change, "Delete 3 variables" for several of one kind,
// "Changes" for a mixture; empty for none.
std::string StepCaption(const std::vector<TEditLabel>& labels);

// The menu texts: "&Undo Delete 'Rate'", "&Redo Delete 'Rate'" ("&Undo" and
// "&Redo" alone when there is no step); an "&" of a name is doubled, so that it
// shows and marks no key.
std::string UndoMenuText(const std::string& caption);
std::string RedoMenuText(const std::string& caption);

}  // namespace quillix
