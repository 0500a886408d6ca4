// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display format the settings ask for ("Main"/"ValueFormat" and
// "ValueDigits"), read one way for every front that shows numbers.

#include "model/value_format.h"

namespace quillix {

class IConfigor;

// Missing keys give their defaults, and hand-edited values read sensibly: any
// ValueFormat other than 0 is the fixed format, ValueDigits is limited to
// 0..18, and a value that is no integer gives the key's default.
TValueFormatRecord ReadValueFormat(const IConfigor& settings);

}  // namespace quillix
