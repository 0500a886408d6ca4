// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/drop_down_placement.h"

#include <algorithm>

namespace quillix {

TScreenRect PlaceDropDown(const TScreenRect& field, int width, int height,
                          const TScreenRect& workArea) {
    TScreenRect place{field.Left, field.Bottom() + 1, std::min(width, workArea.Width), height};
    if (place.Right() > workArea.Right()) place.Left = workArea.Right() - place.Width;
    place.Left = std::max(place.Left, workArea.Left);

    const int roomBelow = workArea.Bottom() - field.Bottom();
    const int roomAbove = field.Top - workArea.Top;
    if (place.Bottom() > workArea.Bottom() && roomBelow < roomAbove)
        place.Top = field.Top - place.Height;
    if (place.Top < workArea.Top) {
        place.Height -= workArea.Top - place.Top;
        place.Top = workArea.Top;
    }
    if (place.Bottom() > workArea.Bottom()) place.Height = workArea.Bottom() - place.Top;
    // A field outside the area leaves no room at all; never a negative size.
    place.Height = std::max(place.Height, 0);
    return place;
}

}  // namespace quillix
