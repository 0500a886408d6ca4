// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line the tape benchmarks add: as a typical calculation leaves it.

#include <string>

#include "tape/tape.h"

namespace quillix::bench {

inline TTapeEntry TypicalLine(int n) {
    TTapeEntry entry;
    entry.Formula = "(1234.5+" + std::to_string(n) + ")*Sqrt(2)/Rate";
    entry.Shown = "1,795.5463" + std::to_string(n % 10);
    entry.Number = 1795.5463L + n;
    entry.Time = 1700000000000 + n;
    entry.Value = TCalcValue::New(entry.Number);
    return entry;
}

}  // namespace quillix::bench
