// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds operation trees for tests and benchmarks: a new value computed by a
// node over given operands.

#include <memory>
#include <utility>
#include <vector>

#include "model/calc_operate.h"
#include "model/calc_value.h"

namespace quillix::test {

// A new value computed by node.
inline ValueRef ValueOf(std::unique_ptr<TCalcOperate> node) {
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    return value;
}

// A new value whose node works on operands, in order.
inline ValueRef ValueOver(std::unique_ptr<TCalcOperate> node, std::vector<ValueRef> operands) {
    for (ValueRef& operand : operands)
        node->AddOperand(std::move(operand));
    return ValueOf(std::move(node));
}

// The same for a node made by its default constructor.
template <class Node, class... Operands>
ValueRef Make(Operands... operands) {
    auto node = std::make_unique<Node>();
    (node->AddOperand(std::move(operands)), ...);
    return ValueOf(std::move(node));
}

}  // namespace quillix::test
