// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout_growth.h"

#include <algorithm>

namespace quillix {

void TLayoutGrowth::Resized(int oldSize, int newSize, int minimum) {
    if (oldSize < 0) return Forget();  // the first size the window gets
    if (newSize == grownTo_) return;   // the window is where the record left it
    if (newSize > oldSize && newSize == minimum) {
        // Growth on growth keeps the size before the first.
        if (grownTo_ != oldSize) grownFrom_ = oldSize;
        grownTo_ = newSize;
        return;
    }
    Forget();
}

std::optional<int> TLayoutGrowth::GiveBack(int size, int minimum) {
    if (grownTo_ < 0 || size != grownTo_ || minimum >= size) return std::nullopt;
    const int target = std::max(grownFrom_, minimum);
    if (target == grownFrom_)
        Forget();
    else
        grownTo_ = target;
    return target;
}

void TLayoutGrowth::Forget() {
    grownFrom_ = -1;
    grownTo_ = -1;
}

}  // namespace quillix
