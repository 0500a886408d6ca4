// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines for the diagnostic log from places that have no log at hand: a library
// scan that stopped at its limit, a refused skin, a settings file kept aside.
// The program installs the log as the receiver at start; without one (the
// command-line tool, most tests) the lines are dropped.

#include <functional>
#include <string>
#include <string_view>

namespace quillix {

using TDiagNoteReceiver = std::function<void(std::string_view line)>;

// Installs the receiver; an empty one drops the lines again.
void SetDiagNoteReceiver(TDiagNoteReceiver receiver);

// Hands the line to the receiver, if there is one.
void DiagNote(std::string_view line);

}  // namespace quillix
