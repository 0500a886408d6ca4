// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window opens from the placement kept in the settings: a
// hand-edited or stale rectangle (a width of 99999999, a left edge of 100000,
// a screen that is gone) is brought inside the available area of the screen
// the window lands on, and never below a usable size; and how it first
// appears. Pure rules, so they are tested without a screen.

#include "common/drop_down_placement.h"

namespace quillix {

// The wanted rectangle, its size cut to the area (and raised to the minimum,
// unless the area itself is smaller), then moved so that it lies inside the
// area. An area without size leaves the wanted rectangle as it is.
TScreenRect ClampWindowPlacement(const TScreenRect& wanted, const TScreenRect& available,
                                 int minimumWidth, int minimumHeight);

// How the main window first appears: shown; hidden, with the notification-area
// icon as the way back; or minimised, where the desktop has no notification
// area, so that the task bar still holds it.
enum class TStartWindow { Shown, HiddenInTray, Minimised };
TStartWindow StartWindow(bool startHidden, bool trayAvailable);

}  // namespace quillix
