// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a drop-down window opens beside its field: under it, kept inside the
// screen's available area, opening upwards when there is more room above. A
// pure rule over rectangles, so it is tested without a screen.

namespace quillix {

// A screen rectangle; Right() and Bottom() lie just outside it.
struct TScreenRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    friend bool operator==(const TScreenRect&, const TScreenRect&) = default;
};

// The rectangle of a window of width by height dropped down from field (in
// screen coordinates) inside the available area workArea.
TScreenRect PlaceDropDown(const TScreenRect& field, int width, int height,
                          const TScreenRect& workArea);

}  // namespace quillix
