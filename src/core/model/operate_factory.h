// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recreating nodes: from the class name stored in files, and from the operator
// code the calculation stack keeps as its pending operator.

#include <cstdint>
#include <memory>
#include <string_view>

#include "model/calc_operate.h"

namespace quillix {

// An empty node (no operands, no attributes) of the class of exactly that name
// (case-sensitive); nothing for any other name.
std::unique_ptr<TCalcOperate> CreateOperateByClassName(std::string_view className);

// The node of a binary operator code (16 to 20, 22 to 31); nothing for other codes.
std::unique_ptr<TCalcOperate> CreateOperateForOperator(std::uint8_t code);

}  // namespace quillix
