// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TLayoutGrowth: the space a window's layout took to fit a larger minimum (a
// message line that appeared), given back once the minimum shrinks again,
// unless the user sized the window in between. One instance per direction;
// Qt-free, the window feeds it its sizes.

#include <optional>

namespace quillix {

class TLayoutGrowth {
  public:
    // A resize of the window from oldSize to newSize with this minimum: grown
    // to fit the minimum, or sized by someone else (which ends the record).
    void Resized(int oldSize, int newSize, int minimum);
    // The size to go back to, now that the minimum is this; none to stay.
    std::optional<int> GiveBack(int size, int minimum);
    // Forgets the growth (the window was maximised, or sized by the user).
    void Forget();

  private:
    int grownFrom_ = -1;  // the size before the first growth
    int grownTo_ = -1;    // the size the growth left
};

}  // namespace quillix
