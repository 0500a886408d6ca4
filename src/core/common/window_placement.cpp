// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window_placement.h"

#include <algorithm>

namespace quillix {

namespace {

// One axis: the length cut to the room, the start moved inside it. Wide
// arithmetic, as settings may hold any integer.
void ClampAxis(int wantedStart, int wantedLength, int areaStart, int areaLength, int minimum,
               int& start, int& length) {
    const long long room = std::max(areaLength, 0);
    long long size = std::clamp<long long>(wantedLength, std::min<long long>(minimum, room), room);
    const long long first = std::clamp<long long>(wantedStart, areaStart, areaStart + room - size);
    start = static_cast<int>(first);
    length = static_cast<int>(size);
}

}  // namespace

TScreenRect ClampWindowPlacement(const TScreenRect& wanted, const TScreenRect& available,
                                 int minimumWidth, int minimumHeight) {
    if (available.Width <= 0 || available.Height <= 0) return wanted;
    TScreenRect placed;
    ClampAxis(wanted.Left, wanted.Width, available.Left, available.Width, minimumWidth, placed.Left,
              placed.Width);
    ClampAxis(wanted.Top, wanted.Height, available.Top, available.Height, minimumHeight, placed.Top,
              placed.Height);
    return placed;
}

TStartWindow StartWindow(bool startHidden, bool trayAvailable) {
    if (!startHidden) return TStartWindow::Shown;
    return trayAvailable ? TStartWindow::HiddenInTray : TStartWindow::Minimised;
}

}  // namespace quillix
