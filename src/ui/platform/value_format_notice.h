// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool window's "Decimal places:" list changes the display format of every
// value at once, including the keypad's display and the variables view that
// lie under the modal window. The main window installs the handler that
// redraws them; the tool windows announce each change.

#include <functional>

namespace quillix {

// Installs the handler; an empty one removes it.
void SetValueFormatChangedHandler(std::function<void()> handler);
// Tells the handler, if any, that ValueFormatSettings() has changed.
void AnnounceValueFormatChanged();

}  // namespace quillix
