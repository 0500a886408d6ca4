// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the reader and the writer of the calculation XML share: the element
// names, and the node classes that carry attributes of their own.

#include <string_view>

#include "model/calc_operate.h"

namespace quillix::calc_xml {

inline constexpr std::string_view kWarperElement = "ValueWarper";
inline constexpr std::string_view kValueElement = "CalcValue";
inline constexpr std::string_view kNodeElement = "Operate";
inline constexpr std::string_view kArray1Element = "Array1";
inline constexpr std::string_view kArray2Element = "Array2";

enum class NodeKind { kOperator, kFunc, kMultiFunc, kUserFunc, kUserProgram };

inline NodeKind KindOf(const TCalcOperate& node) {
    const std::string_view name = node.ClassName();
    if (name == "TCalcOperateFunc") return NodeKind::kFunc;
    if (name == "TCalcOperateMultiFunc") return NodeKind::kMultiFunc;
    if (name == "TCalcOperateUserFunc") return NodeKind::kUserFunc;
    if (name == "TCalcOperateUserProgram") return NodeKind::kUserProgram;
    return NodeKind::kOperator;
}

}  // namespace quillix::calc_xml
