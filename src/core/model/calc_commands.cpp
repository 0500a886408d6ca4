// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_commands.h"

namespace quillix {

std::string OperatorText(std::uint8_t code) {
    switch (code) {
        case ccPlus:
            return "+";
        case ccMinus:
            return "-";
        case ccMultiply:
            return "*";
        case ccDivide:
            return "/";
        case ccPower:
            return "^";
        case ccMod:
            return "Mod";
        case ccEqual:
            return "==";
        case ccLessEqual:
            return "<=";
        case ccLess:
            return "<";
        case ccGreater:
            return ">";
        case ccGreaterEqual:
            return ">=";
        case ccNotEqual:
            return "<>";
        case ccAnd:
            return "And";
        case ccOr:
            return "Or";
        case ccXor:
            return "Xor";
        default:
            return "";
    }
}

}  // namespace quillix
