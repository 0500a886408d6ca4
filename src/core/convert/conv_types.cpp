// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conv_types.h"

#include "common/fp_checks.h"

namespace quillix {

double TConvTypeFactor::ToBase(double x) const {
    return static_cast<double>(CheckedResult(x * factor_, {x, factor_}));
}

double TConvTypeFactor::FromBase(double x) const {
    return static_cast<double>(CheckedResult(x / factor_, {x, factor_}));
}

}  // namespace quillix
